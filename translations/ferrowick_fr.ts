<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation>Copie en cours…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation>En attente du périphérique&#xa0;; plus rien à annuler.</translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation>Copie vers «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation>Confirmer la création du dossier</translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation>Attributs non conservés</translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation>Erreur d’écriture des copies</translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation>Erreur de copie du fichier</translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation>Copies non créées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Copies into a WebDAV Folder</source>
        <translation>Confirmer les copies dans un dossier WebDAV</translation>
    </message>
    <message>
        <source>Make the copies there all the same?</source>
        <translation>Faire quand même les copies à cet endroit&#xa0;?</translation>
    </message>
    <message>
        <source>Copies Waiting for Upload</source>
        <translation>Copies en attente d’envoi</translation>
    </message>
    <message>
        <source>Changes Not Checked</source>
        <translation>Modifications non vérifiées</translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation>Étape 1&#xa0;: sélectionnez un fichier à dupliquer.</translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation>&amp;Choisir un fichier</translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation>Étape 2&#xa0;: saisissez le nombre de copies à créer.</translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation>Étape 3&#xa0;: saisissez le premier numéro à ajouter au nom de chaque copie.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation>Étape 4&#xa0;: sélectionnez un dossier pour les copies. Laissez vide pour les placer dans le même dossier que le fichier d’origine.</translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation>Choisir un &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation>&amp;Dupliquer le fichier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation>Sélectionner un fichier à dupliquer</translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation>Sélectionner un dossier de destination</translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation>Erreur&#xa0;: aucun fichier sélectionné.</translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation>Erreur&#xa0;: le chemin du fichier est trop long.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation>Erreur&#xa0;: le nombre de copies doit être un nombre entier.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation>Erreur&#xa0;: le nombre de copies ne doit pas dépasser 32767.</translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation>Erreur&#xa0;: le nombre de copies doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation>Erreur&#xa0;: le numéro de départ doit être un nombre entier.</translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation>Erreur&#xa0;: le numéro de départ ne doit pas dépasser 32767.</translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation>Erreur&#xa0;: le numéro de départ doit être supérieur à zéro.</translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation>Erreur&#xa0;: le numéro de départ plus le nombre de copies ne doit pas dépasser 32767.</translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation>Copie vers&#xa0;: </translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation>Fichier à dupliquer</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre de copies</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>Numéro de départ</translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation>Dossier des copies</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier. Ferrowick duplique un seul fichier&#xa0;: choisissez un fichier.</translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation>Ferrowick duplique un seul fichier à la fois. Choisissez un seul fichier.</translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation>Seul un fichier ou un dossier de cet ordinateur peut être déposé ici.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names the device %2, not a file: Windows reads such a name as the device itself. Rename the file to copy it.</source>
        <translation>«&#xa0;%1&#xa0;» désigne le périphérique %2, pas un fichier&#xa0;: Windows lit un tel nom comme le périphérique lui-même. Renommez le fichier pour le copier.</translation>
    </message>
    <message>
        <source>The item you chose is not a folder on a disk. Choose a folder.</source>
        <translation>L’élément choisi n’est pas un dossier sur un disque. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>Ferrowick.exe [FILE]

Opens the Ferrowick window, with FILE as the file to duplicate where one is given.

--help, /?	Shows this.</source>
        <translation>Ferrowick.exe [FICHIER]

Ouvre la fenêtre de Ferrowick, avec FICHIER comme fichier à dupliquer s’il est donné.

--help, /?	Affiche cette aide.</translation>
    </message>
    <message>
        <source>Ferrowick.exe does not know the option &quot;%1&quot;. Ferrowick.exe --help says what it takes.</source>
        <translation>Ferrowick.exe ne connaît pas l’option «&#xa0;%1&#xa0;». Ferrowick.exe --help indique ce qu’il accepte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds bytes that are not UTF-8 text, and such a name cannot pass through the window&apos;s boxes. Rename it, or make the copies on the command line: ferrowick --copies N FILE.</source>
        <translation>«&#xa0;%1&#xa0;» contient des octets qui ne sont pas du texte UTF-8, et un tel nom ne peut pas passer par les champs de la fenêtre. Renommez-le, ou faites les copies en ligne de commande&#xa0;: ferrowick --copies N FICHIER.</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2, in &quot;%3&quot;.</source>
        <translation>Terminé. Copies faites&#xa0;: %1 sur %2, dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Done. Copies made: %1 of %2; not made: %3.</source>
        <translation>Terminé. Copies faites&#xa0;: %1 sur %2&#xa0;; non faites&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Stopped. Copies made: %1 of %2.</source>
        <translation>Arrêté. Copies faites&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>Copies made: %1 of %2.</source>
        <translation>Copies faites&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>Digits, 1 to 32767.</source>
        <translation>Chiffres, de 1 à 32767.</translation>
    </message>
</context>
<context>
    <name>ferrowick::ShellCopy</name>
    <message>
        <source>its name is that of the device %1, which Windows would have written to instead.</source>
        <translation>son nom est celui du périphérique %1, dans lequel Windows aurait écrit à la place.</translation>
    </message>
    <message>
        <source>a folder has its name.</source>
        <translation>un dossier porte son nom.</translation>
    </message>
    <message>
        <source>there is not enough room on the drive.</source>
        <translation>il n’y a pas assez de place sur le lecteur.</translation>
    </message>
    <message>
        <source>the drive&apos;s file system takes no file this large.</source>
        <translation>le système de fichiers du lecteur n’accepte pas de fichier aussi grand.</translation>
    </message>
    <message>
        <source>the drive is write-protected.</source>
        <translation>le lecteur est protégé en écriture.</translation>
    </message>
    <message>
        <source>writing there was refused: the drive or the folder is read-only, or not yours to write to.</source>
        <translation>l’écriture a été refusée&#xa0;: le lecteur ou le dossier est en lecture seule, ou vous n’avez pas le droit d’y écrire.</translation>
    </message>
    <message>
        <source>the source file is no longer there.</source>
        <translation>le fichier source n’existe plus.</translation>
    </message>
    <message>
        <source>another program is using the file.</source>
        <translation>un autre programme utilise le fichier.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>elle a été annulée.</translation>
    </message>
    <message>
        <source>it is not there after the copy.</source>
        <translation>elle est absente après la copie.</translation>
    </message>
    <message>
        <source>it holds %1 of %2 bytes.</source>
        <translation>elle contient %1 octets sur %2.</translation>
    </message>
    <message>
        <source>the Windows shell reported error %1.</source>
        <translation>le shell Windows a signalé l’erreur %1.</translation>
    </message>
    <message>
        <source>The unfinished copy was removed.</source>
        <translation>La copie inachevée a été supprimée.</translation>
    </message>
    <message>
        <source>The unfinished copy could not be removed: delete it by hand.</source>
        <translation>La copie inachevée n’a pas pu être supprimée&#xa0;: supprimez-la à la main.</translation>
    </message>
    <message>
        <source>The file that was already there is left as it is.</source>
        <translation>Le fichier qui s’y trouvait déjà reste tel quel.</translation>
    </message>
    <message>
        <source>Not made: %1</source>
        <translation>Non créée&#xa0;: %1</translation>
    </message>
    <message>
        <source>One copy was not made:</source>
        <translation>Une copie n’a pas été créée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 copies were not made:</source>
        <translation>%1 copies n’ont pas été créées&#xa0;:</translation>
    </message>
    <message>
        <source>its folder does not exist.</source>
        <translation>son dossier n’existe pas.</translation>
    </message>
    <message>
        <source>a file took its name while the copy was being made, and is left as it is.</source>
        <translation>un fichier a pris son nom pendant la copie, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source>the run was stopped while it was being made.</source>
        <translation>l’exécution a été arrêtée pendant la copie.</translation>
    </message>
    <message>
        <source>Windows said: %1 (error %2).</source>
        <translation>Windows a répondu&#xa0;: %1 (erreur %2).</translation>
    </message>
    <message>
        <source>another program is using &quot;%1&quot;.</source>
        <translation>un autre programme utilise «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ferrowick::StatusBox</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
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
        <translation>Crée des copies numérotées d’un fichier.

Avec FICHIER pour seul argument, ouvre la fenêtre avec FICHIER choisi. Avec --copies et --start,
crée les copies sans fenêtre&#xa0;: une ligne «&#xa0;Copie vers&#xa0;:&#xa0;» par copie sur la sortie standard&#xa0;;
les questions sont posées dans le terminal, ou tranchées par --yes ou --no. Code de retour&#xa0;: 0 si
toutes les copies ont été créées, 1 sinon, 2 si la saisie est incorrecte, 130 ou 143 si interrompu.</translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation>Créer N copies (de 1 à 32767).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Number the copies from S, 1 when left out (start + copies at most 32767).</source>
        <translation>Numéroter les copies à partir de S, de 1 s’il est omis (départ + copies au plus 32767).</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation>Placer le numéro après le nom, et non devant.</translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation>Placer les copies dans DOSSIER, et non à côté de FICHIER.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation>Remplacer les fichiers existants et créer les dossiers manquants sans demander.</translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation>Conserver les fichiers existants et ne créer aucun dossier, sans demander.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation>Le fichier à copier.</translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation>Essayez «&#xa0;ferrowick --help&#xa0;».</translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation>indiquez un seul fichier à copier</translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation>--yes ou --no, pas les deux</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation>non remplacé&#xa0;: «&#xa0;%1&#xa0;» existe</translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation>non remplacé&#xa0;: «&#xa0;%1&#xa0;» existe (--yes le remplace)</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation>non créé&#xa0;: le dossier «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation>non créé&#xa0;: le dossier «&#xa0;%1&#xa0;» n’existe pas (--yes le crée)</translation>
    </message>
    <message>
        <source>no copy made: %1 (--yes makes them there all the same)</source>
        <translation>aucune copie faite&#xa0;: %1 (--yes les fait quand même à cet endroit)</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] FILE</source>
        <translation>Utilisation&#xa0;: %1 [options] FICHIER</translation>
    </message>
    <message>
        <source>Makes numbered copies of one file, without a window: one &quot;Copying to:&quot; line per
copy on stdout; questions on the console, or answered by --yes or --no. Exit
status: 0 when every copy was made, 1 when some were not, 2 for bad input, 130
when Ctrl+C or Ctrl+Break stopped it. To a console it writes UTF-16, which shows
every character; to a file or a pipe, UTF-8. Ferrowick.exe opens the window.</source>
        <translation>Crée des copies numérotées d’un fichier, sans fenêtre&#xa0;: une ligne «&#xa0;Copie vers&#xa0;:&#xa0;» par
copie sur la sortie standard&#xa0;; les questions sont posées dans la console, ou tranchées par
--yes ou --no. Code de retour&#xa0;: 0 si toutes les copies ont été créées, 1 sinon, 2 pour une
entrée non valide, 130 si Ctrl+C ou Ctrl+Attn l’a arrêté. Vers une console, il écrit en
UTF-16, qui montre chaque caractère&#xa0;; vers un fichier ou un tube, en UTF-8. Ferrowick.exe ouvre la fenêtre.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>From cmd, twelve copies numbered 01 to 12 behind the name:
  ferrowick --copies 12 --suffix template.xlsx || echo Not every copy was made
From PowerShell, into a folder of their own, made if missing:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Not every copy was made&quot; }</source>
        <translation>Depuis cmd, douze copies numérotées de 01 à 12 après le nom&#xa0;:
  ferrowick --copies 12 --suffix template.xlsx || echo Toutes les copies n’ont pas été créées
Depuis PowerShell, dans un dossier à elles, créé s’il manque&#xa0;:
  ferrowick --copies 12 --to &quot;$HOME\Months&quot; --yes template.xlsx
  if ($LASTEXITCODE -ne 0) { &quot;Toutes les copies n’ont pas été créées&quot; }</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation>%1 octets, modifié le %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>The drive cannot store a character of this name: its file system takes only the characters of its own character set. Choose another name or folder.</source>
        <translation>Le lecteur ne peut pas enregistrer un caractère de ce nom&#xa0;: son système de fichiers n’accepte que les caractères de son propre jeu de caractères. Choisissez un autre nom ou un autre dossier.</translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>Le dossier partagé n’accepte pas le caractère %1 dans le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation>Le lecteur n’accepte pas le caractère %1 dans le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>Le dossier partagé n’accepte pas le nom «&#xa0;%1&#xa0;»&#xa0;: il se termine par un point ou une espace.</translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation>Le lecteur n’accepte pas le nom «&#xa0;%1&#xa0;»&#xa0;: il se termine par un point ou une espace.</translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation>Les partages Windows lisent \ comme un séparateur de dossiers et interdisent &quot; * : &lt; &gt; ? | dans les noms, ainsi qu’un point ou une espace à la fin.</translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation>Les lecteurs FAT, exFAT et NTFS interdisent &quot; * : &lt; &gt; ? \ | dans les noms, ainsi qu’un point ou une espace à la fin.</translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation>Choisissez un autre nom ou un autre dossier.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation>«&#xa0;%1&#xa0;» est %2, pas un fichier ordinaire. Seuls les fichiers ordinaires peuvent être copiés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.
%2

Le remplacer par «&#xa0;%3&#xa0;»&#xa0;?
%4</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.

Voulez-vous le créer&#xa0;?</translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation>Le nom contient des caractères qui ne sont pas du texte UTF-8, et un tel nom ne peut pas passer par les zones de texte de ce programme. Renommez le fichier ou le dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation>Le serveur a accepté la copie, mais son dossier ne la montre pas sous ce nom (%1). Elle a peut-être été enregistrée sous un autre nom ou dans un autre dossier.</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation>La copie inachevée «&#xa0;%1&#xa0;» n’a pas pu être supprimée&#xa0;: supprimez-la vous-même.</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation>Les copies ont été créées, mais leur lecteur n’a pas conservé ces attributs étendus de l’original&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation>Les copies dans «&#xa0;%1&#xa0;» ne sont peut-être pas sur le périphérique&#xa0;: il ne les a pas acceptées.

%2</translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;».

%3&#xa0;: %4</translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation>Une copie de plus n’a pas été créée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation>%1 copies de plus n’ont pas été créées&#xa0;:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation>Écriture des copies sur le périphérique…</translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation>%1 copies créées sur %2</translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation>Copie %1 sur %2&#xa0;: %3 sur %4</translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation>%1/s, encore %2</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oui pour &amp;tous</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation>Non pour to&amp;us</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation>Non pour &amp;tous</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation>Ignorer &amp;tout</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>The folder or its server can no longer be reached (%1).</source>
        <translation>Le dossier ou son serveur n’est plus accessible (%1).</translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep the source&apos;s modification time (%1).</source>
        <translation>Les copies ont été créées, mais leur lecteur n’a pas conservé la date de modification de l’original (%1).</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: they could not be written out to it.

%2</source>
        <translation>Les copies dans «&#xa0;%1&#xa0;» ne sont pas confirmées sur le périphérique&#xa0;: elles n’ont pas pu y être écrites.

%2</translation>
    </message>
    <message>
        <source>It changed while it was copied, so the copy was not kept. Copy it again once nothing writes to it.</source>
        <translation>Il a changé pendant la copie, la copie n’a donc pas été gardée. Copiez-le à nouveau quand plus rien n’y écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a WebDAV folder of GNOME&apos;s, and such folders stop answering after about 30 renamed files: the %2 copies, each renamed into place, and every program using the folder would wait until you log out. Make the copies in a local folder and move them in one go, or mount the folder with davfs2 or rclone.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier WebDAV de GNOME, et ces dossiers cessent de répondre après environ 30 fichiers renommés&#xa0;: les %2 copies, chacune renommée à sa place, et tout programme utilisant le dossier attendraient jusqu’à votre déconnexion. Faites les copies dans un dossier local et déplacez-les d’un coup, ou montez le dossier avec davfs2 ou rclone.</translation>
    </message>
    <message>
        <source>all of them, which could not be read</source>
        <translation>tous, car ils n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are made, but %2 keeps them on this computer and uploads them to the server later: they are not on the server yet. Should the server be away, they go there once it is back.</source>
        <translation>Les copies dans «&#xa0;%1&#xa0;» sont faites, mais %2 les garde sur cet ordinateur et les envoie plus tard au serveur&#xa0;: elles n’y sont pas encore. Si le serveur est absent, elles y iront à son retour.</translation>
    </message>
    <message>
        <source>The copies of &quot;%1&quot; were made, but whether it changed while it was copied could not be checked: %2 moves a file&apos;s times on its own, so that only a change of its size shows. If something was writing to it, copy it again.</source>
        <translation>Les copies de « %1 » sont faites, mais il n’a pas été possible de vérifier s’il a changé pendant la copie : %2 modifie de lui-même les dates d’un fichier, de sorte que seul un changement de sa taille se voit. Si quelque chose y écrivait, copiez-le de nouveau.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 bytes its drive takes in a name.</source>
        <translation>son nom dépasse les %1 octets que son lecteur accepte dans un nom.</translation>
    </message>
    <message>
        <source>its name is longer than the %1 characters its drive takes in a name.</source>
        <translation>son nom dépasse les %1 caractères que son lecteur accepte dans un nom.</translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; are not confirmed on the device: none of them could be held open to write them out.</source>
        <translation>Les copies dans «&#xa0;%1&#xa0;» ne sont pas confirmées sur le périphérique&#xa0;: aucune n’a pu rester ouverte pour les y écrire.</translation>
    </message>
</context>
</TS>
