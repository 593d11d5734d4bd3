<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>No such directory</source>
        <translation>Pasta inexistente</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome ou número de arquivo inválido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Arquivo já aberto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erro de E/S no dispositivo</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Número de registro inválido</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Arquivos demais</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Dispositivo indisponível</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
    <message>
        <source>The computer ran out of memory: close other programs and try again.</source>
        <translation>O computador ficou sem memória: feche outros programas e tente novamente.</translation>
    </message>
    <message>
        <source>The file&apos;s name cannot be used as it is: rename the file or move it to a shorter path.</source>
        <translation>O nome do arquivo não pode ser usado como está: renomeie o arquivo ou mova-o para um caminho mais curto.</translation>
    </message>
    <message>
        <source>The file no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>O arquivo não existe mais: ele pode ter sido movido, renomeado ou excluído. Escolha outro.</translation>
    </message>
    <message>
        <source>The disk could not be read: check that it is still connected and not damaged, then try again.</source>
        <translation>Não foi possível ler o disco: verifique se ele ainda está conectado e sem danos e tente novamente.</translation>
    </message>
    <message>
        <source>Too many files are open on this computer: close some programs and try again.</source>
        <translation>Há arquivos demais abertos neste computador: feche alguns programas e tente novamente.</translation>
    </message>
    <message>
        <source>The drive is not available: check that it is connected or inserted, then choose it again.</source>
        <translation>A unidade não está disponível: verifique se ela está conectada ou inserida e escolha-a novamente.</translation>
    </message>
    <message>
        <source>You may not open this folder: ask its owner for access, or choose another.</source>
        <translation>Você não tem permissão para abrir esta pasta: peça acesso ao dono dela ou escolha outra.</translation>
    </message>
    <message>
        <source>You may not read this file: ask its owner for access, or copy it to a place where you can.</source>
        <translation>Você não tem permissão para ler este arquivo: peça acesso ao dono dele ou copie-o para um lugar onde possa lê-lo.</translation>
    </message>
    <message>
        <source>The folder no longer exists: it may have been moved, renamed or deleted, so choose another.</source>
        <translation>A pasta não existe mais: ela pode ter sido movida, renomeada ou excluída. Escolha outra.</translation>
    </message>
    <message>
        <source>This is not a screen file but a device, a pipe or a socket: choose a file instead.</source>
        <translation>Isto não é um arquivo de tela, mas um dispositivo, um pipe ou um soquete: escolha um arquivo.</translation>
    </message>
    <message>
        <source>This is a folder, not a screen file: open it in the directory list instead.</source>
        <translation>Isto é uma pasta, não um arquivo de tela: abra-a na lista de pastas.</translation>
    </message>
    <message>
        <source>This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.</source>
        <translation>Este nome é um link que leva a si mesmo ou passa por links demais: escolha aquilo a que ele deveria levar.</translation>
    </message>
    <message>
        <source>The system is using this file and will not let it be read now: try again later, or choose another.</source>
        <translation>O sistema está usando este arquivo e não permite lê-lo agora: tente novamente mais tarde ou escolha outro.</translation>
    </message>
    <message>
        <source>The file changed while it was being opened: choose it again.</source>
        <translation>O arquivo mudou enquanto era aberto: escolha-o novamente.</translation>
    </message>
    <message>
        <source>The system will not open this for reading: choose another file.</source>
        <translation>O sistema não abre isto para leitura: escolha outro arquivo.</translation>
    </message>
    <message>
        <source>Something went wrong inside Tarnvel itself: please start it again.</source>
        <translation>Algo deu errado dentro do próprio Tarnvel: inicie-o novamente.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>No screen shown yet. Choose one in the navigator.</source>
        <translation>Nenhuma tela mostrada ainda. Escolha uma no navegador.</translation>
    </message>
    <message>
        <source>Choose a drive, a directory and a screen file to show.</source>
        <translation>Escolha uma unidade, uma pasta e o arquivo de tela a mostrar.</translation>
    </message>
    <message>
        <source>Being drawn: %1</source>
        <translation>Desenhando: %1</translation>
    </message>
    <message>
        <source>Shows %1</source>
        <translation>Mostrando: %1</translation>
    </message>
    <message>
        <source>Shows %1 as far as it could be read</source>
        <translation>Mostrando, até onde foi possível ler: %1</translation>
    </message>
</context>
<context>
    <name>platform::DirListBox</name>
    <message>
        <source>Directories</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>The path down to the current directory, then its subdirectories. Double-click a directory or press Enter to open it.</source>
        <translation>O caminho até a pasta atual e, abaixo, suas subpastas. Clique duas vezes em uma pasta ou pressione Enter para abri-la.</translation>
    </message>
</context>
<context>
    <name>platform::DirectoryChainModel</name>
    <message>
        <source>Level %1</source>
        <translation>Nível %1</translation>
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
        <translation>A unidade cujas pastas são listadas.</translation>
    </message>
</context>
<context>
    <name>platform::FileListBox</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>The files of the current directory. Choosing one shows it.</source>
        <translation>Os arquivos da pasta atual. O arquivo escolhido é mostrado na hora.</translation>
    </message>
</context>
</TS>
