<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>No existe la carpeta</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nombre o número de archivo incorrecto</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>El archivo ya está abierto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S en el dispositivo</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Número de registro incorrecto</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Demasiados archivos</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Dispositivo no disponible</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>El equipo se ha quedado sin memoria: cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>El nombre del archivo no se puede usar tal como está: cámbielo o mueva el archivo a una ruta más corta.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>El archivo ya no existe: puede que se haya movido, renombrado o eliminado, así que elija otro.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>No se pudo leer el disco: compruebe que sigue conectado y que no está dañado, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Hay demasiados archivos abiertos en este equipo: cierre algunos programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>La unidad no está disponible: compruebe que está conectada o insertada y vuelva a elegirla.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>No tiene permiso para abrir esta carpeta: pida acceso a su propietario o elija otra.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>No tiene permiso para leer este archivo: pida acceso a su propietario o cópielo a un lugar donde pueda leerlo.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>La carpeta ya no existe: puede que se haya movido, renombrado o eliminado, así que elija otra.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Esto no es un archivo de pantalla, sino un dispositivo, una tubería o un socket: elija un archivo.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Esto es una carpeta, no un archivo de pantalla: ábrala en la lista de carpetas.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Este nombre es un enlace que lleva a sí mismo o pasa por demasiados enlaces: elija aquello a lo que debería llevar.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>El sistema está usando este archivo y no permite leerlo ahora: vuelva a intentarlo más tarde o elija otro.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>El archivo cambió mientras se abría: vuelva a elegirlo.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>El sistema no permite abrir esto para leerlo: elija otro archivo.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>Algo ha fallado dentro del propio Tarnvel: vuelva a iniciarlo.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Todavía no se muestra ninguna pantalla. Elija una en el navegador.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Elija una unidad, una carpeta y el archivo de pantalla que quiera ver.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Dibujando: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Muestra: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Muestra, hasta donde se pudo leer: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>La ruta hasta la carpeta actual y, debajo, sus subcarpetas. Haga doble clic en una carpeta o pulse Intro para abrirla.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>platform::DriveListBox</name>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>The drive whose directories are listed.</source>
        <translation>La unidad cuyas carpetas se muestran.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Los archivos de la carpeta actual. Al elegir uno, se muestra.</translation>
    </message>
</context>
</TS>
