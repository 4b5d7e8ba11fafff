<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation>Wird kopiert …</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation>Es wird auf das Gerät gewartet; abzubrechen gibt es nichts mehr.</translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation>Kopieren nach „%1“</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Ersetzen der Datei bestätigen</translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation>Erstellen des Ordners bestätigen</translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation>Attribute nicht übernommen</translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation>Fehler beim Schreiben der Kopien</translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation>Fehler beim Kopieren der Datei</translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation>Kopien nicht erstellt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Copies into a WebDAV Folder</source>
        <translation>Kopien in einen WebDAV-Ordner bestätigen</translation>
    </message>
    <message>
        <source>Make the copies there all the same?</source>
        <translation>Die Kopien trotzdem dort erstellen?</translation>
    </message>
    <message>
        <source>Copies Waiting for Upload</source>
        <translation>Kopien warten auf das Hochladen</translation>
    </message>
    <message>
        <source>Changes Not Checked</source>
        <translation>Änderungen nicht geprüft</translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation>Schritt 1: Die zu duplizierende Datei auswählen.</translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation>Datei &amp;wählen</translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation>Schritt 2: Die Anzahl der gewünschten Kopien eingeben.</translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation>Schritt 3: Startnummer für die Kennung an jedem neuen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation>Schritt 4: Einen Ordner für die Kopien auswählen. Leer lassen, wenn die Kopien in denselben Ordner wie die Originaldatei sollen.</translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation>&amp;Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation>Datei &amp;duplizieren</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation>Zu duplizierende Datei auswählen</translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation>Fehler: Keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation>Fehler: Der Dateipfad ist zu lang.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation>Fehler: Die Anzahl der Kopien muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation>Fehler: Die Anzahl der Kopien darf höchstens 32767 sein.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation>Fehler: Die Anzahl der Kopien muss größer als null sein.</translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation>Fehler: Die Startnummer muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation>Fehler: Die Startnummer darf höchstens 32767 sein.</translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation>Fehler: Die Startnummer muss größer als null sein.</translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation>Fehler: Startnummer plus Anzahl der Kopien darf 32767 nicht überschreiten.</translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation>Kopieren nach: </translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation>Zu duplizierende Datei</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Kopien</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation>Ordner für die Kopien</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation>„%1“ ist ein Ordner. Ferrowick dupliziert eine einzelne Datei: Wählen Sie eine Datei.</translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation>Ferrowick dupliziert immer nur eine Datei. Wählen Sie eine einzelne Datei.</translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation>Hier kann nur eine Datei oder ein Ordner auf diesem Computer abgelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names the device %2, not a file: Windows reads such a name as the device itself. Rename the file to copy it.</source>
        <translation>„%1“ bezeichnet das Gerät %2, keine Datei: Windows liest einen solchen Namen als das Gerät selbst. Benennen Sie die Datei um, um sie zu kopieren.</translation>
    </message>
    <message>
        <source>The item you chose is not a folder on a disk. Choose a folder.</source>
        <translation>Das gewählte Element ist kein Ordner auf einem Datenträger. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>Ferrowick.exe [FILE]

Opens the Ferrowick window, with FILE as the file to duplicate where one is given.

--help, /?	Shows this.</source>
        <translation>Ferrowick.exe [DATEI]

Öffnet das Ferrowick-Fenster, mit DATEI als zu duplizierender Datei, wenn eine angegeben ist.

--help, /?	Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Ferrowick.exe does not know the option &quot;%1&quot;. Ferrowick.exe --help says what it takes.</source>
        <translation>Ferrowick.exe kennt die Option „%1“ nicht. Ferrowick.exe --help sagt, was es annimmt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds bytes that are not UTF-8 text, and such a name cannot pass through the window&apos;s boxes. Rename it, or make the copies on the command line: ferrowick --copies N FILE.</source>
        <translation>„%1“ enthält Bytes, die kein UTF-8-Text sind, und ein solcher Name kann nicht durch die Felder des Fensters gehen. Benennen Sie ihn um, oder erstellen Sie die Kopien auf der Befehlszeile: ferrowick --copies N DATEI.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2, in &quot;%3&quot;.</source>
        <translation>Fertig. Kopien erstellt: %1 von %2, in „%3“.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2; not made: %3.</source>
        <translation>Fertig. Kopien erstellt: %1 von %2; nicht erstellt: %3.</translation>
    </message>
    <message>
        <source>Stopped. Copies made: %1 of %2.</source>
        <translation>Angehalten. Kopien erstellt: %1 von %2.</translation>
    </message>
    <message>
        <source>Copies made: %1 of %2.</source>
        <translation>Kopien erstellt: %1 von %2.</translation>
    </message>
    <message>
        <source>Digits, 1 to 32767.</source>
        <translation>Ziffern, 1 bis 32767.</translation>
    </message>
</context>
<context>
    <name>ferrowick::ShellCopy</name>
    <message>
        <source>its name is that of the device %1, which Windows would have written to instead.</source>
        <translation>sein Name ist der des Geräts %1, in das Windows stattdessen geschrieben hätte.</translation>
    </message>
    <message>
        <source>a folder has its name.</source>
        <translation>ein Ordner trägt seinen Namen.</translation>
    </message>
    <message>
        <source>there is not enough room on the drive.</source>
        <translation>auf dem Laufwerk ist nicht genug Platz.</translation>
    </message>
    <message>
        <source>the drive&apos;s file system takes no file this large.</source>
        <translation>das Dateisystem des Laufwerks nimmt keine so große Datei auf.</translation>
    </message>
    <message>
        <source>the drive is write-protected.</source>
        <translation>das Laufwerk ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>writing there was refused: the drive or the folder is read-only, or not yours to write to.</source>
        <translation>das Schreiben wurde verweigert: Laufwerk oder Ordner sind schreibgeschützt, oder Sie dürfen dort nicht schreiben.</translation>
    </message>
    <message>
        <source>the source file is no longer there.</source>
        <translation>die Quelldatei ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>another program is using the file.</source>
        <translation>ein anderes Programm verwendet die Datei.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>er wurde abgebrochen.</translation>
    </message>
    <message>
        <source>it is not there after the copy.</source>
        <translation>nach dem Kopieren ist sie nicht vorhanden.</translation>
    </message>
    <message>
        <source>it holds %1 of %2 bytes.</source>
        <translation>sie enthält %1 von %2 Bytes.</translation>
    </message>
    <message>
        <source>the Windows shell reported error %1.</source>
        <translation>die Windows-Shell meldete den Fehler %1.</translation>
    </message>
    <message>
        <source>The unfinished copy was removed.</source>
        <translation>Die unfertige Kopie wurde entfernt.</translation>
    </message>
    <message>
        <source>The unfinished copy could not be removed: delete it by hand.</source>
        <translation>Die unfertige Kopie konnte nicht entfernt werden: Löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>The file that was already there is left as it is.</source>
        <translation>Die Datei, die schon da war, bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Not made: %1</source>
        <translation>Nicht erstellt: %1</translation>
    </message>
    <message>
        <source>One copy was not made:</source>
        <translation>Eine Kopie wurde nicht erstellt:</translation>
    </message>
    <message>
        <source>%1 copies were not made:</source>
        <translation>%1 Kopien wurden nicht erstellt:</translation>
    </message>
    <message>
        <source>its folder does not exist.</source>
        <translation>ihr Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>a file took its name while the copy was being made, and is left as it is.</source>
        <translation>eine Datei hat ihren Namen angenommen, während die Kopie entstand, und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>the run was stopped while it was being made.</source>
        <translation>der Lauf wurde angehalten, während sie entstand.</translation>
    </message>
    <message>
        <source>Windows said: %1 (error %2).</source>
        <translation>Windows meldete: %1 (Fehler %2).</translation>
    </message>
    <message>
        <source>another program is using &quot;%1&quot;.</source>
        <translation>ein anderes Programm verwendet „%1“.</translation>
    </message>
</context>
<context>
    <name>ferrowick::StatusBox</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
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
        <translation>Erstellt nummerierte Kopien einer Datei.

Nur mit DATEI aufgerufen, öffnet sich das Fenster mit DATEI ausgewählt. Mit --copies und --start
entstehen die Kopien ohne Fenster: eine Zeile „Kopieren nach:“ je Kopie auf stdout;
Rückfragen im Terminal, oder beantwortet durch --yes oder --no. Exit-Status: 0, wenn alle
Kopien erstellt wurden, 1, wenn nicht, 2 bei ungültiger Eingabe, 130 oder 143 bei Abbruch.</translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation>N Kopien erstellen (1 bis 32767).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Number the copies from S, 1 when left out (start + copies at most 32767).</source>
        <translation>Die Kopien ab S nummerieren, ohne Angabe ab 1 (Start + Kopien höchstens 32767).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation>Die Nummer hinter den Namen setzen statt davor.</translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation>Die Kopien in ORDNER ablegen statt neben DATEI.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation>Vorhandene Dateien ersetzen und fehlende Ordner erstellen, ohne nachzufragen.</translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation>Vorhandene Dateien behalten und keinen Ordner erstellen, ohne nachzufragen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation>Die zu kopierende Datei.</translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation>„ferrowick --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation>geben Sie genau eine zu kopierende Datei an</translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation>--yes oder --no, nicht beides</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation>nicht ersetzt: „%1“ existiert</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation>nicht ersetzt: „%1“ existiert (--yes ersetzt sie)</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation>nicht erstellt: Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation>nicht erstellt: Der Ordner „%1“ existiert nicht (--yes erstellt ihn)</translation>
    </message>
    <message>
        <source>no copy made: %1 (--yes makes them there all the same)</source>
        <translation>keine Kopie erstellt: %1 (--yes erstellt sie trotzdem dort)</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] FILE</source>
        <translation>Aufruf: %1 [Optionen] DATEI</translation>
    </message>
    <message>
        <source>Makes numbered copies of one file, without a window: one &quot;Copying to:&quot; line per
copy on stdout; questions on the console, or answered by --yes or --no. Exit
status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130
when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows
every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.</source>
        <translation>Erstellt nummerierte Kopien einer Datei, ohne Fenster: eine Zeile „Kopieren nach:“ je
Kopie auf stdout; Rückfragen in der Konsole, oder beantwortet durch --yes oder --no.
Exit-Status: 0, wenn alle Kopien erstellt wurden, 1, wenn nicht, 2 bei ungültiger Eingabe,
130, wenn Strg+C oder Strg+Untbr den Lauf anhielt. In eine Konsole schreibt es UTF-16, das
jedes Zeichen zeigt; in eine Datei oder Pipe UTF-8. Ferrowick.exe öffnet das Fenster.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>From cmd, twelve copies numbered 01 to 12 behind the name:
  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made
From PowerShell, into a folder of their own, made if missing:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Not every copy was made&quot; }</source>
        <translation>Aus cmd, zwölf Kopien mit 01 bis 12 hinter dem Namen:
  ferrowick --copies 12 --suffix template.xlsx || echo Nicht alle Kopien wurden erstellt
Aus PowerShell, in einen eigenen Ordner, der bei Bedarf entsteht:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Nicht alle Kopien wurden erstellt&quot; }</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation>%1 Bytes, geändert am %2</translation>
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
        <translation>Das Laufwerk kann ein Zeichen dieses Namens nicht speichern: Sein Dateisystem kennt nur die Zeichen seines eigenen Zeichensatzes. Wählen Sie einen anderen Namen oder Ordner.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>Der freigegebene Ordner erlaubt das Zeichen %1 im Namen „%2“ nicht.</translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>Das Laufwerk erlaubt das Zeichen %1 im Namen „%2“ nicht.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>Der freigegebene Ordner erlaubt den Namen „%1“ nicht: Er endet auf einen Punkt oder ein Leerzeichen.</translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>Das Laufwerk erlaubt den Namen „%1“ nicht: Er endet auf einen Punkt oder ein Leerzeichen.</translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation>Windows-Freigaben lesen \ als Ordnertrenner und verbieten &quot; * : &lt; &gt; ? | in Namen sowie einen Punkt oder ein Leerzeichen am Ende.</translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation>FAT-, exFAT- und NTFS-Laufwerke verbieten &quot; * : &lt; &gt; ? \ | in Namen sowie einen Punkt oder ein Leerzeichen am Ende.</translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation>Wählen Sie einen anderen Namen oder Ordner.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation>„%1“ ist %2, keine reguläre Datei. Nur reguläre Dateien können kopiert werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation>„%1“ existiert bereits.
%2

Durch „%3“ ersetzen?
%4</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation>Der Ordner „%1“ existiert nicht.

Soll er erstellt werden?</translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation>Der Name enthält Zeichen, die kein UTF-8-Text sind, und ein solcher Name passt nicht durch die Textfelder dieses Programms. Benennen Sie die Datei oder den Ordner um und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation>Der Server hat die Kopie angenommen, aber ihr Ordner zeigt sie nicht unter diesem Namen (%1). Sie wurde möglicherweise unter einem anderen Namen oder in einem anderen Ordner gespeichert.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation>Die unvollständige Kopie „%1“ konnte nicht entfernt werden: Löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation>Die Kopien wurden erstellt, aber ihr Laufwerk hat diese erweiterten Attribute der Quelle nicht übernommen:

%1</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation>Die Kopien in „%1“ sind möglicherweise nicht auf dem Gerät: Es hat sie nicht angenommen.

%2</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation>„%1“ kann nicht nach „%2“ kopiert werden.

%3: %4</translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation>Eine weitere Kopie wurde nicht erstellt:</translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation>%1 weitere Kopien wurden nicht erstellt:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation>Die Kopien werden auf das Gerät geschrieben …</translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation>%1 von %2 Kopien erstellt</translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation>Kopie %1 von %2: %3 von %4</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, noch %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation>Nein, &amp;keine</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation>Nein, &amp;keine</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation>&amp;Alle überspringen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>The folder or its server can no longer be reached (%1).</source>
        <translation>Der Ordner oder sein Server ist nicht mehr erreichbar (%1).</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep the source&apos;s modification time (%1).</source>
        <translation>Die Kopien wurden erstellt, aber ihr Laufwerk hat die Änderungszeit der Quelle nicht übernommen (%1).</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: they could not be written out to it.

%2</source>
        <translation>Die Kopien in „%1“ sind auf dem Gerät nicht bestätigt: Sie konnten nicht darauf geschrieben werden.

%2</translation>
    </message>
    <message>
        <source>It changed while it was copied, so the copy was not kept. Copy it again once nothing writes to it.</source>
        <translation>Sie wurde während des Kopierens verändert, daher wurde die Kopie nicht behalten. Kopieren Sie sie erneut, sobald nichts mehr in sie schreibt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a WebDAV folder of GNOME&apos;s, and such folders stop answering after about 30 renamed files: the %2 copies, each renamed into place, and every program using the folder would wait until you log out. Make the copies in a local folder and move them in one go, or mount the folder with davfs2 or rclone.</source>
        <translation>„%1“ ist ein WebDAV-Ordner von GNOME, und solche Ordner antworten nach etwa 30 umbenannten Dateien nicht mehr: Die %2 Kopien, jede an ihren Platz umbenannt, und jedes Programm, das den Ordner verwendet, würden warten, bis Sie sich abmelden. Erstellen Sie die Kopien in einem lokalen Ordner und verschieben Sie sie in einem Zug, oder binden Sie den Ordner mit davfs2 oder rclone ein.</translation>
    </message>
    <message>
        <source>all of them, which could not be read</source>
        <translation>alle, da sie nicht gelesen werden konnten</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are made, but %2 keeps them on this computer and uploads them to the server later: they are not on the server yet. Should the server be away, they go there once it is back.</source>
        <translation>Die Kopien in „%1“ sind erstellt, aber %2 behält sie auf diesem Computer und lädt sie später auf den Server: Noch sind sie nicht dort. Ist der Server nicht erreichbar, kommen sie dorthin, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>The copies of &quot;%1&quot; were made, but whether it changed while it was copied could not be checked: %2 moves a file&apos;s times on its own, so that only a change of its size shows. If something was writing to it, copy it again.</source>
        <translation>Die Kopien von „%1“ sind erstellt, aber ob sich die Datei während des Kopierens geändert hat, ließ sich nicht prüfen: %2 ändert die Zeiten einer Datei von sich aus, sodass nur eine Änderung ihrer Größe erkennbar ist. Falls etwas in sie geschrieben hat, kopieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes its drive takes in a name.</source>
        <translation>ihr Name ist länger als die %1 Bytes, die ihr Laufwerk in einem Namen zulässt.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 characters its drive takes in a name.</source>
        <translation>ihr Name ist länger als die %1 Zeichen, die ihr Laufwerk in einem Namen zulässt.</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: none of them could be held open to write them out.</source>
        <translation>Die Kopien in „%1“ sind auf dem Gerät nicht bestätigt: Keine von ihnen ließ sich offen halten, um sie hinauszuschreiben.</translation>
    </message>
</context>
</TS>
