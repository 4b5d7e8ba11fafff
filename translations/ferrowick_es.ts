<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation>Copiando…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation>Esperando al dispositivo; ya no queda nada que cancelar.</translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation>Copiando en «%1»</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmar reemplazo de archivo</translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation>Confirmar creación de carpeta</translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation>Atributos no conservados</translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation>Error al escribir las copias</translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation>Error al copiar el archivo</translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation>Copias no creadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Confirm Copies into a WebDAV Folder</source>
        <translation>Confirmar copias en una carpeta WebDAV</translation>
    </message>
    <message>
        <source>Make the copies there all the same?</source>
        <translation>¿Hacer las copias allí de todos modos?</translation>
    </message>
    <message>
        <source>Copies Waiting for Upload</source>
        <translation>Copias pendientes de subir</translation>
    </message>
    <message>
        <source>Changes Not Checked</source>
        <translation>Cambios no comprobados</translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation>Paso 1: seleccione un archivo para duplicar.</translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation>&amp;Elegir archivo</translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation>Paso 2: introduzca el número de copias que desea crear.</translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation>Paso 3: introduzca el número inicial que se añadirá a cada nombre nuevo.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Sufijo</translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation>Paso 4: seleccione una carpeta para las copias. Déjelo en blanco para ponerlas en la misma carpeta que el archivo original.</translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation>Elegir &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation>&amp;Duplicar archivo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation>Seleccione un archivo para duplicar</translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation>Seleccione una carpeta de destino</translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation>Error: no se ha seleccionado ningún archivo.</translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation>Error: la ruta del archivo es demasiado larga.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation>Error: el número de copias debe ser un número entero.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation>Error: el número de copias no puede ser mayor que 32767.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation>Error: el número de copias debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation>Error: el número inicial debe ser un número entero.</translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation>Error: el número inicial no puede ser mayor que 32767.</translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation>Error: el número inicial debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation>Error: el número inicial más el número de copias no puede superar 32767.</translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation>Copiando en: </translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation>Archivo para duplicar</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de copias</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>Número inicial</translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation>Carpeta para las copias</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation>«%1» es una carpeta. Ferrowick duplica un solo archivo: elija un archivo.</translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation>Ferrowick duplica un solo archivo cada vez. Elija un único archivo.</translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation>Aquí solo se puede soltar un archivo o una carpeta de este equipo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names the device %2, not a file: Windows reads such a name as the device itself. Rename the file to copy it.</source>
        <translation>«%1» designa el dispositivo %2, no un archivo: Windows lee ese nombre como el propio dispositivo. Cambie el nombre del archivo para copiarlo.</translation>
    </message>
    <message>
        <source>The item you chose is not a folder on a disk. Choose a folder.</source>
        <translation>El elemento elegido no es una carpeta de un disco. Elija una carpeta.</translation>
    </message>
    <message>
        <source>Ferrowick.exe [FILE]

Opens the Ferrowick window, with FILE as the file to duplicate where one is given.

--help, /?	Shows this.</source>
        <translation>Ferrowick.exe [ARCHIVO]

Abre la ventana de Ferrowick, con ARCHIVO como archivo que duplicar si se indica.

--help, /?	Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Ferrowick.exe does not know the option &quot;%1&quot;. Ferrowick.exe --help says what it takes.</source>
        <translation>Ferrowick.exe no conoce la opción «%1». Ferrowick.exe --help indica lo que admite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds bytes that are not UTF-8 text, and such a name cannot pass through the window&apos;s boxes. Rename it, or make the copies on the command line: ferrowick --copies N FILE.</source>
        <translation>«%1» contiene bytes que no son texto UTF-8, y un nombre así no puede pasar por los campos de la ventana. Cámbielo de nombre o haga las copias en la línea de órdenes: ferrowick --copies N ARCHIVO.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2, in &quot;%3&quot;.</source>
        <translation>Listo. Copias hechas: %1 de %2, en «%3».</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2; not made: %3.</source>
        <translation>Listo. Copias hechas: %1 de %2; no hechas: %3.</translation>
    </message>
    <message>
        <source>Stopped. Copies made: %1 of %2.</source>
        <translation>Detenido. Copias hechas: %1 de %2.</translation>
    </message>
    <message>
        <source>Copies made: %1 of %2.</source>
        <translation>Copias hechas: %1 de %2.</translation>
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
        <translation>su nombre es el del dispositivo %1, en el que Windows habría escrito en su lugar.</translation>
    </message>
    <message>
        <source>a folder has its name.</source>
        <translation>una carpeta tiene su nombre.</translation>
    </message>
    <message>
        <source>there is not enough room on the drive.</source>
        <translation>no hay espacio suficiente en la unidad.</translation>
    </message>
    <message>
        <source>the drive&apos;s file system takes no file this large.</source>
        <translation>el sistema de archivos de la unidad no admite un archivo tan grande.</translation>
    </message>
    <message>
        <source>the drive is write-protected.</source>
        <translation>la unidad está protegida contra escritura.</translation>
    </message>
    <message>
        <source>writing there was refused: the drive or the folder is read-only, or not yours to write to.</source>
        <translation>se denegó la escritura: la unidad o la carpeta son de solo lectura, o no tiene permiso para escribir en ellas.</translation>
    </message>
    <message>
        <source>the source file is no longer there.</source>
        <translation>el archivo de origen ya no existe.</translation>
    </message>
    <message>
        <source>another program is using the file.</source>
        <translation>otro programa está usando el archivo.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>se canceló.</translation>
    </message>
    <message>
        <source>it is not there after the copy.</source>
        <translation>no está tras la copia.</translation>
    </message>
    <message>
        <source>it holds %1 of %2 bytes.</source>
        <translation>contiene %1 de %2 bytes.</translation>
    </message>
    <message>
        <source>the Windows shell reported error %1.</source>
        <translation>el shell de Windows informó del error %1.</translation>
    </message>
    <message>
        <source>The unfinished copy was removed.</source>
        <translation>Se eliminó la copia sin terminar.</translation>
    </message>
    <message>
        <source>The unfinished copy could not be removed: delete it by hand.</source>
        <translation>No se pudo eliminar la copia sin terminar: bórrela a mano.</translation>
    </message>
    <message>
        <source>The file that was already there is left as it is.</source>
        <translation>El archivo que ya estaba se deja como está.</translation>
    </message>
    <message>
        <source>Not made: %1</source>
        <translation>No creada: %1</translation>
    </message>
    <message>
        <source>One copy was not made:</source>
        <translation>Una copia no se creó:</translation>
    </message>
    <message>
        <source>%1 copies were not made:</source>
        <translation>%1 copias no se crearon:</translation>
    </message>
    <message>
        <source>its folder does not exist.</source>
        <translation>su carpeta no existe.</translation>
    </message>
    <message>
        <source>a file took its name while the copy was being made, and is left as it is.</source>
        <translation>un archivo tomó su nombre mientras se hacía la copia, y se deja como está.</translation>
    </message>
    <message>
        <source>the run was stopped while it was being made.</source>
        <translation>la ejecución se detuvo mientras se hacía.</translation>
    </message>
    <message>
        <source>Windows said: %1 (error %2).</source>
        <translation>Windows indicó: %1 (error %2).</translation>
    </message>
    <message>
        <source>another program is using &quot;%1&quot;.</source>
        <translation>otro programa está usando «%1».</translation>
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
        <translation>Seleccionar &amp;todo</translation>
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
        <translation>Crea copias numeradas de un archivo.

Solo con ARCHIVO, abre la ventana con ARCHIVO elegido. Con --copies y --start,
crea las copias sin ventana: una línea «Copiando en:» por copia en la salida estándar;
las preguntas se hacen en la terminal, o las responde --yes o --no. Estado de salida: 0 si
se crearon todas las copias, 1 si no, 2 si la entrada no es válida, 130 o 143 si se interrumpe.</translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation>Crear N copias (de 1 a 32767).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Number the copies from S, 1 when left out (start + copies at most 32767).</source>
        <translation>Numerar las copias desde S, desde 1 si se omite (inicio + copias como máximo 32767).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation>Poner el número detrás del nombre, no delante.</translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation>Poner las copias en CARPETA, no junto a ARCHIVO.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation>Reemplazar los archivos existentes y crear las carpetas que falten sin preguntar.</translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation>Conservar los archivos existentes y no crear ninguna carpeta, sin preguntar.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation>El archivo que se va a copiar.</translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation>Pruebe «ferrowick --help».</translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation>indique un solo archivo para copiar</translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation>--yes o --no, no ambos</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation>no reemplazado: «%1» ya existe</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation>no reemplazado: «%1» ya existe (--yes lo reemplaza)</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation>no creada: la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation>no creada: la carpeta «%1» no existe (--yes la crea)</translation>
    </message>
    <message>
        <source>no copy made: %1 (--yes makes them there all the same)</source>
        <translation>ninguna copia creada: %1 (--yes las crea allí de todos modos)</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] FILE</source>
        <translation>Uso: %1 [opciones] ARCHIVO</translation>
    </message>
    <message>
        <source>Makes numbered copies of one file, without a window: one &quot;Copying to:&quot; line per
copy on stdout; questions on the console, or answered by --yes or --no. Exit
status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130
when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows
every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.</source>
        <translation>Crea copias numeradas de un archivo, sin ventana: una línea «Copiando en:» por copia en
la salida estándar; las preguntas se hacen en la consola, o las responde --yes o --no.
Estado de salida: 0 si se crearon todas las copias, 1 si no, 2 si la entrada no es válida,
130 si Ctrl+C o Ctrl+Inter lo detuvo. A una consola escribe UTF-16, que muestra todos los
caracteres; a un archivo o una tubería, UTF-8. Ferrowick.exe abre la ventana.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
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
        <translation>Desde cmd, doce copias numeradas de 01 a 12 detrás del nombre:
  ferrowick --copies 12 --suffix template.xlsx || echo No se crearon todas las copias
Desde PowerShell, en una carpeta propia, creada si falta:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;No se crearon todas las copias&quot; }</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation>%1 bytes, modificado el %2</translation>
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
        <translation>La unidad no puede guardar un carácter de este nombre: su sistema de archivos solo admite los caracteres de su propio juego de caracteres. Elija otro nombre u otra carpeta.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>La carpeta compartida no admite el carácter %1 en el nombre «%2».</translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>La unidad no admite el carácter %1 en el nombre «%2».</translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>La carpeta compartida no admite el nombre «%1»: termina en un punto o un espacio.</translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>La unidad no admite el nombre «%1»: termina en un punto o un espacio.</translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation>Las carpetas compartidas de Windows leen \ como separador de carpetas y prohíben &quot; * : &lt; &gt; ? | en los nombres, así como un punto o un espacio al final.</translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation>Las unidades FAT, exFAT y NTFS prohíben &quot; * : &lt; &gt; ? \ | en los nombres, así como un punto o un espacio al final.</translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation>Elija otro nombre u otra carpeta.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation>«%1» es %2, no un archivo normal. Solo se pueden copiar archivos normales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation>«%1» ya existe.
%2

¿Reemplazarlo por «%3»?
%4</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation>La carpeta «%1» no existe.

¿Quiere crearla?</translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation>El nombre contiene caracteres que no son texto UTF-8, y un nombre así no puede pasar por los cuadros de texto de este programa. Cambie el nombre del archivo o de la carpeta e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation>El servidor aceptó la copia, pero su carpeta no la muestra con este nombre (%1). Puede que se haya guardado con otro nombre o en otra carpeta.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation>No se pudo eliminar la copia incompleta «%1»: bórrela a mano.</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation>Se crearon las copias, pero su unidad no conservó estos atributos extendidos del original:

%1</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation>Puede que las copias en «%1» no estén en el dispositivo: no las aceptó.

%2</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation>No se puede copiar «%1» en «%2».

%3: %4</translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation>No se creó una copia más:</translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation>No se crearon %1 copias más:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation>Escribiendo las copias en el dispositivo…</translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation>%1 de %2 copias creadas</translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation>Copia %1 de %2: %3 de %4</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, quedan %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sí a &amp;todo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation>No a t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation>No a &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation>Omitir &amp;todo</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>The folder or its server can no longer be reached (%1).</source>
        <translation>Ya no se puede acceder a la carpeta o a su servidor (%1).</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep the source&apos;s modification time (%1).</source>
        <translation>Se crearon las copias, pero su unidad no conservó la fecha de modificación del original (%1).</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: they could not be written out to it.

%2</source>
        <translation>Las copias en «%1» no están confirmadas en el dispositivo: no se pudieron escribir en él.

%2</translation>
    </message>
    <message>
        <source>It changed while it was copied, so the copy was not kept. Copy it again once nothing writes to it.</source>
        <translation>Cambió mientras se copiaba, así que la copia no se conservó. Cópielo de nuevo cuando nada escriba en él.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a WebDAV folder of GNOME&apos;s, and such folders stop answering after about 30 renamed files: the %2 copies, each renamed into place, and every program using the folder would wait until you log out. Make the copies in a local folder and move them in one go, or mount the folder with davfs2 or rclone.</source>
        <translation>«%1» es una carpeta WebDAV de GNOME, y esas carpetas dejan de responder tras unos 30 archivos renombrados: las %2 copias, cada una renombrada a su lugar, y todo programa que use la carpeta esperarían hasta que cierre la sesión. Haga las copias en una carpeta local y muévalas de una vez, o monte la carpeta con davfs2 o rclone.</translation>
    </message>
    <message>
        <source>all of them, which could not be read</source>
        <translation>todos, porque no se pudieron leer</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are made, but %2 keeps them on this computer and uploads them to the server later: they are not on the server yet. Should the server be away, they go there once it is back.</source>
        <translation>Las copias en «%1» están hechas, pero %2 las guarda en este equipo y las sube al servidor más tarde: aún no están en él. Si el servidor no está, irán allí cuando vuelva.</translation>
    </message>
    <message>
        <source>The copies of &quot;%1&quot; were made, but whether it changed while it was copied could not be checked: %2 moves a file&apos;s times on its own, so that only a change of its size shows. If something was writing to it, copy it again.</source>
        <translation>Las copias de «%1» están hechas, pero no se pudo comprobar si cambió mientras se copiaba: %2 cambia por su cuenta las fechas de un archivo, de modo que solo se nota un cambio de su tamaño. Si algo estaba escribiendo en él, cópielo de nuevo.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes its drive takes in a name.</source>
        <translation>su nombre supera los %1 bytes que su unidad admite en un nombre.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 characters its drive takes in a name.</source>
        <translation>su nombre supera los %1 caracteres que su unidad admite en un nombre.</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: none of them could be held open to write them out.</source>
        <translation>Las copias en «%1» no están confirmadas en el dispositivo: ninguna pudo mantenerse abierta para escribirlas en él.</translation>
    </message>
</context>
</TS>
