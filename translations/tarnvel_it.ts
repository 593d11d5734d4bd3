<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Errore di run-time &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Cartella inesistente</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome o numero di file non valido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>File già aperto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Errore di I/O della periferica</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Numero di record non valido</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Troppi file</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Periferica non disponibile</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso/file</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Il computer ha esaurito la memoria: chiudere altri programmi e riprovare.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Il nome del file non può essere usato così com&apos;è: rinominare il file o spostarlo in un percorso più breve.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Il file non esiste più: potrebbe essere stato spostato, rinominato o eliminato. Sceglierne un altro.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Impossibile leggere il disco: verificare che sia ancora collegato e non danneggiato, quindi riprovare.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Ci sono troppi file aperti su questo computer: chiudere alcuni programmi e riprovare.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>L&apos;unità non è disponibile: verificare che sia collegata o inserita, quindi sceglierla di nuovo.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Non si dispone dei permessi per aprire questa cartella: chiedere l&apos;accesso al proprietario o sceglierne un&apos;altra.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Non si dispone dei permessi per leggere questo file: chiedere l&apos;accesso al proprietario o copiarlo in una posizione in cui sia possibile leggerlo.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>La cartella non esiste più: potrebbe essere stata spostata, rinominata o eliminata. Sceglierne un&apos;altra.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Questo non è un file di schermata, ma una periferica, una pipe o un socket: scegliere invece un file.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Questa è una cartella, non un file di schermata: aprirla invece nell&apos;elenco delle cartelle.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Questo nome è un collegamento che rimanda a se stesso o passa per troppi altri collegamenti: scegliere invece ciò a cui dovrebbe portare.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Il sistema sta usando questo file e ora non ne consente la lettura: riprovare più tardi o sceglierne un altro.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Il file è cambiato durante l&apos;apertura: sceglierlo di nuovo.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Il sistema non apre questo elemento in lettura: scegliere un altro file.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>Si è verificato un problema all&apos;interno di Tarnvel: avviarlo di nuovo.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Ancora nessuna schermata mostrata. Sceglierne una nel navigatore.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Scegliere un&apos;unità, una cartella e il file di schermata da mostrare.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>In disegno: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Mostrata: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Mostrata fin dove è stato possibile leggerla: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Il percorso fino alla cartella attuale, poi le sue sottocartelle. Fare doppio clic su una cartella o premere Invio per aprirla.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>L&apos;unità di cui sono elencate le cartelle.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>I file della cartella attuale. Il file scelto viene mostrato subito.</translation>
    </message>
</context>
</TS>
