<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation>Copia in corso…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation>In attesa del dispositivo; non resta nulla da annullare.</translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation>Copia in «%1»</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Conferma sostituzione file</translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation>Conferma creazione cartella</translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation>Attributi non conservati</translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation>Errore nella scrittura delle copie</translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation>Errore nella copia del file</translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation>Copie non create</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Copies into a WebDAV Folder</source>
        <translation>Conferma copie in una cartella WebDAV</translation>
    </message>
    <message>
        <source>Make the copies there all the same?</source>
        <translation>Fare comunque lì le copie?</translation>
    </message>
    <message>
        <source>Copies Waiting for Upload</source>
        <translation>Copie in attesa di caricamento</translation>
    </message>
    <message>
        <source>Changes Not Checked</source>
        <translation>Modifiche non verificate</translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation>Passo 1: selezionare un file da duplicare.</translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation>&amp;Scegli un file</translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation>Passo 2: inserire il numero di copie da creare.</translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation>Passo 3: inserire il numero iniziale da aggiungere a ogni nuovo nome di file.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefisso</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffisso</translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation>Passo 4: selezionare una cartella per le copie. Lasciare vuoto per metterle nella stessa cartella del file originale.</translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation>Scegli una &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation>&amp;Duplica file</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation>Seleziona un file da duplicare</translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation>Seleziona una cartella di destinazione</translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation>Errore: nessun file selezionato.</translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation>Errore: il percorso del file è troppo lungo.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation>Errore: il numero di copie deve essere un numero intero.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation>Errore: il numero di copie non può superare 32767.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation>Errore: il numero di copie deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation>Errore: il numero iniziale deve essere un numero intero.</translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation>Errore: il numero iniziale non può superare 32767.</translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation>Errore: il numero iniziale deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation>Errore: il numero iniziale più il numero di copie non può superare 32767.</translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation>Copia in: </translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation>File da duplicare</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Numero di copie</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>Numero iniziale</translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation>Cartella per le copie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» non esiste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation>«%1» è una cartella. Ferrowick duplica un solo file: sceglierne uno.</translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation>Ferrowick duplica un solo file alla volta. Sceglierne uno solo.</translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation>Qui si può rilasciare solo un file o una cartella di questo computer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names the device %2, not a file: Windows reads such a name as the device itself. Rename the file to copy it.</source>
        <translation>«%1» indica il dispositivo %2, non un file: Windows legge un nome simile come il dispositivo stesso. Rinominare il file per copiarlo.</translation>
    </message>
    <message>
        <source>The item you chose is not a folder on a disk. Choose a folder.</source>
        <translation>L’elemento scelto non è una cartella su un disco. Scegliere una cartella.</translation>
    </message>
    <message>
        <source>Ferrowick.exe [FILE]

Opens the Ferrowick window, with FILE as the file to duplicate where one is given.

--help, /?	Shows this.</source>
        <translation>Ferrowick.exe [FILE]

Apre la finestra di Ferrowick, con FILE come file da duplicare se indicato.

--help, /?	Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Ferrowick.exe does not know the option &quot;%1&quot;. Ferrowick.exe --help says what it takes.</source>
        <translation>Ferrowick.exe non conosce l’opzione «%1». Ferrowick.exe --help indica cosa accetta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds bytes that are not UTF-8 text, and such a name cannot pass through the window&apos;s boxes. Rename it, or make the copies on the command line: ferrowick --copies N FILE.</source>
        <translation>«%1» contiene byte che non sono testo UTF-8, e un nome simile non può passare per i campi della finestra. Rinominarlo, oppure fare le copie dalla riga di comando: ferrowick --copies N FILE.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2, in &quot;%3&quot;.</source>
        <translation>Fatto. Copie create: %1 di %2, in «%3».</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2; not made: %3.</source>
        <translation>Fatto. Copie create: %1 di %2; non create: %3.</translation>
    </message>
    <message>
        <source>Stopped. Copies made: %1 of %2.</source>
        <translation>Interrotto. Copie create: %1 di %2.</translation>
    </message>
    <message>
        <source>Copies made: %1 of %2.</source>
        <translation>Copie create: %1 di %2.</translation>
    </message>
    <message>
        <source>Digits, 1 to 32767.</source>
        <translation>Cifre, da 1 a 32767.</translation>
    </message>
</context>
<context>
    <name>ferrowick::ShellCopy</name>
    <message>
        <source>its name is that of the device %1, which Windows would have written to instead.</source>
        <translation>il suo nome è quello del dispositivo %1, su cui Windows avrebbe scritto invece.</translation>
    </message>
    <message>
        <source>a folder has its name.</source>
        <translation>una cartella ha il suo nome.</translation>
    </message>
    <message>
        <source>there is not enough room on the drive.</source>
        <translation>sull’unità non c’è spazio sufficiente.</translation>
    </message>
    <message>
        <source>the drive&apos;s file system takes no file this large.</source>
        <translation>il file system dell’unità non accetta file così grandi.</translation>
    </message>
    <message>
        <source>the drive is write-protected.</source>
        <translation>l’unità è protetta da scrittura.</translation>
    </message>
    <message>
        <source>writing there was refused: the drive or the folder is read-only, or not yours to write to.</source>
        <translation>la scrittura è stata rifiutata: l’unità o la cartella sono di sola lettura, oppure non si ha il permesso di scriverci.</translation>
    </message>
    <message>
        <source>the source file is no longer there.</source>
        <translation>il file di origine non esiste più.</translation>
    </message>
    <message>
        <source>another program is using the file.</source>
        <translation>un altro programma sta usando il file.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>è stata annullata.</translation>
    </message>
    <message>
        <source>it is not there after the copy.</source>
        <translation>dopo la copia non c’è.</translation>
    </message>
    <message>
        <source>it holds %1 of %2 bytes.</source>
        <translation>contiene %1 byte su %2.</translation>
    </message>
    <message>
        <source>the Windows shell reported error %1.</source>
        <translation>la shell di Windows ha segnalato l’errore %1.</translation>
    </message>
    <message>
        <source>The unfinished copy was removed.</source>
        <translation>La copia incompleta è stata rimossa.</translation>
    </message>
    <message>
        <source>The unfinished copy could not be removed: delete it by hand.</source>
        <translation>Non è stato possibile rimuovere la copia incompleta: eliminarla a mano.</translation>
    </message>
    <message>
        <source>The file that was already there is left as it is.</source>
        <translation>Il file che c’era già resta com’è.</translation>
    </message>
    <message>
        <source>Not made: %1</source>
        <translation>Non creata: %1</translation>
    </message>
    <message>
        <source>One copy was not made:</source>
        <translation>Una copia non è stata creata:</translation>
    </message>
    <message>
        <source>%1 copies were not made:</source>
        <translation>%1 copie non sono state create:</translation>
    </message>
    <message>
        <source>its folder does not exist.</source>
        <translation>la sua cartella non esiste.</translation>
    </message>
    <message>
        <source>a file took its name while the copy was being made, and is left as it is.</source>
        <translation>un file ha preso il suo nome mentre la copia veniva creata, e resta com’è.</translation>
    </message>
    <message>
        <source>the run was stopped while it was being made.</source>
        <translation>l’esecuzione è stata fermata mentre veniva creata.</translation>
    </message>
    <message>
        <source>Windows said: %1 (error %2).</source>
        <translation>Windows ha risposto: %1 (errore %2).</translation>
    </message>
    <message>
        <source>another program is using &quot;%1&quot;.</source>
        <translation>un altro programma sta usando «%1».</translation>
    </message>
</context>
<context>
    <name>ferrowick::StatusBox</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
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
        <translation>Crea copie numerate di un file.

Con il solo FILE, apre la finestra con FILE già scelto. Con --copies e --start
crea le copie senza finestra: una riga «Copia in:» per copia sullo standard output;
le domande arrivano nel terminale, o le risolvono --yes o --no. Stato di uscita: 0 se tutte
le copie sono state create, 1 se no, 2 per dati non validi, 130 o 143 se interrotto.</translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation>Crea N copie (da 1 a 32767).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Number the copies from S, 1 when left out (start + copies at most 32767).</source>
        <translation>Numera le copie a partire da S, da 1 se omesso (inizio + copie al massimo 32767).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation>Mette il numero dopo il nome, non davanti.</translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation>Mette le copie in CARTELLA, non accanto a FILE.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARTELLA</translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation>Sostituisce i file esistenti e crea le cartelle mancanti senza chiedere.</translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation>Mantiene i file esistenti e non crea cartelle, senza chiedere.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation>Il file da copiare.</translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation>Provare «ferrowick --help».</translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation>indicare un solo file da copiare</translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation>--yes o --no, non entrambi</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation>non sostituito: «%1» esiste</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation>non sostituito: «%1» esiste (--yes lo sostituisce)</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation>non creata: la cartella «%1» non esiste</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation>non creata: la cartella «%1» non esiste (--yes la crea)</translation>
    </message>
    <message>
        <source>no copy made: %1 (--yes makes them there all the same)</source>
        <translation>nessuna copia creata: %1 (--yes le crea comunque lì)</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questa guida.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] FILE</source>
        <translation>Uso: %1 [opzioni] FILE</translation>
    </message>
    <message>
        <source>Makes numbered copies of one file, without a window: one &quot;Copying to:&quot; line per
copy on stdout; questions on the console, or answered by --yes or --no. Exit
status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130
when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows
every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.</source>
        <translation>Crea copie numerate di un file, senza finestra: una riga «Copia in:» per copia sullo
standard output; le domande arrivano nella console, o le risolvono --yes o --no. Stato di
uscita: 0 se tutte le copie sono state create, 1 se no, 2 per dati non validi, 130 se Ctrl+C
o Ctrl+Interr lo ha fermato. Su una console scrive UTF-16, che mostra ogni carattere; su un
file o una pipe, UTF-8. Ferrowick.exe apre la finestra.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>From cmd, twelve copies numbered 01 to 12 behind the name:
  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made
From PowerShell, into a folder of their own, made if missing:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Not every copy was made&quot; }</source>
        <translation>Da cmd, dodici copie numerate da 01 a 12 dopo il nome:
  ferrowick --copies 12 --suffix template.xlsx || echo Non tutte le copie sono state create
Da PowerShell, in una cartella loro, creata se manca:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Non tutte le copie sono state create&quot; }</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valore dopo «%1».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation>%1 byte, modificato il %2</translation>
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
        <translation>L&apos;unità non può memorizzare un carattere di questo nome: il suo file system accetta solo i caratteri del proprio set di caratteri. Scegliere un altro nome o un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>La cartella condivisa non ammette il carattere %1 nel nome «%2».</translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>L&apos;unità non ammette il carattere %1 nel nome «%2».</translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>La cartella condivisa non ammette il nome «%1»: termina con un punto o uno spazio.</translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>L&apos;unità non ammette il nome «%1»: termina con un punto o uno spazio.</translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation>Le condivisioni Windows leggono \ come separatore di cartelle e vietano &quot; * : &lt; &gt; ? | nei nomi, oltre a un punto o uno spazio finale.</translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation>Le unità FAT, exFAT e NTFS vietano &quot; * : &lt; &gt; ? \ | nei nomi, oltre a un punto o uno spazio finale.</translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation>Scegliere un altro nome o un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una pipe con nome (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation>«%1» è %2, non un file regolare. Si possono copiare solo file regolari.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation>«%1» esiste già.
%2

Sostituirlo con «%3»?
%4</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation>La cartella «%1» non esiste.

Crearla?</translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation>Il nome contiene caratteri che non sono testo UTF-8, e un nome simile non può passare per le caselle di testo di questo programma. Rinominare il file o la cartella e riprovare.</translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation>Il server ha accettato la copia, ma la sua cartella non la mostra con questo nome (%1). Potrebbe essere stata salvata con un altro nome o in un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation>Impossibile rimuovere la copia incompleta «%1»: eliminarla a mano.</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation>Le copie sono state create, ma la loro unità non ha conservato questi attributi estesi dell&apos;originale:

%1</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation>Le copie in «%1» potrebbero non essere sul dispositivo: non le ha accettate.

%2</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation>Impossibile copiare «%1» in «%2».

%3: %4</translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation>Un&apos;altra copia non è stata creata:</translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation>Altre %1 copie non sono state create:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… e altre %1.</translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation>Scrittura delle copie sul dispositivo…</translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation>%1 copie create su %2</translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation>Copia %1 di %2: %3 di %4</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, mancano %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sì a &amp;tutti</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation>No a t&amp;utti</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation>No a &amp;tutti</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Salta</translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation>Salta &amp;tutti</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>The folder or its server can no longer be reached (%1).</source>
        <translation>La cartella o il suo server non è più raggiungibile (%1).</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep the source&apos;s modification time (%1).</source>
        <translation>Le copie sono state create, ma la loro unità non ha conservato la data di modifica dell&apos;originale (%1).</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: they could not be written out to it.

%2</source>
        <translation>Le copie in «%1» non sono confermate sul dispositivo: non è stato possibile scriverle su di esso.

%2</translation>
    </message>
    <message>
        <source>It changed while it was copied, so the copy was not kept. Copy it again once nothing writes to it.</source>
        <translation>È cambiato durante la copia, quindi la copia non è stata tenuta. Copiarlo di nuovo quando nulla vi scrive più.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a WebDAV folder of GNOME&apos;s, and such folders stop answering after about 30 renamed files: the %2 copies, each renamed into place, and every program using the folder would wait until you log out. Make the copies in a local folder and move them in one go, or mount the folder with davfs2 or rclone.</source>
        <translation>«%1» è una cartella WebDAV di GNOME, e queste cartelle smettono di rispondere dopo circa 30 file rinominati: le %2 copie, ciascuna rinominata al suo posto, e ogni programma che usa la cartella resterebbero in attesa fino alla disconnessione. Fare le copie in una cartella locale e spostarle in una volta, oppure montare la cartella con davfs2 o rclone.</translation>
    </message>
    <message>
        <source>all of them, which could not be read</source>
        <translation>tutti, perché non è stato possibile leggerli</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are made, but %2 keeps them on this computer and uploads them to the server later: they are not on the server yet. Should the server be away, they go there once it is back.</source>
        <translation>Le copie in «%1» sono fatte, ma %2 le tiene su questo computer e le carica sul server più tardi: non sono ancora sul server. Se il server non c’è, ci andranno quando tornerà.</translation>
    </message>
    <message>
        <source>The copies of &quot;%1&quot; were made, but whether it changed while it was copied could not be checked: %2 moves a file&apos;s times on its own, so that only a change of its size shows. If something was writing to it, copy it again.</source>
        <translation>Le copie di «%1» sono state create, ma non è stato possibile verificare se è cambiato durante la copia: %2 cambia da sé le date di un file, così che si nota solo un cambiamento della sua dimensione. Se qualcosa vi stava scrivendo, copialo di nuovo.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes its drive takes in a name.</source>
        <translation>il suo nome supera i %1 byte che la sua unità accetta in un nome.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 characters its drive takes in a name.</source>
        <translation>il suo nome supera i %1 caratteri che la sua unità accetta in un nome.</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: none of them could be held open to write them out.</source>
        <translation>Le copie in «%1» non sono confermate sul dispositivo: nessuna ha potuto restare aperta per scriverle.</translation>
    </message>
</context>
</TS>
