<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Laufzeitfehler &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer falsch</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Datei bereits geöffnet</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler beim Gerät</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Falsche Datensatznummer</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zu viele Dateien</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Gerät nicht verfügbar</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>Der Arbeitsspeicher des Computers reicht nicht aus: Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Der Name der Datei kann so nicht verwendet werden: Benennen Sie die Datei um oder verschieben Sie sie in einen kürzeren Pfad.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Die Datei existiert nicht mehr: Sie wurde vielleicht verschoben, umbenannt oder gelöscht. Wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Der Datenträger konnte nicht gelesen werden: Prüfen Sie, ob er noch angeschlossen und unbeschädigt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Auf diesem Computer sind zu viele Dateien geöffnet: Schließen Sie einige Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Das Laufwerk ist nicht verfügbar: Prüfen Sie, ob es angeschlossen oder eingelegt ist, und wählen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Sie dürfen diesen Ordner nicht öffnen: Bitten Sie den Eigentümer um Zugriff oder wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Sie dürfen diese Datei nicht lesen: Bitten Sie den Eigentümer um Zugriff oder kopieren Sie sie an einen Ort, an dem Sie sie lesen können.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Der Ordner existiert nicht mehr: Er wurde vielleicht verschoben, umbenannt oder gelöscht. Wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Dies ist keine Bildschirmdatei, sondern ein Gerät, eine Pipe oder ein Socket: Wählen Sie stattdessen eine Datei.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Dies ist ein Ordner, keine Bildschirmdatei: Öffnen Sie ihn stattdessen in der Ordnerliste.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Dieser Name ist eine Verknüpfung, die auf sich selbst oder über zu viele andere Verknüpfungen führt: Wählen Sie stattdessen das, worauf sie verweisen soll.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Das System verwendet diese Datei und lässt sie gerade nicht lesen: Versuchen Sie es später erneut oder wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Die Datei hat sich beim Öffnen geändert: Wählen Sie sie erneut.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Das System öffnet dies nicht zum Lesen: Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>In Tarnvel selbst ist etwas schiefgegangen: Bitte starten Sie es neu.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Noch kein Bildschirm angezeigt. Wählen Sie einen im Navigator.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Wählen Sie ein Laufwerk, einen Ordner und die Bildschirmdatei, die angezeigt werden soll.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Wird gezeichnet: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Angezeigt: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Angezeigt, so weit lesbar: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Der Pfad bis zum aktuellen Ordner, darunter seine Unterordner. Doppelklicken Sie auf einen Ordner oder drücken Sie die Eingabetaste, um ihn zu öffnen.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Ebene %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>Das Laufwerk, dessen Ordner aufgelistet werden.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Die Dateien des aktuellen Ordners. Die ausgewählte Datei wird angezeigt.</translation>
    </message>
</context>
</TS>
