<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Błąd czasu wykonywania &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Nie ma takiego katalogu</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Zła nazwa lub numer pliku</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Plik jest już otwarty</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Błąd wejścia/wyjścia urządzenia</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Zły numer rekordu</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zbyt wiele plików</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Urządzenie niedostępne</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Komputerowi zabrakło pamięci: zamknij inne programy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Nazwy tego pliku nie można użyć w obecnej postaci: zmień nazwę pliku lub przenieś go do krótszej ścieżki.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Ten plik już nie istnieje: mógł zostać przeniesiony, przemianowany lub usunięty. Wybierz inny.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Nie można odczytać dysku: sprawdź, czy jest nadal podłączony i nieuszkodzony, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Na tym komputerze otwarto zbyt wiele plików: zamknij niektóre programy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Napęd jest niedostępny: sprawdź, czy jest podłączony lub włożony, a następnie wybierz go ponownie.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Nie masz uprawnień do otwarcia tego katalogu: poproś jego właściciela o dostęp lub wybierz inny.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Nie masz uprawnień do odczytu tego pliku: poproś jego właściciela o dostęp lub skopiuj plik tam, gdzie możesz go odczytać.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Ten katalog już nie istnieje: mógł zostać przeniesiony, przemianowany lub usunięty. Wybierz inny.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>To nie jest plik ekranu, lecz urządzenie, potok lub gniazdo: wybierz zamiast tego plik.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>To jest katalog, a nie plik ekranu: otwórz go na liście katalogów.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Ta nazwa jest dowiązaniem, które prowadzi do samego siebie lub przez zbyt wiele innych dowiązań: wybierz to, do czego powinno prowadzić.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>System używa tego pliku i nie pozwala go teraz odczytać: spróbuj ponownie później lub wybierz inny.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Plik zmienił się podczas otwierania: wybierz go ponownie.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>System nie otworzy tego do odczytu: wybierz inny plik.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>W samym programie Tarnvel coś poszło nie tak: uruchom go ponownie.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Nie wyświetlono jeszcze żadnego ekranu. Wybierz go w nawigatorze.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Wybierz napęd, katalog i plik ekranu do wyświetlenia.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Rysowanie: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Wyświetlany: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Wyświetlany, na ile udało się odczytać: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Katalogi</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Ścieżka do bieżącego katalogu, a pod nią jego podkatalogi. Kliknij dwukrotnie katalog lub naciśnij Enter, aby go otworzyć.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Poziom %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Napędy</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>Napęd, którego katalogi są wyświetlane.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Pliki bieżącego katalogu. Wybrany plik jest od razu wyświetlany.</translation>
    </message>
</context>
</TS>
