<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Помилка виконання &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Такої теки немає</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не звичайний файл</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатньо пам’яті</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутрішня помилка</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Неправильна назва або номер файлу</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Файл уже відкрито</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Помилка введення-виведення пристрою</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Неправильний номер запису</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Забагато файлів</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Пристрій недоступний</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ заборонено</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Помилка доступу до шляху або файлу</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Шлях не знайдено</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Помилка, визначена програмою або об’єктом</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Комп’ютерові забракло пам’яті: закрийте інші програми і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Назву цього файлу не можна використати як є: перейменуйте файл або перемістіть його туди, де шлях коротший.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Цього файлу більше немає: можливо, його пересунули, перейменували або вилучили. Виберіть інший.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Не вдалося прочитати диск: перевірте, чи він досі під’єднаний і не пошкоджений, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>На комп’ютері відкрито забагато файлів: закрийте деякі програми і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Диск недоступний: перевірте, чи його під’єднано або вставлено, і виберіть його знову.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Ви не маєте права відкривати цю теку: попросіть доступу в її власника або виберіть іншу.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Ви не маєте права читати цей файл: попросіть доступу в його власника або скопіюйте файл туди, де зможете його прочитати.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Цієї теки більше немає: можливо, її пересунули, перейменували або вилучили. Виберіть іншу.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Це не файл екрана, а пристрій, канал або сокет: виберіть файл.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Це тека, а не файл екрана: відкрийте її у списку тек.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Це посилання, яке веде саме на себе або через забагато інших посилань: виберіть те, на що воно має вказувати.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Система зараз використовує цей файл і не дає його прочитати: спробуйте пізніше або виберіть інший.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Файл змінився, поки його відкривали: виберіть його ще раз.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Система не відкриває це для читання: виберіть інший файл.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>У самій програмі Tarnvel щось пішло не так: запустіть її знову.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Екран ще не показано. Виберіть його в навігаторі.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Виберіть диск, теку і файл екрана, який треба показати.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Малюється: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Показано: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Показано, наскільки вдалося прочитати: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Теки</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Шлях до поточної теки, а під ним її підтеки. Щоб відкрити теку, двічі клацніть її або натисніть Enter.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Рівень %1</translation>
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
        <translation>Диск, теки якого показано у списку.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Файли поточної теки. Вибраний файл одразу показується.</translation>
    </message>
</context>
</TS>
