<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Chyba za běhu &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Složka neexistuje</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Není běžný soubor</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Vnitřní chyba</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Chybný název nebo číslo souboru</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Soubor nenalezen</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Soubor je již otevřen</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Chyba vstupu/výstupu zařízení</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Chybné číslo záznamu</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Příliš mnoho souborů</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Zařízení není k dispozici</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Přístup odepřen</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Chyba přístupu k cestě nebo souboru</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Cesta nenalezena</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Chyba definovaná aplikací nebo objektem</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Počítači došla paměť: zavřete jiné programy a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Název souboru nelze použít tak, jak je: soubor přejmenujte nebo jej přesuňte do kratší cesty.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Soubor už neexistuje: mohl být přesunut, přejmenován nebo smazán. Vyberte jiný.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Disk nelze přečíst: zkontrolujte, zda je stále připojen a není poškozen, a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>V tomto počítači je otevřeno příliš mnoho souborů: zavřete některé programy a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Jednotka není k dispozici: zkontrolujte, zda je připojena nebo vložena, a pak ji vyberte znovu.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Tuto složku nemáte oprávnění otevřít: požádejte jejího vlastníka o přístup nebo vyberte jinou.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Tento soubor nemáte oprávnění číst: požádejte jeho vlastníka o přístup nebo jej zkopírujte tam, kde jej číst můžete.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Složka už neexistuje: mohla být přesunuta, přejmenována nebo smazána. Vyberte jinou.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Toto není soubor obrazovky, ale zařízení, roura nebo soket: vyberte místo toho soubor.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Toto je složka, ne soubor obrazovky: otevřete ji v seznamu složek.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Tento název je odkaz, který vede sám na sebe nebo přes příliš mnoho jiných odkazů: vyberte místo toho to, kam má vést.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Systém tento soubor používá a teď jej nedovolí číst: zkuste to později nebo vyberte jiný.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Soubor se během otevírání změnil: vyberte jej znovu.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Systém toto neotevře pro čtení: vyberte jiný soubor.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>V samotném programu Tarnvel se něco pokazilo: spusťte jej prosím znovu.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Zatím není zobrazena žádná obrazovka. Vyberte ji v navigátoru.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Vyberte jednotku, složku a soubor obrazovky, který chcete zobrazit.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Kreslí se: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Zobrazeno: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Zobrazeno, kam až šlo přečíst: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Složky</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Cesta k aktuální složce a pod ní její podsložky. Složku otevřete dvojitým kliknutím nebo klávesou Enter.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Úroveň %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>Jednotka, jejíž složky jsou vypsány.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Soubory</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Soubory aktuální složky. Vybraný soubor se hned zobrazí.</translation>
    </message>
</context>
</TS>
