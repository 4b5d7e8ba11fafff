<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ferrowick::CopyDialogs</name>
    <message>
        <source>Copying...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This waits for the device; nothing is left to cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Folder Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes Not Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Writing Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Copying File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies Not Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrowick::Form1</name>
    <message>
        <source>Step 1: Select a file to duplicate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2: Enter the number of copies to make.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 3: Enter a starting number for the tag to be attached to each new filename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 4: Select a directory for the copies. Leave blank if the copies should go in the same directory as the original file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a &amp;Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file to duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a target directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: No file selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: File path is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Number of copies must be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Number of copies must be 32767 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Number of copies must be greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Starting number must be a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Starting number must be 32767 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Starting number must be greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Starting number plus number of copies must not exceed 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory for the copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder. Ferrowick duplicates one file: choose a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrowick duplicates one file at a time. Choose one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a file or a folder on this computer can be dropped here.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make N copies (1 to 32767).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number the copies from S (start + copies at most 32767).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the number behind the name, not in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the copies in FOLDER, not next to FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace existing files and create missing folders without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep existing files and create no folder, without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;ferrowick --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name one file to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--yes or --no, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not replaced: &quot;%1&quot; exists (--yes replaces it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not made: the folder &quot;%1&quot; does not exist (--yes creates it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ferrowick::Wording</name>
    <message>
        <source>%1 bytes, modified %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive cannot store a character of this name: its file system takes only the characters of its own character set. Choose another name or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive does not allow the character %1 in the name &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared folder does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive does not allow the name &quot;%1&quot;: it ends in a dot or a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows shares read \ as a folder separator and forbid &quot; * : &lt; &gt; ? | in names, and a dot or a space at their end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAT, exFAT and NTFS drives forbid &quot; * : &lt; &gt; ? \ | in names, and a dot or a space at their end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another name or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a regular file. Only regular files can be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
%2

Replace it with &quot;%3&quot;?
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.

Do you want to create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name holds characters that are not UTF-8 text, and such a name cannot pass through this program&apos;s text boxes. Rename the file or folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server took the copy, but its folder does not show it under this name (%1). It may have been stored under another name or in another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unfinished copy &quot;%1&quot; could not be removed: delete it by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copies were made, but their drive did not keep these extended attributes of the source:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copies in &quot;%1&quot; may not be on the device: it did not take them.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;.

%3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One more copy was not made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more copies were not made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the copies to the device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 copies made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 of %2: %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s, %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No to A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
