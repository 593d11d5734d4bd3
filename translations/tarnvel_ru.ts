<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Ошибка выполнения &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Нет такой папки</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Неверное имя или номер файла</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Файл уже открыт</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ошибка ввода-вывода устройства</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Неверный номер записи</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Слишком много файлов</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Устройство недоступно</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути или файлу</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определённая приложением или объектом</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Компьютеру не хватило памяти: закройте другие программы и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Имя этого файла нельзя использовать как есть: переименуйте файл или переместите его туда, где путь короче.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Этого файла больше нет: возможно, его переместили, переименовали или удалили. Выберите другой.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Не удалось прочитать диск: проверьте, что он по-прежнему подключён и не повреждён, и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>На компьютере открыто слишком много файлов: закройте некоторые программы и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Диск недоступен: проверьте, что он подключён или вставлен, и выберите его снова.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>У вас нет прав на открытие этой папки: попросите доступ у её владельца или выберите другую.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>У вас нет прав на чтение этого файла: попросите доступ у его владельца или скопируйте файл туда, где сможете его прочитать.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Этой папки больше нет: возможно, её переместили, переименовали или удалили. Выберите другую.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Это не файл экрана, а устройство, канал или сокет: выберите файл.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Это папка, а не файл экрана: откройте её в списке папок.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Это ссылка, которая ведёт сама на себя или через слишком много других ссылок: выберите то, на что она должна указывать.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Система сейчас использует этот файл и не даёт его прочитать: попробуйте позже или выберите другой.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Файл изменился, пока его открывали: выберите его ещё раз.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Система не открывает это для чтения: выберите другой файл.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>В самой программе Tarnvel что-то пошло не так: запустите её снова.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Экран ещё не показан. Выберите его в навигаторе.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Выберите диск, папку и файл экрана, который нужно показать.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Рисуется: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Показан: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Показан, насколько удалось прочитать: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Путь до текущей папки, затем её вложенные папки. Чтобы открыть папку, дважды щёлкните её или нажмите Enter.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Уровень %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Диски</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>Диск, папки которого показаны в списке.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Файлы текущей папки. Выбранный файл сразу показывается.</translation>
    </message>
</context>
</TS>
