<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Dossier inexistant</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Fichier déjà ouvert</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d&apos;entrée/sortie sur le périphérique</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Numéro d&apos;enregistrement incorrect</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Trop de fichiers</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Périphérique non disponible</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin d&apos;accès introuvable</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>L&apos;ordinateur manque de mémoire : fermez d&apos;autres programmes et réessayez.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>Le nom du fichier ne peut pas être utilisé tel quel : renommez le fichier ou déplacez-le vers un chemin plus court.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Le fichier n&apos;existe plus : il a peut-être été déplacé, renommé ou supprimé. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Le disque n&apos;a pas pu être lu : vérifiez qu&apos;il est toujours connecté et qu&apos;il n&apos;est pas endommagé, puis réessayez.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Trop de fichiers sont ouverts sur cet ordinateur : fermez quelques programmes et réessayez.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>Le lecteur n&apos;est pas disponible : vérifiez qu&apos;il est connecté ou inséré, puis choisissez-le de nouveau.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir ce dossier : demandez l&apos;accès à son propriétaire ou choisissez-en un autre.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Vous n&apos;avez pas le droit de lire ce fichier : demandez l&apos;accès à son propriétaire ou copiez-le à un endroit où vous pouvez le lire.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>Le dossier n&apos;existe plus : il a peut-être été déplacé, renommé ou supprimé. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Ce n&apos;est pas un fichier d&apos;écran mais un périphérique, un tube ou une socket : choisissez plutôt un fichier.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>C&apos;est un dossier, pas un fichier d&apos;écran : ouvrez-le plutôt dans la liste des dossiers.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Ce nom est un lien qui renvoie à lui-même ou passe par trop d&apos;autres liens : choisissez plutôt ce vers quoi il devrait mener.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>Le système utilise ce fichier et ne permet pas de le lire pour l&apos;instant : réessayez plus tard ou choisissez-en un autre.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>Le fichier a changé pendant son ouverture : choisissez-le de nouveau.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>Le système refuse d&apos;ouvrir ceci en lecture : choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>Une erreur s&apos;est produite dans Tarnvel lui-même : veuillez le redémarrer.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Aucun écran affiché pour l&apos;instant. Choisissez-en un dans le navigateur.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Choisissez un lecteur, un dossier et le fichier d&apos;écran à afficher.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>En cours de dessin : %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Affiché : %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Affiché, aussi loin qu&apos;il a pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>Le chemin jusqu&apos;au dossier actuel, puis ses sous-dossiers. Double-cliquez sur un dossier ou appuyez sur Entrée pour l&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>Le lecteur dont les dossiers sont listés.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Les fichiers du dossier actuel. Le fichier choisi s&apos;affiche aussitôt.</translation>
    </message>
</context>
</TS>
