<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation>Copiando…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation>Aguardando o dispositivo; não há mais nada a cancelar.</translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation>Copiando para “%1”</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmar substituição de arquivo</translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation>Confirmar criação de pasta</translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation>Atributos não mantidos</translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation>Erro ao gravar as cópias</translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation>Erro ao copiar o arquivo</translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation>Cópias não criadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Copies into a WebDAV Folder</source>
        <translation>Confirmar cópias numa pasta WebDAV</translation>
    </message>
    <message>
        <source>Make the copies there all the same?</source>
        <translation>Fazer as cópias lá mesmo assim?</translation>
    </message>
    <message>
        <source>Copies Waiting for Upload</source>
        <translation>Cópias aguardando envio</translation>
    </message>
    <message>
        <source>Changes Not Checked</source>
        <translation>Alterações não verificadas</translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation>Passo 1: selecione um arquivo para duplicar.</translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation>&amp;Escolher arquivo</translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation>Passo 2: digite o número de cópias a criar.</translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation>Passo 3: digite o número inicial a acrescentar a cada novo nome de arquivo.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefixo</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufixo</translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation>Passo 4: selecione uma pasta para as cópias. Deixe em branco para colocá-las na mesma pasta do arquivo original.</translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation>Escolher &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation>&amp;Duplicar arquivo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation>Selecione um arquivo para duplicar</translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation>Selecione uma pasta de destino</translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation>Erro: nenhum arquivo selecionado.</translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation>Erro: o caminho do arquivo é longo demais.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation>Erro: o número de cópias deve ser um número inteiro.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation>Erro: o número de cópias deve ser no máximo 32767.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation>Erro: o número de cópias deve ser maior que zero.</translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation>Erro: o número inicial deve ser um número inteiro.</translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation>Erro: o número inicial deve ser no máximo 32767.</translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation>Erro: o número inicial deve ser maior que zero.</translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation>Erro: o número inicial mais o número de cópias não pode passar de 32767.</translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation>Copiando para: </translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation>Arquivo para duplicar</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de cópias</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation>Pasta para as cópias</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>“%1” não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation>“%1” é uma pasta. O Ferrowick duplica um único arquivo: escolha um arquivo.</translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation>O Ferrowick duplica um arquivo por vez. Escolha um único arquivo.</translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation>Aqui só é possível soltar um arquivo ou uma pasta deste computador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names the device %2, not a file: Windows reads such a name as the device itself. Rename the file to copy it.</source>
        <translation>“%1” designa o dispositivo %2, não um arquivo: o Windows lê esse nome como o próprio dispositivo. Renomeie o arquivo para copiá-lo.</translation>
    </message>
    <message>
        <source>The item you chose is not a folder on a disk. Choose a folder.</source>
        <translation>O item escolhido não é uma pasta em um disco. Escolha uma pasta.</translation>
    </message>
    <message>
        <source>Ferrowick.exe [FILE]

Opens the Ferrowick window, with FILE as the file to duplicate where one is given.

--help, /?	Shows this.</source>
        <translation>Ferrowick.exe [ARQUIVO]

Abre a janela do Ferrowick, com ARQUIVO como o arquivo a duplicar, se for informado.

--help, /?	Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Ferrowick.exe does not know the option &quot;%1&quot;. Ferrowick.exe --help says what it takes.</source>
        <translation>O Ferrowick.exe não conhece a opção “%1”. Ferrowick.exe --help diz o que ele aceita.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds bytes that are not UTF-8 text, and such a name cannot pass through the window&apos;s boxes. Rename it, or make the copies on the command line: ferrowick --copies N FILE.</source>
        <translation>“%1” contém bytes que não são texto UTF-8, e um nome assim não pode passar pelos campos da janela. Renomeie-o ou faça as cópias na linha de comando: ferrowick --copies N ARQUIVO.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2, in &quot;%3&quot;.</source>
        <translation>Concluído. Cópias feitas: %1 de %2, em “%3”.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2; not made: %3.</source>
        <translation>Concluído. Cópias feitas: %1 de %2; não feitas: %3.</translation>
    </message>
    <message>
        <source>Stopped. Copies made: %1 of %2.</source>
        <translation>Interrompido. Cópias feitas: %1 de %2.</translation>
    </message>
    <message>
        <source>Copies made: %1 of %2.</source>
        <translation>Cópias feitas: %1 de %2.</translation>
    </message>
    <message>
        <source>Digits, 1 to 32767.</source>
        <translation>Dígitos, de 1 a 32767.</translation>
    </message>
</context>
<context>
    <name>ferrowick::ShellCopy</name>
    <message>
        <source>its name is that of the device %1, which Windows would have written to instead.</source>
        <translation>seu nome é o do dispositivo %1, no qual o Windows teria gravado em vez disso.</translation>
    </message>
    <message>
        <source>a folder has its name.</source>
        <translation>uma pasta tem o seu nome.</translation>
    </message>
    <message>
        <source>there is not enough room on the drive.</source>
        <translation>não há espaço suficiente na unidade.</translation>
    </message>
    <message>
        <source>the drive&apos;s file system takes no file this large.</source>
        <translation>o sistema de arquivos da unidade não aceita um arquivo tão grande.</translation>
    </message>
    <message>
        <source>the drive is write-protected.</source>
        <translation>a unidade está protegida contra gravação.</translation>
    </message>
    <message>
        <source>writing there was refused: the drive or the folder is read-only, or not yours to write to.</source>
        <translation>a gravação foi recusada: a unidade ou a pasta é somente leitura, ou você não tem permissão para gravar nela.</translation>
    </message>
    <message>
        <source>the source file is no longer there.</source>
        <translation>o arquivo de origem não existe mais.</translation>
    </message>
    <message>
        <source>another program is using the file.</source>
        <translation>outro programa está usando o arquivo.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>ela foi cancelada.</translation>
    </message>
    <message>
        <source>it is not there after the copy.</source>
        <translation>ela não está lá depois da cópia.</translation>
    </message>
    <message>
        <source>it holds %1 of %2 bytes.</source>
        <translation>ela contém %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>the Windows shell reported error %1.</source>
        <translation>o shell do Windows informou o erro %1.</translation>
    </message>
    <message>
        <source>The unfinished copy was removed.</source>
        <translation>A cópia incompleta foi removida.</translation>
    </message>
    <message>
        <source>The unfinished copy could not be removed: delete it by hand.</source>
        <translation>Não foi possível remover a cópia incompleta: apague-a manualmente.</translation>
    </message>
    <message>
        <source>The file that was already there is left as it is.</source>
        <translation>O arquivo que já estava lá fica como está.</translation>
    </message>
    <message>
        <source>Not made: %1</source>
        <translation>Não criada: %1</translation>
    </message>
    <message>
        <source>One copy was not made:</source>
        <translation>Uma cópia não foi criada:</translation>
    </message>
    <message>
        <source>%1 copies were not made:</source>
        <translation>%1 cópias não foram criadas:</translation>
    </message>
    <message>
        <source>its folder does not exist.</source>
        <translation>a sua pasta não existe.</translation>
    </message>
    <message>
        <source>a file took its name while the copy was being made, and is left as it is.</source>
        <translation>um arquivo tomou o seu nome enquanto a cópia era feita, e fica como está.</translation>
    </message>
    <message>
        <source>the run was stopped while it was being made.</source>
        <translation>a execução foi interrompida enquanto ela era feita.</translation>
    </message>
    <message>
        <source>Windows said: %1 (error %2).</source>
        <translation>O Windows informou: %1 (erro %2).</translation>
    </message>
    <message>
        <source>another program is using &quot;%1&quot;.</source>
        <translation>outro programa está usando “%1”.</translation>
    </message>
</context>
<context>
    <name>ferrowick::StatusBox</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>ferrowick::Terminal</name>
    <message>
        <source>Makes numbered copies of one file.

With no option but FILE, opens the window with FILE chosen. With --copies and --start,
makes the copies without a window: one &quot;Copying to:&quot; line per copy on stdout;
questions on the terminal, or answered by --yes or --no. Exit status: 0 when every
copy was made, 1 when some were not, 2 for bad input, 130 or 143 when interrupted.</source>
        <translation>Cria cópias numeradas de um arquivo.

Só com ARQUIVO, abre a janela com ARQUIVO escolhido. Com --copies e --start,
cria as cópias sem janela: uma linha “Copiando para:” por cópia na saída padrão;
as perguntas são feitas no terminal, ou respondidas por --yes ou --no. Status de saída: 0 se
todas as cópias foram criadas, 1 se não, 2 para entrada inválida, 130 ou 143 se interrompido.</translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation>Cria N cópias (de 1 a 32767).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Number the copies from S, 1 when left out (start + copies at most 32767).</source>
        <translation>Numera as cópias a partir de S, de 1 se omitido (início + cópias no máximo 32767).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation>Coloca o número depois do nome, não antes.</translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation>Coloca as cópias em PASTA, não ao lado de ARQUIVO.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>PASTA</translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation>Substitui arquivos existentes e cria as pastas que faltam sem perguntar.</translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation>Mantém arquivos existentes e não cria pastas, sem perguntar.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation>O arquivo a copiar.</translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation>Tente “ferrowick --help”.</translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation>indique um único arquivo para copiar</translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation>--yes ou --no, não ambos</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation>não substituído: “%1” já existe</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation>não substituído: “%1” já existe (--yes o substitui)</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation>não criada: a pasta “%1” não existe</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation>não criada: a pasta “%1” não existe (--yes a cria)</translation>
    </message>
    <message>
        <source>no copy made: %1 (--yes makes them there all the same)</source>
        <translation>nenhuma cópia criada: %1 (--yes as cria lá mesmo assim)</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] FILE</source>
        <translation>Uso: %1 [opções] ARQUIVO</translation>
    </message>
    <message>
        <source>Makes numbered copies of one file, without a window: one &quot;Copying to:&quot; line per
copy on stdout; questions on the console, or answered by --yes or --no. Exit
status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130
when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows
every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.</source>
        <translation>Cria cópias numeradas de um arquivo, sem janela: uma linha “Copiando para:” por cópia na
saída padrão; as perguntas são feitas no console, ou respondidas por --yes ou --no. Status
de saída: 0 se todas as cópias foram criadas, 1 se não, 2 para entrada inválida, 130 se
Ctrl+C ou Ctrl+Break o interrompeu. Para um console escreve UTF-16, que mostra todo
caractere; para um arquivo ou pipe, UTF-8. Ferrowick.exe abre a janela.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>From cmd, twelve copies numbered 01 to 12 behind the name:
  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made
From PowerShell, into a folder of their own, made if missing:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Not every copy was made&quot; }</source>
        <translation>Pelo cmd, doze cópias numeradas de 01 a 12 depois do nome:
  ferrowick --copies 12 --suffix template.xlsx || echo Nem todas as cópias foram criadas
Pelo PowerShell, numa pasta própria, criada se faltar:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Nem todas as cópias foram criadas&quot; }</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation>%1 bytes, modificado em %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>The drive cannot store a character of this name: its file system takes only the characters of its own character set. Choose another name or folder.</source>
        <translation>A unidade não consegue gravar um caractere deste nome: o sistema de arquivos dela só aceita os caracteres do próprio conjunto de caracteres. Escolha outro nome ou outra pasta.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>A pasta compartilhada não permite o caractere %1 no nome “%2”.</translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>A unidade não permite o caractere %1 no nome “%2”.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>A pasta compartilhada não permite o nome “%1”: ele termina com um ponto ou um espaço.</translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>A unidade não permite o nome “%1”: ele termina com um ponto ou um espaço.</translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation>Compartilhamentos do Windows leem \ como separador de pastas e proíbem &quot; * : &lt; &gt; ? | em nomes, assim como um ponto ou um espaço no final.</translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation>Unidades FAT, exFAT e NTFS proíbem &quot; * : &lt; &gt; ? \ | em nomes, assim como um ponto ou um espaço no final.</translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation>Escolha outro nome ou outra pasta.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>um pipe nomeado (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>um dispositivo de caractere</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>um dispositivo de bloco</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>um arquivo especial</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation>“%1” é %2, não um arquivo comum. Só é possível copiar arquivos comuns.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation>“%1” já existe.
%2

Substituí-lo por “%3”?
%4</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation>A pasta “%1” não existe.

Deseja criá-la?</translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation>O nome contém caracteres que não são texto UTF-8, e um nome assim não pode passar pelas caixas de texto deste programa. Renomeie o arquivo ou a pasta e tente novamente.</translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation>O servidor aceitou a cópia, mas a pasta dela não a mostra com este nome (%1). Ela pode ter sido salva com outro nome ou em outra pasta.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation>Não foi possível remover a cópia incompleta “%1”: apague-a manualmente.</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation>As cópias foram criadas, mas a unidade delas não manteve estes atributos estendidos do original:

%1</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation>As cópias em “%1” podem não estar no dispositivo: ele não as aceitou.

%2</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation>Não é possível copiar “%1” para “%2”.

%3: %4</translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation>Mais uma cópia não foi criada:</translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation>Mais %1 cópias não foram criadas:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… e mais %1.</translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation>Gravando as cópias no dispositivo…</translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation>%1 de %2 cópias criadas</translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation>Cópia %1 de %2: %3 de %4</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, faltam %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sim para &amp;todos</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation>Não para t&amp;odos</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation>Não para &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation>Ignorar &amp;todos</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>The folder or its server can no longer be reached (%1).</source>
        <translation>A pasta ou o servidor dela não pode mais ser acessado (%1).</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep the source&apos;s modification time (%1).</source>
        <translation>As cópias foram criadas, mas a unidade delas não manteve a data de modificação do original (%1).</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: they could not be written out to it.

%2</source>
        <translation>As cópias em “%1” não estão confirmadas no dispositivo: não foi possível gravá-las nele.

%2</translation>
    </message>
    <message>
        <source>It changed while it was copied, so the copy was not kept. Copy it again once nothing writes to it.</source>
        <translation>Ele mudou enquanto era copiado, então a cópia não foi mantida. Copie-o de novo quando nada mais gravar nele.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a WebDAV folder of GNOME&apos;s, and such folders stop answering after about 30 renamed files: the %2 copies, each renamed into place, and every program using the folder would wait until you log out. Make the copies in a local folder and move them in one go, or mount the folder with davfs2 or rclone.</source>
        <translation>“%1” é uma pasta WebDAV do GNOME, e essas pastas param de responder depois de uns 30 arquivos renomeados: as %2 cópias, cada uma renomeada para o seu lugar, e todo programa que usa a pasta ficariam esperando até você encerrar a sessão. Faça as cópias numa pasta local e mova-as de uma vez, ou monte a pasta com davfs2 ou rclone.</translation>
    </message>
    <message>
        <source>all of them, which could not be read</source>
        <translation>todos, pois não puderam ser lidos</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are made, but %2 keeps them on this computer and uploads them to the server later: they are not on the server yet. Should the server be away, they go there once it is back.</source>
        <translation>As cópias em “%1” estão feitas, mas o %2 as mantém neste computador e as envia ao servidor mais tarde: ainda não estão lá. Se o servidor estiver fora, elas irão quando ele voltar.</translation>
    </message>
    <message>
        <source>The copies of &quot;%1&quot; were made, but whether it changed while it was copied could not be checked: %2 moves a file&apos;s times on its own, so that only a change of its size shows. If something was writing to it, copy it again.</source>
        <translation>As cópias de “%1” foram feitas, mas não foi possível verificar se ele mudou enquanto era copiado: o %2 altera as datas de um arquivo por conta própria, de modo que só uma mudança de tamanho aparece. Se algo estava gravando nele, copie-o de novo.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes its drive takes in a name.</source>
        <translation>seu nome passa dos %1 bytes que a unidade aceita em um nome.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 characters its drive takes in a name.</source>
        <translation>seu nome passa dos %1 caracteres que a unidade aceita em um nome.</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: none of them could be held open to write them out.</source>
        <translation>As cópias em “%1” não estão confirmadas no dispositivo: nenhuma pôde ser mantida aberta para gravá-las nele.</translation>
    </message>
</context>
</TS>
