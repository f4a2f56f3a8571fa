<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ContactCaptions</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Sub-sector</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Work Phone</translation>
    </message>
    <message>
        <source>Ext.</source>
        <translation>Ext.</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Home Phone</translation>
    </message>
    <message>
        <source>GSM Phone</source>
        <translation>GSM Phone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Address, second line</source>
        <translation>Address, second line</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Additional Info</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Fatura Adresi</source>
        <translation>Invoice Address</translation>
    </message>
    <message>
        <source>Fatura Adresi, second line</source>
        <translation>Fatura Adresi, second line</translation>
    </message>
</context>
<context>
    <name>ContactTransfer</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>a Corvella export</source>
        <translation>a Corvella export</translation>
    </message>
    <message>
        <source>a Google Contacts export</source>
        <translation>a Google Contacts export</translation>
    </message>
    <message>
        <source>an Outlook export</source>
        <translation>an Outlook export</translation>
    </message>
    <message>
        <source>CSV with the columns you chose</source>
        <translation>CSV with the columns you chose</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Read as %1: %2 of its %3 columns are imported (%4, separated by %5).</source>
        <translation>Read as %1: %2 of its %3 columns are imported (%4, separated by %5).</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Import Contacts</translation>
    </message>
    <message>
        <source>Contact files (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Contact files (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard);;All files (*)</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <translation>Cannot open &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Read as a vCard file.</source>
        <translation>Read as a vCard file.</translation>
    </message>
    <message>
        <source>Importing contacts</source>
        <translation>Importing contacts</translation>
    </message>
    <message>
        <source>%1 contacts read</source>
        <translation>%1 contacts read</translation>
    </message>
    <message>
        <source>

No contact was imported; the contact file is unchanged.</source>
        <translation>

No contact was imported; the contact file is unchanged.</translation>
    </message>
    <message>
        <source>The import was cancelled; the contact file is unchanged.</source>
        <translation>The import was cancelled; the contact file is unchanged.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 contacts written</source>
        <translation>%1 contacts written</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>The export was cancelled; no file was written.</translation>
    </message>
    <message>
        <source>%1 contacts written to &apos;%2&apos;.</source>
        <translation>%1 contacts written to &apos;%2&apos;.</translation>
    </message>
</context>
<context>
    <name>EditGuard</name>
    <message>
        <source>Read the record again to see what is stored now? No keeps your changes on the screen.</source>
        <translation>Read the record again to see what is stored now? No keeps your changes on the screen.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The contact file &apos;%1&apos; does not exist.
Create a new, empty contact file there?</source>
        <translation>The contact file &apos;%1&apos; does not exist.
Create a new, empty contact file there?</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is empty.
Create the tables of a new, empty contact file in it?</source>
        <translation>The contact file &apos;%1&apos; is empty.
Create the tables of a new, empty contact file in it?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is an SQLite database without the contact table kayit.
Add the tables of a new, empty contact file to it?</source>
        <translation>The file &apos;%1&apos; is an SQLite database without the contact table kayit.
Add the tables of a new, empty contact file to it?</translation>
    </message>
    <message>
        <source>
Go on working in that window; this one closes.</source>
        <translation>
Go on working in that window; this one closes.</translation>
    </message>
    <message>
        <source>
Retry when that program has finished with it, or Cancel to close Corvella.</source>
        <translation>
Retry when that program has finished with it, or Cancel to close Corvella.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is in use by another program.
Retry when that program has finished with it, or Cancel.</source>
        <translation>The contact file &apos;%1&apos; is in use by another program.
Retry when that program has finished with it, or Cancel.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; has no contact tables.
Create the tables of a new, empty contact file in it?</source>
        <translation>The database &apos;%1&apos; has no contact tables.
Create the tables of a new, empty contact file in it?</translation>
    </message>
    <message>
        <source>Database Password</source>
        <translation>Database Password</translation>
    </message>
    <message>
        <source>The server asks for a password for %1. Corvella keeps it only until it closes.
Password:</source>
        <translation>The server asks for a password for %1. Corvella keeps it only until it closes.
Password:</translation>
    </message>
</context>
<context>
    <name>TestPrintRun</name>
    <message>
        <source>The old signal file &apos;%1&apos; cannot be deleted.</source>
        <translation>The old signal file &apos;%1&apos; cannot be deleted.</translation>
    </message>
    <message>
        <source>Etiket Dökümü Ayarları</source>
        <translation>Label Printout Settings</translation>
    </message>
    <message>
        <source>Waiting for the test page to be printed...</source>
        <translation>Waiting for the test page to be printed...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The test-print program &apos;%1&apos; could not be started: %2</source>
        <translation>The test-print program &apos;%1&apos; could not be started: %2</translation>
    </message>
    <message>
        <source>The test-print program ended without reporting that the test page was printed.</source>
        <translation>The test-print program ended without reporting that the test page was printed.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is neither csv nor vcard</source>
        <translation>--format: &apos;%1&apos; is neither csv nor vcard</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source> is missing</source>
        <translation> is missing</translation>
    </message>
    <message>
        <source>
Fields (FIELD may also be the column&apos;s own name, e.g. &quot;Firma Adi&quot;):
</source>
        <translation>
Fields (FIELD may also be the column&apos;s own name, e.g. &quot;Firma Adi&quot;):
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 failed (the message names the file), 2 wrong usage.
</source>
        <translation>
Exit status: 0 done, 1 failed (the message names the file), 2 wrong usage.
</translation>
    </message>
    <message>
        <source>The CSV or vCard file to import.</source>
        <translation>The CSV or vCard file to import.</translation>
    </message>
    <message>
        <source>The file&apos;s format (default: vcard for .vcf and .vcard, csv otherwise).</source>
        <translation>The file&apos;s format (default: vcard for .vcf and .vcard, csv otherwise).</translation>
    </message>
    <message>
        <source>A contact whose e-mail, or name, surname and company, is already in the file is skipped, updated with the file&apos;s non-empty values, or added anyway (default: skip).</source>
        <translation>A contact whose e-mail, or name, surname and company, is already in the file is skipped, updated with the file&apos;s non-empty values, or added anyway (default: skip).</translation>
    </message>
    <message>
        <source>Fill FIELD from the CSV column headed HEADING; once per field. With any --map only the mapped columns are imported.</source>
        <translation>Fill FIELD from the CSV column headed HEADING; once per field. With any --map only the mapped columns are imported.</translation>
    </message>
    <message>
        <source>--on-duplicate: &apos;%1&apos; is not skip, update or add</source>
        <translation>--on-duplicate: &apos;%1&apos; is not skip, update or add</translation>
    </message>
    <message>
        <source>--map: &apos;%1&apos; is not FIELD=HEADING</source>
        <translation>--map: &apos;%1&apos; is not FIELD=HEADING</translation>
    </message>
    <message>
        <source>--map: no field is called &apos;%1&apos;</source>
        <translation>--map: no field is called &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--map: %1 is mapped twice</source>
        <translation>--map: %1 is mapped twice</translation>
    </message>
    <message>
        <source>a FILE to import</source>
        <translation>a FILE to import</translation>
    </message>
    <message>
        <source>--map applies to CSV files only</source>
        <translation>--map applies to CSV files only</translation>
    </message>
    <message>
        <source>
Prints how many contacts were read, added, updated and skipped, then one line per row
not imported or imported with a value longer than its column. Exits with 0 when the
import was stored, rejected rows included; with 1 when an error stopped it, and then
the contact file is as it was.
</source>
        <translation>
Prints how many contacts were read, added, updated and skipped, then one line per row
not imported or imported with a value longer than its column. Exits with 0 when the
import was stored, rejected rows included; with 1 when an error stopped it, and then
the contact file is as it was.
</translation>
    </message>
    <message>
        <source>Write CSV or vCard 3.0 (default: vcard when --out ends in .vcf or .vcard).</source>
        <translation>Write CSV or vCard 3.0 (default: vcard when --out ends in .vcf or .vcard).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output; FILE is replaced only once complete.</source>
        <translation>Write to FILE instead of standard output; FILE is replaced only once complete.</translation>
    </message>
    <message>
        <source>Begin the CSV with a UTF-8 byte-order mark (for spreadsheets).</source>
        <translation>Begin the CSV with a UTF-8 byte-order mark (for spreadsheets).</translation>
    </message>
    <message>
        <source>--bom applies to CSV only</source>
        <translation>--bom applies to CSV only</translation>
    </message>
    <message>
        <source>%1 is VALUE, or in the range FIRST..LAST.</source>
        <translation>%1 is VALUE, or in the range FIRST..LAST.</translation>
    </message>
    <message>
        <source>Sort by this field or column (default: %1).</source>
        <translation>Sort by this field or column (default: %1).</translation>
    </message>
    <message>
        <source>No, the record number</source>
        <translation>No, the record number</translation>
    </message>
    <message>
        <source>--%1 %2: a range needs both ends, as FIRST..LAST</source>
        <translation>--%1 %2: a range needs both ends, as FIRST..LAST</translation>
    </message>
    <message>
        <source>at most %1 criteria can be given</source>
        <translation>at most %1 criteria can be given</translation>
    </message>
    <message>
        <source>--order: no field is called &apos;%1&apos;</source>
        <translation>--order: no field is called &apos;%1&apos;</translation>
    </message>
    <message>
        <source>
Each field option is one criterion (at most %1, all must hold); a field may be given
more than once. Without criteria every contact is written. Values compare as in the
search window.
</source>
        <translation>
Each field option is one criterion (at most %1, all must hold); a field may be given
more than once. Without criteria every contact is written. Values compare as in the
search window.
</translation>
    </message>
    <message>
        <source>Write the pages to FILE (required); it is replaced only once complete.</source>
        <translation>Write the pages to FILE (required); it is replaced only once complete.</translation>
    </message>
    <message>
        <source>Company, as the list window</source>
        <translation>Company, as the list window</translation>
    </message>
    <message>
        <source>Print on this label sheet, named by brand and product code (e.g. &quot;Avery L7160&quot;), instead of the sheet in the print settings.</source>
        <translation>Print on this label sheet, named by brand and product code (e.g. &quot;Avery L7160&quot;), instead of the sheet in the print settings.</translation>
    </message>
    <message>
        <source>The first label to use on the first sheet: 1 is the top left, counting across (default 1).</source>
        <translation>The first label to use on the first sheet: 1 is the top left, counting across (default 1).</translation>
    </message>
    <message>
        <source>The title over the list (default: List/Report).</source>
        <translation>The title over the list (default: List/Report).</translation>
    </message>
    <message>
        <source>--pdf FILE is required</source>
        <translation>--pdf FILE is required</translation>
    </message>
    <message>
        <source>--sheet: give the brand and the product code, e.g. &quot;Avery L7160&quot;</source>
        <translation>--sheet: give the brand and the product code, e.g. &quot;Avery L7160&quot;</translation>
    </message>
    <message>
        <source>--start: &apos;%1&apos; is not a label number from 1</source>
        <translation>--start: &apos;%1&apos; is not a label number from 1</translation>
    </message>
    <message>
        <source>
The field options select contacts as &apos;corvella search&apos; does. The fonts, the line height and the
label layout come from the print settings in the contact file, and the pages are drawn as the
list window prints them. No window is shown and no display is needed.
</source>
        <translation>
The field options select contacts as &apos;corvella search&apos; does. The fonts, the line height and the
label layout come from the print settings in the contact file, and the pages are drawn as the
list window prints them. No window is shown and no display is needed.
</translation>
    </message>
    <message>
        <source>The file to write the copy to.</source>
        <translation>The file to write the copy to.</translation>
    </message>
    <message>
        <source>the DEST to write the copy to</source>
        <translation>the DEST to write the copy to</translation>
    </message>
    <message>
        <source>
The copy is an SQLite file like the contact file: Corvella opens it with --file DEST,
and the standard SQLite tools read it. It shows the file as it stood at one moment, also
while Corvella or another program writes to it. It is written under a temporary name
beside DEST and renamed to DEST only when complete, so a failed backup leaves any earlier
DEST as it was. DEST may not be the contact file itself.
</source>
        <translation>
The copy is an SQLite file like the contact file: Corvella opens it with --file DEST,
and the standard SQLite tools read it. It shows the file as it stood at one moment, also
while Corvella or another program writes to it. It is written under a temporary name
beside DEST and renamed to DEST only when complete, so a failed backup leaves any earlier
DEST as it was. DEST may not be the contact file itself.
</translation>
    </message>
    <message>
        <source>Bring the contacts of a CSV or vCard file into the contact file, in one go.</source>
        <translation>Bring the contacts of a CSV or vCard file into the contact file, in one go.</translation>
    </message>
    <message>
        <source>Write every contact, in record-number order, as CSV or vCard.</source>
        <translation>Write every contact, in record-number order, as CSV or vCard.</translation>
    </message>
    <message>
        <source>Print the number of contacts.</source>
        <translation>Print the number of contacts.</translation>
    </message>
    <message>
        <source>Write the contacts that meet every criterion, with all their columns.</source>
        <translation>Write the contacts that meet every criterion, with all their columns.</translation>
    </message>
    <message>
        <source>Write a copy of the contact file to DEST, also while it is in use.</source>
        <translation>Write a copy of the contact file to DEST, also while it is in use.</translation>
    </message>
    <message>
        <source>Print one address label per selected contact into a PDF file.</source>
        <translation>Print one address label per selected contact into a PDF file.</translation>
    </message>
    <message>
        <source>Print the list report of the selected contacts into a PDF file.</source>
        <translation>Print the list report of the selected contacts into a PDF file.</translation>
    </message>
    <message>
        <source>Usage: corvella [--file PATH] COMMAND [options]
Without a command or option, corvella opens its windows; --lang tr|en before it chooses the
language of its texts (default: the locale&apos;s).

Commands:
</source>
        <translation>Usage: corvella [--file PATH] COMMAND [options]
Without a command or option, corvella opens its windows; --lang tr|en before it chooses the
language of its texts (default: the locale&apos;s).

Commands:
</translation>
    </message>
    <message>
        <source>
Run &apos;corvella COMMAND --help&apos; for a command&apos;s options and the field names.
</source>
        <translation>
Run &apos;corvella COMMAND --help&apos; for a command&apos;s options and the field names.
</translation>
    </message>
    <message>
        <source>Usage: corvella [--file PATH] %1

%2

</source>
        <translation>Usage: corvella [--file PATH] %1

%2

</translation>
    </message>
    <message>
        <source>%1 (see &apos;corvella %2--help&apos;)</source>
        <translation>%1 (see &apos;corvella %2--help&apos;)</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Corvella contact file: it has no table %2.</source>
        <translation>The file &apos;%1&apos; is not a Corvella contact file: it has no table %2.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The columns of &apos;%1&apos; are not recognised: %2. Map them with --map FIELD=HEADING, e.g. --map name=&quot;%3&quot; (corvella import --help lists the fields).</source>
        <translation>The columns of &apos;%1&apos; are not recognised: %2. Map them with --map FIELD=HEADING, e.g. --map name=&quot;%3&quot; (corvella import --help lists the fields).</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;.</source>
        <translation>Cannot write &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Written to %1
</source>
        <translation>Written to %1
</translation>
    </message>
    <message>
        <source> Close it there, then import again; the contact file is unchanged.</source>
        <translation> Close it there, then import again; the contact file is unchanged.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <translation>Cannot open &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>Importing</translation>
    </message>
    <message>
        <source>List/Report</source>
        <translation>List/Report</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 rows</translation>
    </message>
    <message>
        <source>The contact file, or a postgresql://user@host:port/dbname database (default: %1).</source>
        <translation>The contact file, or a postgresql://user@host:port/dbname database (default: %1).</translation>
    </message>
    <message>
        <source>The empty contact file or database to copy into.</source>
        <translation>The empty contact file or database to copy into.</translation>
    </message>
    <message>
        <source>--to DEST is required</source>
        <translation>--to DEST is required</translation>
    </message>
    <message>
        <source>Copy every contact into an empty contact file or PostgreSQL database.</source>
        <translation>Copy every contact into an empty contact file or PostgreSQL database.</translation>
    </message>
    <message>
        <source>Contacts copied: %1.</source>
        <translation>Contacts copied: %1.</translation>
    </message>
    <message>
        <source>import, export, count, search, backup, copy, labels or report.</source>
        <translation>import, export, count, search, backup, copy, labels or report.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; the commands are import, export, count, search, backup, copy, labels and report</source>
        <translation>unknown command &apos;%1&apos;; the commands are import, export, count, search, backup, copy, labels and report</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; has no contact table %2: &apos;corvella copy --to %1&apos; fills an empty one from a contact file.</source>
        <translation>The database &apos;%1&apos; has no contact table %2: &apos;corvella copy --to %1&apos; fills an empty one from a contact file.</translation>
    </message>
    <message>
        <source>corvella import writes into a contact file, not into the database &apos;%1&apos;: import into a new contact file, then &apos;corvella --file FILE copy --to %1&apos;.</source>
        <translation>corvella import writes into a contact file, not into the database &apos;%1&apos;: import into a new contact file, then &apos;corvella --file FILE copy --to %1&apos;.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Password for %1: </translation>
    </message>
</context>
<context>
    <name>corvella::app::Tfrm_about</name>
    <message>
        <source>About Corvella</source>
        <translation>About Corvella</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Version 5.0</translation>
    </message>
    <message>
        <source>Made by Halvex.
Contacts, printed reports, address labels and bulk e-mail for small businesses.</source>
        <translation>Made by Halvex.
Contacts, printed reports, address labels and bulk e-mail for small businesses.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Contact file: %1</source>
        <translation>Contact file: %1</translation>
    </message>
</context>
<context>
    <name>corvella::app::Tfrmkayit</name>
    <message>
        <source>About Halvex</source>
        <translation>About Halvex</translation>
    </message>
    <message>
        <source>Print Settings</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>Get a report matching your custom criterias...</source>
        <translation>Get a report matching your custom criterias...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>Communication Information</source>
        <translation>Communication Information</translation>
    </message>
    <message>
        <source>Fatura Bilgileri</source>
        <translation>Invoice Information</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Sub-sector</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Work Phone</translation>
    </message>
    <message>
        <source>Ext.</source>
        <translation>Ext.</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Home Phone</translation>
    </message>
    <message>
        <source>GSM Phone</source>
        <translation>GSM Phone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Additional Info</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Fatura Adresi</source>
        <translation>Invoice Address</translation>
    </message>
    <message>
        <source>Vergi Dairesi</source>
        <translation>Tax Office</translation>
    </message>
    <message>
        <source>Vergi N#</source>
        <translation>Tax No.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Add contacts from a CSV or vCard file</source>
        <translation>Add contacts from a CSV or vCard file</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Write all contacts to a CSV or vCard file</source>
        <translation>Write all contacts to a CSV or vCard file</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Backup...</translation>
    </message>
    <message>
        <source>Write a copy of the contact file</source>
        <translation>Write a copy of the contact file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>The current record has unsaved changes. Save them?</source>
        <translation>The current record has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Export Contacts</translation>
    </message>
    <message>
        <source>Backup of the Contact File</source>
        <translation>Backup of the Contact File</translation>
    </message>
    <message>
        <source>Contact files (*.mdb);;All files (*)</source>
        <translation>Contact files (*.mdb);;All files (*)</translation>
    </message>
    <message>
        <source>A copy of the contact file &apos;%1&apos; was written to &apos;%2&apos;.</source>
        <translation>A copy of the contact file &apos;%1&apos; was written to &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>new record, %1 stored</source>
        <translation>new record, %1 stored</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>Lists the contacts holding every word typed here in any field (Ctrl+F)</source>
        <translation>Lists the contacts holding every word typed here in any field (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ColumnMappingDialog</name>
    <message>
        <source>Import Contacts: Columns</source>
        <translation>Import Contacts: Columns</translation>
    </message>
    <message>
        <source>The columns of &quot;%1&quot; are not those of a known export. Choose the contact field each column fills; columns left at &quot;(not imported)&quot; are skipped. Below, the first records as they would be stored.</source>
        <translation>The columns of &quot;%1&quot; are not those of a known export. Choose the contact field each column fills; columns left at &quot;(not imported)&quot; are skipped. Below, the first records as they would be stored.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File column&lt;/b&gt;</source>
        <translation>&lt;b&gt;File column&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Contact field&lt;/b&gt;</source>
        <translation>&lt;b&gt;Contact field&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;First record&lt;/b&gt;</source>
        <translation>&lt;b&gt;First record&lt;/b&gt;</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(not imported)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>%1 characters, more than the field&apos;s %2; it is stored whole.</source>
        <translation>%1 characters, more than the field&apos;s %2; it is stored whole.</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ExportDialog</name>
    <message>
        <source>&amp;CSV (spreadsheets, other address books)</source>
        <translation>&amp;CSV (spreadsheets, other address books)</translation>
    </message>
    <message>
        <source>&amp;vCard (phones, mail programs)</source>
        <translation>&amp;vCard (phones, mail programs)</translation>
    </message>
    <message>
        <source>Byte-order &amp;mark for spreadsheet programs</source>
        <translation>Byte-order &amp;mark for spreadsheet programs</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>vCard files (*.vcf);;All files (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ImportOptionsDialog</name>
    <message>
        <source>A contact already in the file (same e-mail, or same name, surname and company)</source>
        <translation>A contact already in the file (same e-mail, or same name, surname and company)</translation>
    </message>
    <message>
        <source>&amp;Skip it</source>
        <translation>&amp;Skip it</translation>
    </message>
    <message>
        <source>&amp;Update it with the file&apos;s values that are not empty</source>
        <translation>&amp;Update it with the file&apos;s values that are not empty</translation>
    </message>
    <message>
        <source>&amp;Add it again as a new contact</source>
        <translation>&amp;Add it again as a new contact</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Import Contacts</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ImportReportDialog</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Save Details...</source>
        <translation>&amp;Save Details...</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Import Contacts</translation>
    </message>
    <message>
        <source>Save Import Details</source>
        <translation>Save Import Details</translation>
    </message>
    <message>
        <source>Text files (*.txt);;CSV files (*.csv)</source>
        <translation>Text files (*.txt);;CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>corvella::mail::Tfrm_automail</name>
    <message>
        <source>%1 accepted, %2 refused, %3 skipped, %4 not sent.</source>
        <translation>%1 accepted, %2 refused, %3 skipped, %4 not sent.</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepted</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>not sent</translation>
    </message>
    <message>
        <source>Auto-mail</source>
        <translation>Auto-mail</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Bu tuşa basıldığında pencere kapanır.</source>
        <translation>Pressing this button closes the window.</translation>
    </message>
    <message>
        <source>Connection Info</source>
        <translation>Connection Info</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Send Mail</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Allow login without encryption</source>
        <translation>Allow login without encryption</translation>
    </message>
    <message>
        <source>mailto: or https:// address (optional)</source>
        <translation>mailto: or https:// (optional)</translation>
    </message>
    <message>
        <source>Mail Server</source>
        <translation>Mail Server</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User ID </source>
        <translation>User ID </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Unsubscribe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Send To List</source>
        <translation>Send To List</translation>
    </message>
    <message>
        <source>Düz Metin</source>
        <translation>Plain Text</translation>
    </message>
    <message>
        <source>Tab Ayraçlı Metin</source>
        <translation>Tab-Separated Text</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Send a test to me</source>
        <translation>Send a test to me</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>addresses per mail</source>
        <translation>addresses per mail</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Bağlanıldı.</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <source>Bağlantı kesildi.</source>
        <translation>Disconnected.</translation>
    </message>
    <message>
        <source>Sunucu bulundu.</source>
        <translation>Server found.</translation>
    </message>
    <message>
        <source>Sunucu geçersiz !</source>
        <translation>Invalid server!</translation>
    </message>
    <message>
        <source>Yeni bir sunucu belirtiniz :</source>
        <translation>Enter a new server:</translation>
    </message>
    <message>
        <source>Bağlantı sırasında hata oldu.</source>
        <translation>An error occurred while connecting.</translation>
    </message>
    <message>
        <source>Sunucuyla bağlantı kurulması gerekiyor. Bağlantı kurulsun mu ?</source>
        <translation>A connection to the server is needed. Connect now?</translation>
    </message>
    <message>
        <source>Başlık eksik.</source>
        <translation>Header incomplete.</translation>
    </message>
    <message>
        <source>Mesaj gönderiliyor...</source>
        <translation>Sending message...</translation>
    </message>
    <message>
        <source>%1 kodlanıyor...</source>
        <translation>Encoding %1...</translation>
    </message>
    <message>
        <source>%1 dosyasının kodlanması bitti.</source>
        <translation>Finished encoding %1.</translation>
    </message>
    <message>
        <source>%1 / %2 gönderildi.</source>
        <translation>%1 / %2 sent.</translation>
    </message>
    <message>
        <source>İşlem başarıyla tamamlandı.</source>
        <translation>Completed successfully.</translation>
    </message>
    <message>
        <source>HATA !!!</source>
        <translation>ERROR!!!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Max. alanına sıfırdan büyük bir tam sayı yazınız.</source>
        <translation>Enter a whole number above zero in the Max. field.</translation>
    </message>
    <message>
        <source>Gönderme tamamlandı...</source>
        <translation>Sending completed...</translation>
    </message>
    <message>
        <source>Bir  SMTP sunucuya baglanti yok...</source>
        <translation>No connection to an SMTP server...</translation>
    </message>
    <message>
        <source>Save the details</source>
        <translation>Save the details</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Cannot write file %1</translation>
    </message>
    <message>
        <source>A test message went to %1.</source>
        <translation>A test message went to %1.</translation>
    </message>
    <message>
        <source>HATA !!! Gönderme durdu: %1 adrese gönderildi.</source>
        <translation>ERROR!!! Sending stopped: sent to %1 addresses.</translation>
    </message>
    <message>
        <source>%1

SHA-256 fingerprint of the server&apos;s certificate:
%2

Trust this certificate for this sending?</source>
        <translation>%1

SHA-256 fingerprint of the server&apos;s certificate:
%2

Trust this certificate for this sending?</translation>
    </message>
    <message>
        <source>Tüm metni temizlemek istediginizden emin misiniz ?</source>
        <translation>Are you sure you want to clear all the text?</translation>
    </message>
    <message>
        <source>Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?</source>
        <translation>Are you REALLY sure you want to clear all the text?</translation>
    </message>
    <message>
        <source>Fill in the field &quot;%1&quot; on the page &quot;%2&quot;.</source>
        <translation>Fill in the field &quot;%1&quot; on the page &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The message will be sent to %1 addresses in %2 mails of at most %3 addresses each. Start sending?</source>
        <translation>The message will be sent to %1 addresses in %2 mails of at most %3 addresses each. Start sending?</translation>
    </message>
</context>
<context>
    <name>corvella::print::ColourFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Font:</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Bold Italic</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Font st&amp;yle:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Stri&amp;keout</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>corvella::print::PrintPreview</name>
    <message>
        <source>Preview: %1</source>
        <translation>Preview: %1</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Fit page</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Print every page</source>
        <translation>Print every page</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>Save every page as PDF</source>
        <translation>Save every page as PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Printing is not available.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Printing…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Saving…</translation>
    </message>
</context>
<context>
    <name>corvella::print::SheetChooser</name>
    <message>
        <source>Label Sheet</source>
        <translation>Label Sheet</translation>
    </message>
    <message>
        <source>Brand, product code or size, e.g. Avery L7160</source>
        <translation>Brand, product code or size, e.g. Avery L7160</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Label size</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Cannot be printed: </source>
        <translation>Cannot be printed: </translation>
    </message>
    <message>
        <source>%1 sheets from the label templates of the system.</source>
        <translation>%1 sheets from the label templates of the system.</translation>
    </message>
    <message>
        <source>%1 common sheets (the label templates of the system, package glabels-data, are not installed).</source>
        <translation>%1 common sheets (the label templates of the system, package glabels-data, are not installed).</translation>
    </message>
    <message>
        <source>
Left out: </source>
        <translation>
Left out: </translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>Choose a sheet.</translation>
    </message>
    <message>
        <source>%1: page %2 × %3 mm, labels %4 × %5 mm, gaps %6 and %7 mm, %8 in a row, left and top space %9 and %10 mm.</source>
        <translation>%1: page %2 × %3 mm, labels %4 × %5 mm, gaps %6 and %7 mm, %8 in a row, left and top space %9 and %10 mm.</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmetiketdm</name>
    <message>
        <source> İsim </source>
        <translation> Name </translation>
    </message>
    <message>
        <source>&amp;Yetkili Adı</source>
        <translation>&amp;Contact Person</translation>
    </message>
    <message>
        <source>&amp;Firma Sahibi</source>
        <translation>Company &amp;Owner</translation>
    </message>
    <message>
        <source>&amp;Hiçbiri</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source> Firma Adı </source>
        <translation> Company Name </translation>
    </message>
    <message>
        <source>&amp;Var</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Yok</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Etiket Dökümü</source>
        <translation>Label Printout</translation>
    </message>
    <message>
        <source>&amp;Start at label</source>
        <translation>&amp;Start at label</translation>
    </message>
    <message>
        <source>The first free label on the first sheet: 1 is the top left, counting across, then down. Later sheets start at their first label.</source>
        <translation>The first free label on the first sheet: 1 is the top left, counting across, then down. Later sheets start at their first label.</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmgelismisetiketayarlari</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>District</source>
        <translation>District</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>Name Font</source>
        <translation>Name Font</translation>
    </message>
    <message>
        <source>Company Font</source>
        <translation>Company Font</translation>
    </message>
    <message>
        <source>Address Font</source>
        <translation>Address Font</translation>
    </message>
    <message>
        <source>City Font</source>
        <translation>City Font</translation>
    </message>
    <message>
        <source>District Font</source>
        <translation>District Font</translation>
    </message>
    <message>
        <source>Postal Code Font</source>
        <translation>Postal Code Font</translation>
    </message>
    <message>
        <source>Country Font</source>
        <translation>Country Font</translation>
    </message>
    <message>
        <source>Advanced Label Settings</source>
        <translation>Advanced Label Settings</translation>
    </message>
    <message>
        <source>Font Name                 </source>
        <translation>Font Name                 </translation>
    </message>
    <message>
        <source>Font Size </source>
        <translation>Font Size </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>mm.</source>
        <translation>mm.</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Page Width</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Page Height</translation>
    </message>
    <message>
        <source>Left Space</source>
        <translation>Left Space</translation>
    </message>
    <message>
        <source>Top Space</source>
        <translation>Top Space</translation>
    </message>
    <message>
        <source> Label ... </source>
        <translation> Label ... </translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Horizontal Gap</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Vertical Gap</translation>
    </message>
    <message>
        <source>&amp;Sample</source>
        <translation>&amp;Sample</translation>
    </message>
    <message>
        <source>Sample Text</source>
        <translation>Sample Text</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmyazdirmaayarlari</name>
    <message>
        <source>Print Settings</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>Font Name                 </source>
        <translation>Font Name                 </translation>
    </message>
    <message>
        <source>Font Size </source>
        <translation>Font Size </translation>
    </message>
    <message>
        <source>Caption Font</source>
        <translation>Caption Font</translation>
    </message>
    <message>
        <source>Normal Text Font</source>
        <translation>Normal Text Font</translation>
    </message>
    <message>
        <source>List Font</source>
        <translation>List Font</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Character Width</source>
        <translation>Character Width</translation>
    </message>
    <message>
        <source>mm.</source>
        <translation>mm.</translation>
    </message>
    <message>
        <source>Label Y axis ratio %</source>
        <translation>Label Y axis ratio %</translation>
    </message>
    <message>
        <source>Test / &amp;Set</source>
        <translation>Test / &amp;Set</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Label Width</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Label Height</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Horizontal Gap</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Vertical Gap</translation>
    </message>
    <message>
        <source>labels in a row</source>
        <translation>labels in a row</translation>
    </message>
    <message>
        <source>&amp;Pick Sheet...</source>
        <translation>&amp;Pick Sheet...</translation>
    </message>
    <message>
        <source>Fill the label sheet values from a sheet&apos;s brand and product code</source>
        <translation>Fill the label sheet values from a sheet&apos;s brand and product code</translation>
    </message>
    <message>
        <source>Printing X axis ratio         %</source>
        <translation>Printing X axis ratio         %</translation>
    </message>
    <message>
        <source>Printing Y axis ratio         %</source>
        <translation>Printing Y axis ratio         %</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>T&amp;est</translation>
    </message>
    <message>
        <source>List Line &amp;Height</source>
        <translation>List Line &amp;Height</translation>
    </message>
    <message>
        <source> Printer </source>
        <translation> Printer </translation>
    </message>
    <message>
        <source>B/W</source>
        <translation>B/W</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Advanced &amp;Label Settings</source>
        <translation>Advanced &amp;Label Settings</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Yazdırma Ayarları</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>Lütfen dörtgenin enini mm. cinsinden yazınız.</source>
        <translation>Please enter the width of the rectangle in mm.</translation>
    </message>
    <message>
        <source>Lütfen dörtgenin boyunu mm. cinsinden yazınız.</source>
        <translation>Please enter the height of the rectangle in mm.</translation>
    </message>
    <message>
        <source>Etiket Dökümü Ayarları</source>
        <translation>Label Printout Settings</translation>
    </message>
    <message>
        <source>Lütfen &quot;X&quot; harfleri arasındaki uzaklığı mm. cinsinden yazınız.</source>
        <translation>Please enter the distance between the &quot;X&quot; letters in mm.</translation>
    </message>
    <message>
        <source>Lütfen &quot;.&quot; işaretleri arasındaki uzaklığı mm. cinsinden yazınız.</source>
        <translation>Please enter the distance between the &quot;.&quot; marks in mm.</translation>
    </message>
</context>
<context>
    <name>corvella::search::Tfrm_arama</name>
    <message>
        <source>Search...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Sol taraftaki kutuyu işaretlediğiniz takdirde bu kritere göre arama yapılacak, aksi takdirde yapılmayacaktır.</source>
        <translation>If you tick the box on the left, the search uses this criterion; otherwise it does not.</translation>
    </message>
    <message>
        <source>&amp;View </source>
        <translation>&amp;View </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>SubSector</source>
        <translation>SubSector</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Additional Info</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source>List/Report</source>
        <translation>List/Report</translation>
    </message>
    <message>
        <source>There are no records matching your search criterias...</source>
        <translation>There are no records matching your search criterias...</translation>
    </message>
</context>
<context>
    <name>corvella::search::Tfrm_liste</name>
    <message>
        <source>List/Report</source>
        <translation>List/Report</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Print Report</translation>
    </message>
    <message>
        <source>Print list...</source>
        <translation>Print list...</translation>
    </message>
    <message>
        <source>Print &amp;Labels</source>
        <translation>Print &amp;Labels</translation>
    </message>
    <message>
        <source>Print labels for the records in the list...</source>
        <translation>Print labels for the records in the list...</translation>
    </message>
    <message>
        <source>Send auto-mail to Listed...</source>
        <translation>Send auto-mail to Listed...</translation>
    </message>
    <message>
        <source>Records found :</source>
        <translation>Records found :</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Write the listed contacts with all their fields to a CSV file</source>
        <translation>Write the listed contacts with all their fields to a CSV file</translation>
    </message>
    <message>
        <source>Export vCard...</source>
        <translation>Export vCard...</translation>
    </message>
    <message>
        <source>Write the listed contacts with all their fields to a vCard file</source>
        <translation>Write the listed contacts with all their fields to a vCard file</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Look at the report or the labels page by page before printing</source>
        <translation>Look at the report or the labels page by page before printing</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Labels</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>You can select a record from list.</source>
        <translation>You can select a record from list.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Printing is not available.</translation>
    </message>
    <message>
        <source>Yazıcı Meşgul</source>
        <translation>Printer Busy</translation>
    </message>
    <message>
        <source>&amp;Listeyi Yazıcıya Gönder</source>
        <translation>&amp;Send List to Printer</translation>
    </message>
    <message>
        <source>No printer is installed: the report was saved to
%1</source>
        <translation>No printer is installed: the report was saved to
%1</translation>
    </message>
    <message>
        <source>Auto-Mail To List</source>
        <translation>Auto-Mail To List</translation>
    </message>
    <message>
        <source>&amp;Etiket Dökümü</source>
        <translation>&amp;Label Printout</translation>
    </message>
    <message>
        <source>The list is empty.</source>
        <translation>The list is empty.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>Export vCard</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Sub-sector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Find: %1</source>
        <translation>Find: %1</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>Counting the contacts found...</source>
        <translation>Counting the contacts found...</translation>
    </message>
    <message>
        <source>Sorting the list...</source>
        <translation>Sorting the list...</translation>
    </message>
</context>
<context>
    <name>corvella::ui::DBNavigator</name>
    <message>
        <source>First record</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Prior record</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Insert record</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Edit record</translation>
    </message>
    <message>
        <source>Post edit</source>
        <translation>Post edit</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Cancel edit</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Delete record?</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>The export was cancelled.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 characters, %3 fit the column</source>
        <translation>&apos;%1&apos; has %2 characters, %3 fit the column</translation>
    </message>
    <message>
        <source>; kept whole</source>
        <translation>; kept whole</translation>
    </message>
    <message>
        <source>The import was cancelled; the contact file is as it was before.
</source>
        <translation>The import was cancelled; the contact file is as it was before.
</translation>
    </message>
    <message>
        <source>Rows read: %1. Added: %2. Updated: %3. Skipped as duplicates: %4. Rejected: %5.</source>
        <translation>Rows read: %1. Added: %2. Updated: %3. Skipped as duplicates: %4. Rejected: %5.</translation>
    </message>
    <message>
        <source>
%1 rows have values longer than their column; they were kept whole.</source>
        <translation>
%1 rows have values longer than their column; they were kept whole.</translation>
    </message>
    <message>
        <source>line %1: rejected: %2</source>
        <translation>line %1: rejected: %2</translation>
    </message>
    <message>
        <source>... and %1 more rejected rows</source>
        <translation>... and %1 more rejected rows</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more rows with long values</source>
        <translation>... and %1 more rows with long values</translation>
    </message>
    <message>
        <source>no name, surname, company or e-mail</source>
        <translation>no name, surname, company or e-mail</translation>
    </message>
    <message>
        <source>Cannot import into the contact file &apos;%1&apos;; it is unchanged. %2</source>
        <translation>Cannot import into the contact file &apos;%1&apos;; it is unchanged. %2</translation>
    </message>
    <message>
        <source>a value of %1 characters is longer than the %2 a contact field can hold</source>
        <translation>a value of %1 characters is longer than the %2 a contact field can hold</translation>
    </message>
    <message>
        <source>the file has no heading row</source>
        <translation>the file has no heading row</translation>
    </message>
    <message>
        <source>the row has %1 fields where the heading row has %2</source>
        <translation>the row has %1 fields where the heading row has %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contact field.</source>
        <translation>&apos;%1&apos; is not a contact field.</translation>
    </message>
    <message>
        <source>The file has no column &apos;%1&apos;; its columns are: %2.</source>
        <translation>The file has no column &apos;%1&apos;; its columns are: %2.</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;, line %2: %3</source>
        <translation>&apos;%1&apos;, line %2: %3</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor Windows-1254</source>
        <translation>the text is neither UTF-8 nor Windows-1254</translation>
    </message>
    <message>
        <source>the text is not valid %1</source>
        <translation>the text is not valid %1</translation>
    </message>
    <message>
        <source>the file holds binary data, not text</source>
        <translation>the file holds binary data, not text</translation>
    </message>
    <message>
        <source>a quoted field that starts in this record is never closed</source>
        <translation>a quoted field that starts in this record is never closed</translation>
    </message>
    <message>
        <source>Cannot write to &apos;%1&apos;: %2</source>
        <translation>Cannot write to &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>the card that begins here has no END:VCARD</source>
        <translation>the card that begins here has no END:VCARD</translation>
    </message>
    <message>
        <source>text outside a card (BEGIN:VCARD ... END:VCARD)</source>
        <translation>text outside a card (BEGIN:VCARD ... END:VCARD)</translation>
    </message>
    <message>
        <source>a card line without a value</source>
        <translation>a card line without a value</translation>
    </message>
    <message>
        <source>the text is not valid %1: it ends inside a letter</source>
        <translation>the text is not valid %1: it ends inside a letter</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>No address</source>
        <translation>No address</translation>
    </message>
    <message>
        <source>The address holds a line break or another control character</source>
        <translation>The address holds a line break or another control character</translation>
    </message>
    <message>
        <source>The address holds a space</source>
        <translation>The address holds a space</translation>
    </message>
    <message>
        <source>The address holds a letter that SMTP cannot carry</source>
        <translation>The address holds a letter that SMTP cannot carry</translation>
    </message>
    <message>
        <source>The address is longer than 254 characters</source>
        <translation>The address is longer than 254 characters</translation>
    </message>
    <message>
        <source>The address has no &quot;@&quot;</source>
        <translation>The address has no &quot;@&quot;</translation>
    </message>
    <message>
        <source>The address has more than one &quot;@&quot;</source>
        <translation>The address has more than one &quot;@&quot;</translation>
    </message>
    <message>
        <source>The part before &quot;@&quot; is not a valid mailbox name</source>
        <translation>The part before &quot;@&quot; is not a valid mailbox name</translation>
    </message>
    <message>
        <source>The address has no domain after &quot;@&quot;</source>
        <translation>The address has no domain after &quot;@&quot;</translation>
    </message>
    <message>
        <source>The domain after &quot;@&quot; is not valid</source>
        <translation>The domain after &quot;@&quot; is not valid</translation>
    </message>
    <message>
        <source>The number of addresses per mail must be above zero</source>
        <translation>The number of addresses per mail must be above zero</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s (%2)</source>
        <translation>The server did not answer within %1 s (%2)</translation>
    </message>
    <message>
        <source>The server closed the connection during DATA (%1)</source>
        <translation>The server closed the connection during DATA (%1)</translation>
    </message>
    <message>
        <source>The server&apos;s greeting is not SMTP: %1</source>
        <translation>The server&apos;s greeting is not SMTP: %1</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in %1</source>
        <translation>Invalid character (CR, LF or NUL) in %1</translation>
    </message>
    <message>
        <source>The unsubscribe address must begin with mailto: or https:// and hold no blanks or angle brackets: %1</source>
        <translation>The unsubscribe address must begin with mailto: or https:// and hold no blanks or angle brackets: %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>The server does not offer STARTTLS; nothing was sent unencrypted</source>
        <translation>The server does not offer STARTTLS; nothing was sent unencrypted</translation>
    </message>
    <message>
        <source>Login refused: the password would travel unencrypted</source>
        <translation>Login refused: the password would travel unencrypted</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in the password</source>
        <translation>Invalid character (CR, LF or NUL) in the password</translation>
    </message>
    <message>
        <source>The message is %1 bytes long; the server takes at most %2</source>
        <translation>The message is %1 bytes long; the server takes at most %2</translation>
    </message>
    <message>
        <source>The server offers no login method this program knows (PLAIN or LOGIN)</source>
        <translation>The server offers no login method this program knows (PLAIN or LOGIN)</translation>
    </message>
    <message>
        <source>Connection closed by the server</source>
        <translation>Connection closed by the server</translation>
    </message>
    <message>
        <source>The server&apos;s reply ran past %1 lines</source>
        <translation>The server&apos;s reply ran past %1 lines</translation>
    </message>
    <message>
        <source>The server&apos;s reply ran past %1 bytes</source>
        <translation>The server&apos;s reply ran past %1 bytes</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Bad file number</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Bad address</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Operation would block</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Operation now in progress</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Operation already in progress</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Socket operation on non-socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Destination address required</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Message too long</translation>
    </message>
    <message>
        <source>Wrong protocol type for socket</source>
        <translation>Wrong protocol type for socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Bad protocol option</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protocol not supported</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Socket type not supported</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Operation not supported on socket</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protocol family not supported</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Address family not supported by protocol family</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Address already in use</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Can&apos;t assign requested address</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Network is down</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Network is unreachable</translation>
    </message>
    <message>
        <source>Network dropped connection or reset</source>
        <translation>Network dropped connection or reset</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Software caused connection abort</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connection reset by peer</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>No buffer space available</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Socket is already connected</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Socket is not connected</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Can&apos;t send after socket shutdown</translation>
    </message>
    <message>
        <source>Too many references, can&apos;t splice</source>
        <translation>Too many references, can&apos;t splice</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Connection timed out</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connection refused</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Host is down</translation>
    </message>
    <message>
        <source>No route to Host</source>
        <translation>No route to Host</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Directory not empty</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Too many processes</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Too many users</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Disc quota exceeded</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Stale NFS file handle</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Too many levels of remote in path</translation>
    </message>
    <message>
        <source>Network subsystem is unavailable</source>
        <translation>Network subsystem is unavailable</translation>
    </message>
    <message>
        <source>Incompatible version of WINSOCK.DLL</source>
        <translation>Incompatible version of WINSOCK.DLL</translation>
    </message>
    <message>
        <source>Successful WSAStartup not yet performed</source>
        <translation>Successful WSAStartup not yet performed</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host not found</translation>
    </message>
    <message>
        <source>Non-Authoritative Host not found</source>
        <translation>Non-Authoritative Host not found</translation>
    </message>
    <message>
        <source>Non-Recoverable error: FORMERR, REFUSED, NOTIMP</source>
        <translation>Non-Recoverable error: FORMERR, REFUSED, NOTIMP</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Valid name, no data record of requested type</translation>
    </message>
    <message>
        <source>Unknown Error No. %1</source>
        <translation>Unknown Error No. %1</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in UserID</source>
        <translation>Invalid character (CR, LF or NUL) in UserID</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Incomplete Header</source>
        <translation>Incomplete Header</translation>
    </message>
    <message>
        <source>Encoder streams not set</source>
        <translation>Encoder streams not set</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Stream write error</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Stream read error</translation>
    </message>
    <message>
        <source>Initializaton of windows sockets failed</source>
        <translation>Initializaton of windows sockets failed</translation>
    </message>
    <message>
        <source>Host Lookup Timed Out</source>
        <translation>Host Lookup Timed Out</translation>
    </message>
    <message>
        <source>Host Lookup Canceled</source>
        <translation>Host Lookup Canceled</translation>
    </message>
    <message>
        <source>Host Lookup Failed</source>
        <translation>Host Lookup Failed</translation>
    </message>
    <message>
        <source>Already connected</source>
        <translation>Already connected</translation>
    </message>
    <message>
        <source>Null Remote Address</source>
        <translation>Null Remote Address</translation>
    </message>
    <message>
        <source>Connection Timed out</source>
        <translation>Connection Timed out</translation>
    </message>
    <message>
        <source>Connection Canceled</source>
        <translation>Connection Canceled</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>Connection Failed</translation>
    </message>
    <message>
        <source>TLS refused: the server sent data before the handshake</source>
        <translation>TLS refused: the server sent data before the handshake</translation>
    </message>
    <message>
        <source>TLS handshake canceled</source>
        <translation>TLS handshake canceled</translation>
    </message>
    <message>
        <source>TLS handshake timed out</source>
        <translation>TLS handshake timed out</translation>
    </message>
    <message>
        <source>TLS handshake failed: %1</source>
        <translation>TLS handshake failed: %1</translation>
    </message>
    <message>
        <source>connection closed by the server</source>
        <translation>connection closed by the server</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Not Connected</translation>
    </message>
    <message>
        <source>Socket send aborted</source>
        <translation>Socket send aborted</translation>
    </message>
    <message>
        <source>Line longer than the line buffer of %1 bytes</source>
        <translation>Line longer than the line buffer of %1 bytes</translation>
    </message>
    <message>
        <source>Socket readln aborted</source>
        <translation>Socket readln aborted</translation>
    </message>
    <message>
        <source>Invalid seek origin = %1</source>
        <translation>Invalid seek origin = %1</translation>
    </message>
    <message>
        <source>Seek error</source>
        <translation>Seek error</translation>
    </message>
    <message>
        <source>No Timer</source>
        <translation>No Timer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--lang: &apos;%1&apos; is neither tr nor en</source>
        <translation>--lang: &apos;%1&apos; is neither tr nor en</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>the preview</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>District</source>
        <translation>District</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>No label fits across the page. Check the page width, the left margin, the label width and the horizontal gap in the label settings.</source>
        <translation>No label fits across the page. Check the page width, the left margin, the label width and the horizontal gap in the label settings.</translation>
    </message>
    <message>
        <source>No label fits down the page. Check the page height, the top margin, the label height and the vertical gap in the label settings.</source>
        <translation>No label fits down the page. Check the page height, the top margin, the label height and the vertical gap in the label settings.</translation>
    </message>
    <message>
        <source>Label %1 is not on the sheet: it holds %2 labels, %3 across and %4 down, numbered from 1 at the top left.</source>
        <translation>Label %1 is not on the sheet: it holds %2 labels, %3 across and %4 down, numbered from 1 at the top left.</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Page Width</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Page Height</translation>
    </message>
    <message>
        <source>Left Space</source>
        <translation>Left Space</translation>
    </message>
    <message>
        <source>Top Space</source>
        <translation>Top Space</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Label Width</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Label Height</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Horizontal Gap</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Vertical Gap</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>The print job could not be started on %1.</source>
        <translation>The print job could not be started on %1.</translation>
    </message>
    <message>
        <source>A new page could not be started on %1.</source>
        <translation>A new page could not be started on %1.</translation>
    </message>
    <message>
        <source>The print job could not be completed on %1.</source>
        <translation>The print job could not be completed on %1.</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Printer is not currently printing</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos;</source>
        <translation>the file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>There is no default printer currently selected</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>Cannot create the folder &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>the default printer</translation>
    </message>
    <message>
        <source>No printer is installed. The printout was saved as a PDF file:
%1</source>
        <translation>No printer is installed. The printout was saved as a PDF file:
%1</translation>
    </message>
    <message>
        <source>List Line Height</source>
        <translation>List Line Height</translation>
    </message>
    <message>
        <source>Caption Font Size</source>
        <translation>Caption Font Size</translation>
    </message>
    <message>
        <source>List Font Size</source>
        <translation>List Font Size</translation>
    </message>
    <message>
        <source>%1 in the print settings is not a number: &apos;%2&apos;. Correct it before printing.</source>
        <translation>%1 in the print settings is not a number: &apos;%2&apos;. Correct it before printing.</translation>
    </message>
    <message>
        <source>%1 in the print settings is %2; it must lie between %3 and %4 %5. Correct it before printing.</source>
        <translation>%1 in the print settings is %2; it must lie between %3 and %4 %5. Correct it before printing.</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>round labels</source>
        <translation>round labels</translation>
    </message>
    <message>
        <source>oval labels</source>
        <translation>oval labels</translation>
    </message>
    <message>
        <source>CD or DVD labels</source>
        <translation>CD or DVD labels</translation>
    </message>
    <message>
        <source>labels of a shape other than a rectangle</source>
        <translation>labels of a shape other than a rectangle</translation>
    </message>
    <message>
        <source>impossible dimensions: a size is missing or not a length</source>
        <translation>impossible dimensions: a size is missing or not a length</translation>
    </message>
    <message>
        <source>impossible dimensions: a size or count of zero or less</source>
        <translation>impossible dimensions: a size or count of zero or less</translation>
    </message>
    <message>
        <source>impossible dimensions: the labels overlap</source>
        <translation>impossible dimensions: the labels overlap</translation>
    </message>
    <message>
        <source>impossible dimensions: the labels reach past the %1 × %2 mm paper</source>
        <translation>impossible dimensions: the labels reach past the %1 × %2 mm paper</translation>
    </message>
    <message>
        <source>paper longer than the label settings take (%1 mm)</source>
        <translation>paper longer than the label settings take (%1 mm)</translation>
    </message>
    <message>
        <source>in whole millimetres the label settings would place %1 × %2 labels on it, not %3 × %4</source>
        <translation>in whole millimetres the label settings would place %1 × %2 labels on it, not %3 × %4</translation>
    </message>
    <message>
        <source>no label is described</source>
        <translation>no label is described</translation>
    </message>
    <message>
        <source>several kinds of label on one sheet</source>
        <translation>several kinds of label on one sheet</translation>
    </message>
    <message>
        <source>no layout is described</source>
        <translation>no layout is described</translation>
    </message>
    <message>
        <source>several layouts on one sheet</source>
        <translation>several layouts on one sheet</translation>
    </message>
    <message>
        <source>the paper size &apos;%1&apos; is unknown</source>
        <translation>the paper size &apos;%1&apos; is unknown</translation>
    </message>
    <message>
        <source>it is given as the same as %1, which no template describes</source>
        <translation>it is given as the same as %1, which no template describes</translation>
    </message>
    <message>
        <source>No label sheet is called &apos;%1&apos;. Give the brand and the product code, e.g. &quot;Avery L7160&quot;.</source>
        <translation>No label sheet is called &apos;%1&apos;. Give the brand and the product code, e.g. &quot;Avery L7160&quot;.</translation>
    </message>
    <message>
        <source> These template files could not be read: </source>
        <translation> These template files could not be read: </translation>
    </message>
    <message>
        <source>The label sheet %1 cannot be printed with the label settings: %2.</source>
        <translation>The label sheet %1 cannot be printed with the label settings: %2.</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Printing in progress</translation>
    </message>
    <message>
        <source>A label holds at most %1 elements of a kind.</source>
        <translation>A label holds at most %1 elements of a kind.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Printing is not available.</translation>
    </message>
    <message>
        <source>impossible dimensions: labels smaller than a millimetre</source>
        <translation>impossible dimensions: labels smaller than a millimetre</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>Printing was cancelled.</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 of %2 pages printed</translation>
    </message>
    <message>
        <source>The printout has %1 pages. Print all of them?</source>
        <translation>The printout has %1 pages. Print all of them?</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>The print job could not be started on %1: %2</source>
        <translation>The print job could not be started on %1: %2</translation>
    </message>
    <message>
        <source>The printer &apos;%1&apos; did not take the print job: %2</source>
        <translation>The printer &apos;%1&apos; did not take the print job: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>The list&apos;s statement does not have the shape of a search.</source>
        <translation>The list&apos;s statement does not have the shape of a search.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>The contact file &apos;%1&apos; is in use by another program (%2).</source>
        <translation>The contact file &apos;%1&apos; is in use by another program (%2).</translation>
    </message>
    <message>
        <source>Unknown database error</source>
        <translation>Unknown database error</translation>
    </message>
    <message>
        <source>Cannot write to the contact file &apos;%1&apos;: the disk is full (%2).</source>
        <translation>Cannot write to the contact file &apos;%1&apos;: the disk is full (%2).</translation>
    </message>
    <message>
        <source>Cannot write to the contact file &apos;%1&apos;: there is no permission to change it or its folder (%2).</source>
        <translation>Cannot write to the contact file &apos;%1&apos;: there is no permission to change it or its folder (%2).</translation>
    </message>
    <message>
        <source>Cannot open the contact file &apos;%1&apos; or the journal SQLite keeps beside it (%2).</source>
        <translation>Cannot open the contact file &apos;%1&apos; or the journal SQLite keeps beside it (%2).</translation>
    </message>
    <message>
        <source>Cannot read or write the contact file &apos;%1&apos;: the disk reported an error (%2).</source>
        <translation>Cannot read or write the contact file &apos;%1&apos;: the disk reported an error (%2).</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is damaged (%2).</source>
        <translation>The contact file &apos;%1&apos; is damaged (%2).</translation>
    </message>
    <message>
        <source>The connection string names no data source.</source>
        <translation>The connection string names no data source.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Could not find file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot open the contact file &apos;%1&apos;: %2</source>
        <translation>Cannot open the contact file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Corvella contact file (an SQLite database): %2</source>
        <translation>The file &apos;%1&apos; is not a Corvella contact file (an SQLite database): %2</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; has its tables already.</source>
        <translation>The contact file &apos;%1&apos; has its tables already.</translation>
    </message>
    <message>
        <source>A backup cannot be written over the contact file &apos;%1&apos; itself.</source>
        <translation>A backup cannot be written over the contact file &apos;%1&apos; itself.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: it is a folder; name a file in it.</source>
        <translation>Cannot write the backup &apos;%1&apos;: it is a folder; name a file in it.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: the folder &apos;%2&apos; does not exist.</source>
        <translation>Cannot write the backup &apos;%1&apos;: the folder &apos;%2&apos; does not exist.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: %2</source>
        <translation>Cannot write the backup &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is already open in another Corvella.</source>
        <translation>The contact file &apos;%1&apos; is already open in another Corvella.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is already open in another Corvella (process %2).</source>
        <translation>The contact file &apos;%1&apos; is already open in another Corvella (process %2).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>The file &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>Cannot create the folder &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The contact file is not open through SQLite.</source>
        <translation>The contact file is not open through SQLite.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>The statement is empty.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Cannot perform this operation on a closed dataset</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>Field &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Cannot modify a read-only dataset</translation>
    </message>
    <message>
        <source>Field index %1 out of range</source>
        <translation>Field index %1 out of range</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Cannot perform this operation on an empty dataset</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</translation>
    </message>
    <message>
        <source>The record cannot be found; it may have been deleted.</source>
        <translation>The record cannot be found; it may have been deleted.</translation>
    </message>
    <message>
        <source>The record cannot be found for updating; it may have been deleted.</source>
        <translation>The record cannot be found for updating; it may have been deleted.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; has no table %2.</source>
        <translation>The contact file &apos;%1&apos; has no table %2.</translation>
    </message>
    <message>
        <source>Another user has changed this record since it was read. Your changes were not stored.</source>
        <translation>Another user has changed this record since it was read. Your changes were not stored.</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>Cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; should hold one line with the database&apos;s address, postgresql://user@host:port/dbname, and nothing else but # comments.</source>
        <translation>The file &apos;%1&apos; should hold one line with the database&apos;s address, postgresql://user@host:port/dbname, and nothing else but # comments.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds a password in the database&apos;s address. Corvella does not read passwords from files it keeps: remove it from the address and put it in ~/.pgpass or PGPASSWORD, or type it when Corvella asks.</source>
        <translation>The file &apos;%1&apos; holds a password in the database&apos;s address. Corvella does not read passwords from files it keeps: remove it from the address and put it in ~/.pgpass or PGPASSWORD, or type it when Corvella asks.</translation>
    </message>
</context>
</TS>
