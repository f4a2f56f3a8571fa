<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ContactCaptions</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Meslek</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sektör</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Alt sektör</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>İş Telefonu</translation>
    </message>
    <message>
        <source>Ext.</source>
        <translation>Dah.</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Ev Telefonu</translation>
    </message>
    <message>
        <source>GSM Phone</source>
        <translation>GSM Tel.</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Address, second line</source>
        <translation>Adres, ikinci satır</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Posta Kodu</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Ek Bilgi</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-posta</translation>
    </message>
    <message>
        <source>Fatura Adresi</source>
        <translation>Fatura Adresi</translation>
    </message>
    <message>
        <source>Fatura Adresi, second line</source>
        <translation>Fatura Adresi, ikinci satır</translation>
    </message>
</context>
<context>
    <name>ContactTransfer</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message>
        <source>a Corvella export</source>
        <translation>Corvella dışa aktarımı</translation>
    </message>
    <message>
        <source>a Google Contacts export</source>
        <translation>Google Kişiler dışa aktarımı</translation>
    </message>
    <message>
        <source>an Outlook export</source>
        <translation>Outlook dışa aktarımı</translation>
    </message>
    <message>
        <source>CSV with the columns you chose</source>
        <translation>seçtiğiniz sütunlarla CSV</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>sekme</translation>
    </message>
    <message>
        <source>Read as %1: %2 of its %3 columns are imported (%4, separated by %5).</source>
        <translation>%1 olarak okundu: %3 sütunun %2 tanesi alınacak (%4, ayraç: %5).</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kişileri İçe Aktar</translation>
    </message>
    <message>
        <source>Contact files (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Kişi dosyaları (*.csv *.txt *.vcf *.vcard);;CSV dosyaları (*.csv *.txt);;vCard dosyaları (*.vcf *.vcard);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; açılamıyor: %2</translation>
    </message>
    <message>
        <source>Read as a vCard file.</source>
        <translation>vCard dosyası olarak okundu.</translation>
    </message>
    <message>
        <source>Importing contacts</source>
        <translation>Kişiler içe aktarılıyor</translation>
    </message>
    <message>
        <source>%1 contacts read</source>
        <translation>%1 kişi okundu</translation>
    </message>
    <message>
        <source>

No contact was imported; the contact file is unchanged.</source>
        <translation>

Hiçbir kişi alınmadı; kişi dosyası değişmedi.</translation>
    </message>
    <message>
        <source>The import was cancelled; the contact file is unchanged.</source>
        <translation>İçe aktarma iptal edildi; kişi dosyası değişmedi.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 contacts written</source>
        <translation>%1 kişi yazıldı</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>Dışa aktarma iptal edildi; hiçbir dosya yazılmadı.</translation>
    </message>
    <message>
        <source>%1 contacts written to &apos;%2&apos;.</source>
        <translation>%1 kişi &apos;%2&apos; dosyasına yazıldı.</translation>
    </message>
</context>
<context>
    <name>EditGuard</name>
    <message>
        <source>Read the record again to see what is stored now? No keeps your changes on the screen.</source>
        <translation>Kaydın şu an saklanan hâlini görmek için yeniden okunsun mu? Hayır, değişiklikleriniz ekranda kalır.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The contact file &apos;%1&apos; does not exist.
Create a new, empty contact file there?</source>
        <translation>&apos;%1&apos; kişi dosyası yok.
Orada yeni, boş bir kişi dosyası oluşturulsun mu?</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is empty.
Create the tables of a new, empty contact file in it?</source>
        <translation>&apos;%1&apos; kişi dosyası boş.
İçinde yeni, boş bir kişi dosyasının tabloları oluşturulsun mu?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is an SQLite database without the contact table kayit.
Add the tables of a new, empty contact file to it?</source>
        <translation>&apos;%1&apos; dosyası, kayit kişi tablosu olmayan bir SQLite veritabanı.
Yeni, boş bir kişi dosyasının tabloları eklensin mi?</translation>
    </message>
    <message>
        <source>
Go on working in that window; this one closes.</source>
        <translation>
O pencerede çalışmaya devam edin; bu pencere kapanıyor.</translation>
    </message>
    <message>
        <source>
Retry when that program has finished with it, or Cancel to close Corvella.</source>
        <translation>
O program işini bitirince Yeniden Dene&apos;ye, Corvella&apos;yı kapatmak için İptal&apos;e basın.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is in use by another program.
Retry when that program has finished with it, or Cancel.</source>
        <translation>&apos;%1&apos; kişi dosyası başka bir program tarafından kullanılıyor.
O program işini bitirince Yeniden Dene&apos;ye ya da İptal&apos;e basın.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; has no contact tables.
Create the tables of a new, empty contact file in it?</source>
        <translation>&apos;%1&apos; veritabanında kişi tabloları yok.
İçinde yeni, boş bir kişi dosyasının tabloları oluşturulsun mu?</translation>
    </message>
    <message>
        <source>Database Password</source>
        <translation>Veritabanı Parolası</translation>
    </message>
    <message>
        <source>The server asks for a password for %1. Corvella keeps it only until it closes.
Password:</source>
        <translation>Sunucu %1 için parola istiyor. Corvella onu yalnızca kapanana dek saklar.
Parola:</translation>
    </message>
</context>
<context>
    <name>TestPrintRun</name>
    <message>
        <source>The old signal file &apos;%1&apos; cannot be deleted.</source>
        <translation>Eski sinyal dosyası &apos;%1&apos; silinemiyor.</translation>
    </message>
    <message>
        <source>Etiket Dökümü Ayarları</source>
        <translation>Etiket Dökümü Ayarları</translation>
    </message>
    <message>
        <source>Waiting for the test page to be printed...</source>
        <translation>Deneme sayfasının yazdırılması bekleniyor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>The test-print program &apos;%1&apos; could not be started: %2</source>
        <translation>Deneme yazdırma programı &apos;%1&apos; başlatılamadı: %2</translation>
    </message>
    <message>
        <source>The test-print program ended without reporting that the test page was printed.</source>
        <translation>Deneme yazdırma programı, deneme sayfasının yazdırıldığını bildirmeden sona erdi.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Show this help.</source>
        <translation>Bu yardımı göster.</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is neither csv nor vcard</source>
        <translation>--format: &apos;%1&apos; ne csv ne de vcard</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>beklenmeyen argüman &apos;%1&apos;</translation>
    </message>
    <message>
        <source> is missing</source>
        <translation> eksik</translation>
    </message>
    <message>
        <source>
Fields (FIELD may also be the column&apos;s own name, e.g. &quot;Firma Adi&quot;):
</source>
        <translation>
Alanlar (ALAN, sütunun kendi adı da olabilir, ör. &quot;Firma Adi&quot;):
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 failed (the message names the file), 2 wrong usage.
</source>
        <translation>
Çıkış durumu: 0 tamam, 1 başarısız (ileti dosyayı belirtir), 2 yanlış kullanım.
</translation>
    </message>
    <message>
        <source>The CSV or vCard file to import.</source>
        <translation>İçe aktarılacak CSV ya da vCard dosyası.</translation>
    </message>
    <message>
        <source>The file&apos;s format (default: vcard for .vcf and .vcard, csv otherwise).</source>
        <translation>Dosyanın biçimi (varsayılan: .vcf ve .vcard için vcard, yoksa csv).</translation>
    </message>
    <message>
        <source>A contact whose e-mail, or name, surname and company, is already in the file is skipped, updated with the file&apos;s non-empty values, or added anyway (default: skip).</source>
        <translation>E-postası ya da adı, soyadı ve firması dosyada zaten olan bir kişi atlanır, dosyanın boş olmayan değerleriyle güncellenir ya da yine de eklenir (varsayılan: skip).</translation>
    </message>
    <message>
        <source>Fill FIELD from the CSV column headed HEADING; once per field. With any --map only the mapped columns are imported.</source>
        <translation>ALAN&apos;ı, başlığı BAŞLIK olan CSV sütunundan doldur; her alan için bir kez. Herhangi bir --map verilirse yalnızca eşlenen sütunlar alınır.</translation>
    </message>
    <message>
        <source>--on-duplicate: &apos;%1&apos; is not skip, update or add</source>
        <translation>--on-duplicate: &apos;%1&apos; skip, update ya da add değil</translation>
    </message>
    <message>
        <source>--map: &apos;%1&apos; is not FIELD=HEADING</source>
        <translation>--map: &apos;%1&apos; ALAN=BAŞLIK biçiminde değil</translation>
    </message>
    <message>
        <source>--map: no field is called &apos;%1&apos;</source>
        <translation>--map: &apos;%1&apos; adında bir alan yok</translation>
    </message>
    <message>
        <source>--map: %1 is mapped twice</source>
        <translation>--map: %1 iki kez eşlenmiş</translation>
    </message>
    <message>
        <source>a FILE to import</source>
        <translation>içe aktarılacak bir DOSYA</translation>
    </message>
    <message>
        <source>--map applies to CSV files only</source>
        <translation>--map yalnızca CSV dosyaları için geçerlidir</translation>
    </message>
    <message>
        <source>
Prints how many contacts were read, added, updated and skipped, then one line per row
not imported or imported with a value longer than its column. Exits with 0 when the
import was stored, rejected rows included; with 1 when an error stopped it, and then
the contact file is as it was.
</source>
        <translation>
Kaç kişinin okunduğunu, eklendiğini, güncellendiğini ve atlandığını, ardından alınmayan ya da
sütunundan uzun bir değerle alınan her satır için bir satır yazar. İçe aktarma saklandığında
(reddedilen satırlar dahil) 0 ile, bir hata onu durdurduğunda 1 ile çıkar; o zaman kişi
dosyası olduğu gibi kalır.
</translation>
    </message>
    <message>
        <source>Write CSV or vCard 3.0 (default: vcard when --out ends in .vcf or .vcard).</source>
        <translation>CSV ya da vCard 3.0 yaz (varsayılan: --out .vcf ya da .vcard ile bitiyorsa vcard).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output; FILE is replaced only once complete.</source>
        <translation>Standart çıktı yerine DOSYA&apos;ya yaz; DOSYA ancak tamamlanınca değiştirilir.</translation>
    </message>
    <message>
        <source>Begin the CSV with a UTF-8 byte-order mark (for spreadsheets).</source>
        <translation>CSV&apos;yi bir UTF-8 bayt sırası imiyle başlat (hesap tabloları için).</translation>
    </message>
    <message>
        <source>--bom applies to CSV only</source>
        <translation>--bom yalnızca CSV için geçerlidir</translation>
    </message>
    <message>
        <source>%1 is VALUE, or in the range FIRST..LAST.</source>
        <translation>%1, DEĞER olsun ya da İLK..SON aralığında olsun.</translation>
    </message>
    <message>
        <source>Sort by this field or column (default: %1).</source>
        <translation>Bu alana ya da sütuna göre sırala (varsayılan: %1).</translation>
    </message>
    <message>
        <source>No, the record number</source>
        <translation>No, kayıt numarası</translation>
    </message>
    <message>
        <source>--%1 %2: a range needs both ends, as FIRST..LAST</source>
        <translation>--%1 %2: bir aralığın iki ucu da gerekir, İLK..SON gibi</translation>
    </message>
    <message>
        <source>at most %1 criteria can be given</source>
        <translation>en çok %1 ölçüt verilebilir</translation>
    </message>
    <message>
        <source>--order: no field is called &apos;%1&apos;</source>
        <translation>--order: &apos;%1&apos; adında bir alan yok</translation>
    </message>
    <message>
        <source>
Each field option is one criterion (at most %1, all must hold); a field may be given
more than once. Without criteria every contact is written. Values compare as in the
search window.
</source>
        <translation>
Her alan seçeneği bir ölçüttür (en çok %1, hepsi sağlanmalı); bir alan birden çok kez
verilebilir. Ölçüt verilmezse tüm kişiler yazılır. Değerler arama penceresindeki gibi
karşılaştırılır.
</translation>
    </message>
    <message>
        <source>Write the pages to FILE (required); it is replaced only once complete.</source>
        <translation>Sayfaları DOSYA&apos;ya yaz (gerekli); dosya ancak tamamlanınca değiştirilir.</translation>
    </message>
    <message>
        <source>Company, as the list window</source>
        <translation>Firma, liste penceresindeki gibi</translation>
    </message>
    <message>
        <source>Print on this label sheet, named by brand and product code (e.g. &quot;Avery L7160&quot;), instead of the sheet in the print settings.</source>
        <translation>Yazdırma ayarlarındaki sayfa yerine, marka ve ürün koduyla adlandırılan bu etiket sayfasına yazdır (ör. &quot;Avery L7160&quot;).</translation>
    </message>
    <message>
        <source>The first label to use on the first sheet: 1 is the top left, counting across (default 1).</source>
        <translation>İlk sayfada kullanılacak ilk etiket: 1 sol üsttedir, yana doğru sayılır (varsayılan 1).</translation>
    </message>
    <message>
        <source>The title over the list (default: List/Report).</source>
        <translation>Listenin üstündeki başlık (varsayılan: Liste/Rapor).</translation>
    </message>
    <message>
        <source>--pdf FILE is required</source>
        <translation>--pdf DOSYA gereklidir</translation>
    </message>
    <message>
        <source>--sheet: give the brand and the product code, e.g. &quot;Avery L7160&quot;</source>
        <translation>--sheet: marka ve ürün kodunu verin, ör. &quot;Avery L7160&quot;</translation>
    </message>
    <message>
        <source>--start: &apos;%1&apos; is not a label number from 1</source>
        <translation>--start: &apos;%1&apos;, 1&apos;den başlayan bir etiket numarası değil</translation>
    </message>
    <message>
        <source>
The field options select contacts as &apos;corvella search&apos; does. The fonts, the line height and the
label layout come from the print settings in the contact file, and the pages are drawn as the
list window prints them. No window is shown and no display is needed.
</source>
        <translation>
Alan seçenekleri kişileri &apos;corvella search&apos; gibi seçer. Yazı tipleri, satır yüksekliği ve etiket
düzeni kişi dosyasındaki yazdırma ayarlarından gelir; sayfalar liste penceresinin yazdırdığı gibi
çizilir. Pencere gösterilmez, ekran gerekmez.
</translation>
    </message>
    <message>
        <source>The file to write the copy to.</source>
        <translation>Kopyanın yazılacağı dosya.</translation>
    </message>
    <message>
        <source>the DEST to write the copy to</source>
        <translation>kopyanın yazılacağı DEST</translation>
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
Kopya, kişi dosyası gibi bir SQLite dosyasıdır: Corvella onu --file DEST ile açar, standart
SQLite araçları da okur. Dosyayı, Corvella ya da başka bir program ona yazarken bile, tek bir
andaki haliyle gösterir. DEST&apos;in yanında geçici bir adla yazılır ve ancak tamamlanınca DEST
adını alır; böylece başarısız bir yedekleme önceki DEST&apos;i olduğu gibi bırakır. DEST kişi
dosyasının kendisi olamaz.
</translation>
    </message>
    <message>
        <source>Bring the contacts of a CSV or vCard file into the contact file, in one go.</source>
        <translation>Bir CSV ya da vCard dosyasının kişilerini tek seferde kişi dosyasına al.</translation>
    </message>
    <message>
        <source>Write every contact, in record-number order, as CSV or vCard.</source>
        <translation>Tüm kişileri kayıt numarası sırasıyla CSV ya da vCard olarak yaz.</translation>
    </message>
    <message>
        <source>Print the number of contacts.</source>
        <translation>Kişi sayısını yaz.</translation>
    </message>
    <message>
        <source>Write the contacts that meet every criterion, with all their columns.</source>
        <translation>Tüm ölçütleri sağlayan kişileri bütün sütunlarıyla yaz.</translation>
    </message>
    <message>
        <source>Write a copy of the contact file to DEST, also while it is in use.</source>
        <translation>Kişi dosyasının bir kopyasını, kullanımdayken bile, DEST&apos;e yaz.</translation>
    </message>
    <message>
        <source>Print one address label per selected contact into a PDF file.</source>
        <translation>Seçilen her kişi için bir adres etiketini bir PDF dosyasına yazdır.</translation>
    </message>
    <message>
        <source>Print the list report of the selected contacts into a PDF file.</source>
        <translation>Seçilen kişilerin liste raporunu bir PDF dosyasına yazdır.</translation>
    </message>
    <message>
        <source>Usage: corvella [--file PATH] COMMAND [options]
Without a command or option, corvella opens its windows; --lang tr|en before it chooses the
language of its texts (default: the locale&apos;s).

Commands:
</source>
        <translation>Kullanım: corvella [--file PATH] KOMUT [seçenekler]
Komut ya da seçenek verilmezse corvella pencerelerini açar; önüne yazılan --lang tr|en
metinlerinin dilini seçer (varsayılan: yerel ayarın dili).

Komutlar:
</translation>
    </message>
    <message>
        <source>
Run &apos;corvella COMMAND --help&apos; for a command&apos;s options and the field names.
</source>
        <translation>
Bir komutun seçenekleri ve alan adları için &apos;corvella KOMUT --help&apos; çalıştırın.
</translation>
    </message>
    <message>
        <source>Usage: corvella [--file PATH] %1

%2

</source>
        <translation>Kullanım: corvella [--file PATH] %1

%2

</translation>
    </message>
    <message>
        <source>%1 (see &apos;corvella %2--help&apos;)</source>
        <translation>%1 (bkz. &apos;corvella %2--help&apos;)</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Programın sürümünü göster.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>komut verilmedi</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Standart çıktıya yazılamıyor: %1</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Corvella contact file: it has no table %2.</source>
        <translation>&apos;%1&apos; dosyası bir Corvella kişi dosyası değil: %2 tablosu yok.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Yazılıyor</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standart çıktı</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The columns of &apos;%1&apos; are not recognised: %2. Map them with --map FIELD=HEADING, e.g. --map name=&quot;%3&quot; (corvella import --help lists the fields).</source>
        <translation>&apos;%1&apos; dosyasının sütunları tanınmadı: %2. Onları --map ALAN=BAŞLIK ile eşleyin, ör. --map name=&quot;%3&quot; (corvella import --help alanları listeler).</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; yazılamıyor.</translation>
    </message>
    <message>
        <source>Written to %1
</source>
        <translation>%1 dosyasına yazıldı
</translation>
    </message>
    <message>
        <source> Close it there, then import again; the contact file is unchanged.</source>
        <translation> Orada kapatın, sonra yeniden içe aktarın; kişi dosyası değişmedi.</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; açılamıyor: %2</translation>
    </message>
    <message>
        <source>Importing</source>
        <translation>İçe aktarılıyor</translation>
    </message>
    <message>
        <source>List/Report</source>
        <translation>Liste/Rapor</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 satır</translation>
    </message>
    <message>
        <source>The contact file, or a postgresql://user@host:port/dbname database (default: %1).</source>
        <translation>Kişi dosyası ya da postgresql://kullanıcı@sunucu:port/veritabanı adresindeki veritabanı (varsayılan: %1).</translation>
    </message>
    <message>
        <source>The empty contact file or database to copy into.</source>
        <translation>Kişilerin kopyalanacağı boş kişi dosyası ya da veritabanı.</translation>
    </message>
    <message>
        <source>--to DEST is required</source>
        <translation>--to DEST gerekli</translation>
    </message>
    <message>
        <source>Copy every contact into an empty contact file or PostgreSQL database.</source>
        <translation>Tüm kişileri boş bir kişi dosyasına ya da PostgreSQL veritabanına kopyala.</translation>
    </message>
    <message>
        <source>Contacts copied: %1.</source>
        <translation>Kopyalanan kişi: %1.</translation>
    </message>
    <message>
        <source>import, export, count, search, backup, copy, labels or report.</source>
        <translation>import, export, count, search, backup, copy, labels ya da report.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;; the commands are import, export, count, search, backup, copy, labels and report</source>
        <translation>bilinmeyen komut &apos;%1&apos;; komutlar: import, export, count, search, backup, copy, labels ve report</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; has no contact table %2: &apos;corvella copy --to %1&apos; fills an empty one from a contact file.</source>
        <translation>&apos;%1&apos; veritabanında %2 kişi tablosu yok: &apos;corvella copy --to %1&apos; boş bir veritabanını bir kişi dosyasından doldurur.</translation>
    </message>
    <message>
        <source>corvella import writes into a contact file, not into the database &apos;%1&apos;: import into a new contact file, then &apos;corvella --file FILE copy --to %1&apos;.</source>
        <translation>corvella import bir kişi dosyasına yazar, &apos;%1&apos; veritabanına değil: yeni bir kişi dosyasına aktarın, sonra &apos;corvella --file FILE copy --to %1&apos;.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 için parola: </translation>
    </message>
</context>
<context>
    <name>corvella::app::Tfrm_about</name>
    <message>
        <source>About Corvella</source>
        <translation>Corvella Hakkında</translation>
    </message>
    <message>
        <source>Version 5.0</source>
        <translation>Sürüm 5.0</translation>
    </message>
    <message>
        <source>Made by Halvex.
Contacts, printed reports, address labels and bulk e-mail for small businesses.</source>
        <translation>Halvex yapımıdır.
Küçük işletmeler için kişiler, basılı raporlar, adres etiketleri ve toplu e-posta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Contact file: %1</source>
        <translation>Kişi dosyası: %1</translation>
    </message>
</context>
<context>
    <name>corvella::app::Tfrmkayit</name>
    <message>
        <source>About Halvex</source>
        <translation>Halvex Hakkında</translation>
    </message>
    <message>
        <source>Print Settings</source>
        <translation>Baskı Ayarları</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapor</translation>
    </message>
    <message>
        <source>Get a report matching your custom criterias...</source>
        <translation>Seçtiğiniz ölçütlere uyan bir rapor alın...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Pencereyi Kapat</translation>
    </message>
    <message>
        <source>Communication Information</source>
        <translation>İletişim Bilgileri</translation>
    </message>
    <message>
        <source>Fatura Bilgileri</source>
        <translation>Fatura Bilgileri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Meslek</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sektör</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Alt sektör</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>İş Telefonu</translation>
    </message>
    <message>
        <source>Ext.</source>
        <translation>Dah.</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Ev Telefonu</translation>
    </message>
    <message>
        <source>GSM Phone</source>
        <translation>GSM Tel.</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Posta Kodu</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Ek Bilgi</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-posta</translation>
    </message>
    <message>
        <source>Fatura Adresi</source>
        <translation>Fatura Adresi</translation>
    </message>
    <message>
        <source>Vergi Dairesi</source>
        <translation>Vergi Dairesi</translation>
    </message>
    <message>
        <source>Vergi N#</source>
        <translation>Vergi N#</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>İçe Aktar...</translation>
    </message>
    <message>
        <source>Add contacts from a CSV or vCard file</source>
        <translation>Bir CSV ya da vCard dosyasından kişi ekle</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Dışa Aktar...</translation>
    </message>
    <message>
        <source>Write all contacts to a CSV or vCard file</source>
        <translation>Tüm kişileri bir CSV ya da vCard dosyasına yaz</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Yedekle...</translation>
    </message>
    <message>
        <source>Write a copy of the contact file</source>
        <translation>Kişi dosyasının bir kopyasını yaz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tam sayı değil</translation>
    </message>
    <message>
        <source>The current record has unsaved changes. Save them?</source>
        <translation>Bu kayıtta kaydedilmemiş değişiklikler var. Kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Kişileri Dışa Aktar</translation>
    </message>
    <message>
        <source>Backup of the Contact File</source>
        <translation>Kişi Dosyasının Yedeği</translation>
    </message>
    <message>
        <source>Contact files (*.mdb);;All files (*)</source>
        <translation>Kişi dosyaları (*.mdb);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>A copy of the contact file &apos;%1&apos; was written to &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; kişi dosyasının bir kopyası &apos;%2&apos; olarak yazıldı.</translation>
    </message>
    <message>
        <source>new record, %1 stored</source>
        <translation>yeni kayıt, %1 kayıtlı</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Bul…</translation>
    </message>
    <message>
        <source>Lists the contacts holding every word typed here in any field (Ctrl+F)</source>
        <translation>Buraya yazılan her sözcüğü herhangi bir alanında taşıyan kişileri listeler (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ColumnMappingDialog</name>
    <message>
        <source>Import Contacts: Columns</source>
        <translation>Kişileri İçe Aktar: Sütunlar</translation>
    </message>
    <message>
        <source>The columns of &quot;%1&quot; are not those of a known export. Choose the contact field each column fills; columns left at &quot;(not imported)&quot; are skipped. Below, the first records as they would be stored.</source>
        <translation>&quot;%1&quot; dosyasının sütunları bilinen bir dışa aktarımınkiler değil. Her sütunun dolduracağı kişi alanını seçin; &quot;(alınmaz)&quot; olarak bırakılan sütunlar atlanır. Aşağıda ilk kayıtlar saklanacakları biçimde görünüyor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;File column&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dosya sütunu&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Contact field&lt;/b&gt;</source>
        <translation>&lt;b&gt;Kişi alanı&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;First record&lt;/b&gt;</source>
        <translation>&lt;b&gt;İlk kayıt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(alınmaz)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;İçe Aktar</translation>
    </message>
    <message>
        <source>%1 characters, more than the field&apos;s %2; it is stored whole.</source>
        <translation>%1 karakter, alanın %2 karakterinden fazla; olduğu gibi saklanır.</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ExportDialog</name>
    <message>
        <source>&amp;CSV (spreadsheets, other address books)</source>
        <translation>&amp;CSV (hesap tabloları, başka adres defterleri)</translation>
    </message>
    <message>
        <source>&amp;vCard (phones, mail programs)</source>
        <translation>&amp;vCard (telefonlar, e-posta programları)</translation>
    </message>
    <message>
        <source>Byte-order &amp;mark for spreadsheet programs</source>
        <translation>Hesap tablosu programları için bayt sırası i&amp;mi</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Gözat...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Dışa Aktar</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Dosya:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Biçim:</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;All files (*)</source>
        <translation>vCard dosyaları (*.vcf);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists. Replace it?</source>
        <translation>&apos;%1&apos; zaten var. Yerine yazılsın mı?</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ImportOptionsDialog</name>
    <message>
        <source>A contact already in the file (same e-mail, or same name, surname and company)</source>
        <translation>Dosyada zaten olan bir kişi (aynı e-posta ya da aynı ad, soyad ve firma)</translation>
    </message>
    <message>
        <source>&amp;Skip it</source>
        <translation>&amp;Atla</translation>
    </message>
    <message>
        <source>&amp;Update it with the file&apos;s values that are not empty</source>
        <translation>&amp;Dosyadaki boş olmayan değerlerle güncelle</translation>
    </message>
    <message>
        <source>&amp;Add it again as a new contact</source>
        <translation>&amp;Yeni bir kişi olarak yeniden ekle</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kişileri İçe Aktar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;İçe Aktar</translation>
    </message>
</context>
<context>
    <name>corvella::exchange::ImportReportDialog</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Ayrıntılar</translation>
    </message>
    <message>
        <source>&amp;Save Details...</source>
        <translation>Ayrıntıları &amp;Kaydet...</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kişileri İçe Aktar</translation>
    </message>
    <message>
        <source>Save Import Details</source>
        <translation>İçe Aktarma Ayrıntılarını Kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt);;CSV files (*.csv)</source>
        <translation>Metin dosyaları (*.txt);;CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>corvella::mail::Tfrm_automail</name>
    <message>
        <source>%1 accepted, %2 refused, %3 skipped, %4 not sent.</source>
        <translation>%1 kabul edildi, %2 reddedildi, %3 atlandı, %4 gönderilmedi.</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>kabul edildi</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>reddedildi</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>atlandı</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>gönderilmedi</translation>
    </message>
    <message>
        <source>Auto-mail</source>
        <translation>Otomatik E-posta</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Bu tuşa basıldığında pencere kapanır.</source>
        <translation>Bu tuşa basıldığında pencere kapanır.</translation>
    </message>
    <message>
        <source>Connection Info</source>
        <translation>Bağlantı Bilgileri</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>E-posta Gönder</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Allow login without encryption</source>
        <translation>Şifrelemesiz oturum açmaya izin ver</translation>
    </message>
    <message>
        <source>mailto: or https:// address (optional)</source>
        <translation>mailto: ya da https:// (seçmeli)</translation>
    </message>
    <message>
        <source>Mail Server</source>
        <translation>E-posta Sunucusu</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Güvenlik</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User ID </source>
        <translation>Kullanıcı Adı </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-posta</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Abonelikten Çıkma</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Çıkar</translation>
    </message>
    <message>
        <source>Send To List</source>
        <translation>Listeye Gönder</translation>
    </message>
    <message>
        <source>Düz Metin</source>
        <translation>Düz Metin</translation>
    </message>
    <message>
        <source>Tab Ayraçlı Metin</source>
        <translation>Tab Ayraçlı Metin</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Send a test to me</source>
        <translation>Bana deneme gönder</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Kime</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Ekler</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>En çok</translation>
    </message>
    <message>
        <source>addresses per mail</source>
        <translation>adres bir iletide</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Konu</translation>
    </message>
    <message>
        <source>Bağlanıldı.</source>
        <translation>Bağlanıldı.</translation>
    </message>
    <message>
        <source>Bağlantı kesildi.</source>
        <translation>Bağlantı kesildi.</translation>
    </message>
    <message>
        <source>Sunucu bulundu.</source>
        <translation>Sunucu bulundu.</translation>
    </message>
    <message>
        <source>Sunucu geçersiz !</source>
        <translation>Sunucu geçersiz !</translation>
    </message>
    <message>
        <source>Yeni bir sunucu belirtiniz :</source>
        <translation>Yeni bir sunucu belirtiniz :</translation>
    </message>
    <message>
        <source>Bağlantı sırasında hata oldu.</source>
        <translation>Bağlantı sırasında hata oldu.</translation>
    </message>
    <message>
        <source>Sunucuyla bağlantı kurulması gerekiyor. Bağlantı kurulsun mu ?</source>
        <translation>Sunucuyla bağlantı kurulması gerekiyor. Bağlantı kurulsun mu ?</translation>
    </message>
    <message>
        <source>Başlık eksik.</source>
        <translation>Başlık eksik.</translation>
    </message>
    <message>
        <source>Mesaj gönderiliyor...</source>
        <translation>Mesaj gönderiliyor...</translation>
    </message>
    <message>
        <source>%1 kodlanıyor...</source>
        <translation>%1 kodlanıyor...</translation>
    </message>
    <message>
        <source>%1 dosyasının kodlanması bitti.</source>
        <translation>%1 dosyasının kodlanması bitti.</translation>
    </message>
    <message>
        <source>%1 / %2 gönderildi.</source>
        <translation>%1 / %2 gönderildi.</translation>
    </message>
    <message>
        <source>İşlem başarıyla tamamlandı.</source>
        <translation>İşlem başarıyla tamamlandı.</translation>
    </message>
    <message>
        <source>HATA !!!</source>
        <translation>HATA !!!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tam sayı değil</translation>
    </message>
    <message>
        <source>Max. alanına sıfırdan büyük bir tam sayı yazınız.</source>
        <translation>Max. alanına sıfırdan büyük bir tam sayı yazınız.</translation>
    </message>
    <message>
        <source>Gönderme tamamlandı...</source>
        <translation>Gönderme tamamlandı...</translation>
    </message>
    <message>
        <source>Bir  SMTP sunucuya baglanti yok...</source>
        <translation>Bir  SMTP sunucuya baglanti yok...</translation>
    </message>
    <message>
        <source>Save the details</source>
        <translation>Ayrıntıları kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>%1 dosyası oluşturulamıyor</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>%1 dosyası yazılamıyor</translation>
    </message>
    <message>
        <source>A test message went to %1.</source>
        <translation>Deneme iletisi %1 adresine gönderildi.</translation>
    </message>
    <message>
        <source>HATA !!! Gönderme durdu: %1 adrese gönderildi.</source>
        <translation>HATA !!! Gönderme durdu: %1 adrese gönderildi.</translation>
    </message>
    <message>
        <source>%1

SHA-256 fingerprint of the server&apos;s certificate:
%2

Trust this certificate for this sending?</source>
        <translation>%1

Sunucu sertifikasının SHA-256 parmak izi:
%2

Bu gönderim için bu sertifikaya güvenilsin mi?</translation>
    </message>
    <message>
        <source>Tüm metni temizlemek istediginizden emin misiniz ?</source>
        <translation>Tüm metni temizlemek istediginizden emin misiniz ?</translation>
    </message>
    <message>
        <source>Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?</source>
        <translation>Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?</translation>
    </message>
    <message>
        <source>Fill in the field &quot;%1&quot; on the page &quot;%2&quot;.</source>
        <translation>&quot;%2&quot; sayfasındaki &quot;%1&quot; alanını doldurunuz.</translation>
    </message>
    <message>
        <source>The message will be sent to %1 addresses in %2 mails of at most %3 addresses each. Start sending?</source>
        <translation>İleti %1 adrese, her birinde en çok %3 adres bulunan %2 posta ile gönderilecek. Gönderme başlasın mı?</translation>
    </message>
</context>
<context>
    <name>corvella::print::ColourFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Yazı Tipi</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Yazı tipi:</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Kalın İtalik</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Yazı &amp;biçimi:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>B&amp;oyut:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efektler</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Üstü çi&amp;zili</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Altı çizili</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Renk:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Örnek</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kestane</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Zeytin</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Lacivert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Deniz Mavisi</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Açık Yeşil</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuşya</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Su Mavisi</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
</context>
<context>
    <name>corvella::print::PrintPreview</name>
    <message>
        <source>Preview: %1</source>
        <translation>Önizleme: %1</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>İlk sayfa</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Önceki sayfa</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Sonraki sayfa</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Son sayfa</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Sayfaya sığdır</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Genişliğe sığdır</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>Print every page</source>
        <translation>Tüm sayfaları yazdır</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>P&amp;DF olarak kaydet...</translation>
    </message>
    <message>
        <source>Save every page as PDF</source>
        <translation>Tüm sayfaları PDF olarak kaydet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Yazdırma kullanılamıyor.</translation>
    </message>
    <message>
        <source>Printing…</source>
        <translation>Yazdırılıyor…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Kaydediliyor…</translation>
    </message>
</context>
<context>
    <name>corvella::print::SheetChooser</name>
    <message>
        <source>Label Sheet</source>
        <translation>Etiket Sayfası</translation>
    </message>
    <message>
        <source>Brand, product code or size, e.g. Avery L7160</source>
        <translation>Marka, ürün kodu ya da boyut, ör. Avery L7160</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marka</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Ürün</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kağıt</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketler</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Etiket boyutu</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Cannot be printed: </source>
        <translation>Yazdırılamaz: </translation>
    </message>
    <message>
        <source>%1 sheets from the label templates of the system.</source>
        <translation>Sistemin etiket şablonlarından %1 sayfa.</translation>
    </message>
    <message>
        <source>%1 common sheets (the label templates of the system, package glabels-data, are not installed).</source>
        <translation>%1 yaygın sayfa (sistemin etiket şablonları, glabels-data paketi, kurulu değil).</translation>
    </message>
    <message>
        <source>
Left out: </source>
        <translation>
Dışarıda bırakılanlar: </translation>
    </message>
    <message>
        <source>Choose a sheet.</source>
        <translation>Bir sayfa seçin.</translation>
    </message>
    <message>
        <source>%1: page %2 × %3 mm, labels %4 × %5 mm, gaps %6 and %7 mm, %8 in a row, left and top space %9 and %10 mm.</source>
        <translation>%1: sayfa %2 × %3 mm, etiketler %4 × %5 mm, aralıklar %6 ve %7 mm, bir sırada %8, sol ve üst boşluk %9 ve %10 mm.</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmetiketdm</name>
    <message>
        <source> İsim </source>
        <translation> İsim </translation>
    </message>
    <message>
        <source>&amp;Yetkili Adı</source>
        <translation>&amp;Yetkili Adı</translation>
    </message>
    <message>
        <source>&amp;Firma Sahibi</source>
        <translation>&amp;Firma Sahibi</translation>
    </message>
    <message>
        <source>&amp;Hiçbiri</source>
        <translation>&amp;Hiçbiri</translation>
    </message>
    <message>
        <source> Firma Adı </source>
        <translation> Firma Adı </translation>
    </message>
    <message>
        <source>&amp;Var</source>
        <translation>&amp;Var</translation>
    </message>
    <message>
        <source>&amp;Yok</source>
        <translation>&amp;Yok</translation>
    </message>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message>
        <source>Etiket Dökümü</source>
        <translation>Etiket Dökümü</translation>
    </message>
    <message>
        <source>&amp;Start at label</source>
        <translation>&amp;Başlangıç etiketi</translation>
    </message>
    <message>
        <source>The first free label on the first sheet: 1 is the top left, counting across, then down. Later sheets start at their first label.</source>
        <translation>İlk sayfadaki ilk boş etiket: 1 sol üsttedir, önce yana, sonra aşağı sayılır. Sonraki sayfalar ilk etiketlerinden başlar.</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmgelismisetiketayarlari</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>District</source>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Posta Kodu</translation>
    </message>
    <message>
        <source>Name Font</source>
        <translation>Ad Yazı Tipi</translation>
    </message>
    <message>
        <source>Company Font</source>
        <translation>Firma Yazı Tipi</translation>
    </message>
    <message>
        <source>Address Font</source>
        <translation>Adres Yazı Tipi</translation>
    </message>
    <message>
        <source>City Font</source>
        <translation>İl Yazı Tipi</translation>
    </message>
    <message>
        <source>District Font</source>
        <translation>İlçe Yazı Tipi</translation>
    </message>
    <message>
        <source>Postal Code Font</source>
        <translation>Posta Kodu Yazı Tipi</translation>
    </message>
    <message>
        <source>Country Font</source>
        <translation>Ülke Yazı Tipi</translation>
    </message>
    <message>
        <source>Advanced Label Settings</source>
        <translation>Gelişmiş Etiket Ayarları</translation>
    </message>
    <message>
        <source>Font Name                 </source>
        <translation>Yazı Tipi Adı</translation>
    </message>
    <message>
        <source>Font Size </source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>mm.</source>
        <translation>mm.</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Sayfa Eni</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Sayfa Boyu</translation>
    </message>
    <message>
        <source>Left Space</source>
        <translation>Sol Boşluk</translation>
    </message>
    <message>
        <source>Top Space</source>
        <translation>Üst Boşluk</translation>
    </message>
    <message>
        <source> Label ... </source>
        <translation> Etiket ... </translation>
    </message>
    <message>
        <source>Width</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Boy</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Yatay Aralık</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Dikey Aralık</translation>
    </message>
    <message>
        <source>&amp;Sample</source>
        <translation>&amp;Örnek</translation>
    </message>
    <message>
        <source>Sample Text</source>
        <translation>Örnek Metin</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
</context>
<context>
    <name>corvella::print::Tfrmyazdirmaayarlari</name>
    <message>
        <source>Print Settings</source>
        <translation>Yazdırma Ayarları</translation>
    </message>
    <message>
        <source>Font Name                 </source>
        <translation>Yazı Tipi Adı</translation>
    </message>
    <message>
        <source>Font Size </source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Caption Font</source>
        <translation>Başlık Yazı Tipi</translation>
    </message>
    <message>
        <source>Normal Text Font</source>
        <translation>Normal Yazı Tipi</translation>
    </message>
    <message>
        <source>List Font</source>
        <translation>Liste Yazı Tipi</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Character Width</source>
        <translation>Karakter Genişliği</translation>
    </message>
    <message>
        <source>mm.</source>
        <translation>mm.</translation>
    </message>
    <message>
        <source>Label Y axis ratio %</source>
        <translation>Etiket Y ekseni oranı %</translation>
    </message>
    <message>
        <source>Test / &amp;Set</source>
        <translation>Dene / &amp;Ayarla</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Etiket Eni</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Etiket Boyu</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Yatay Aralık</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Dikey Aralık</translation>
    </message>
    <message>
        <source>labels in a row</source>
        <translation>etiket bir sırada</translation>
    </message>
    <message>
        <source>&amp;Pick Sheet...</source>
        <translation>&amp;Sayfa Seç...</translation>
    </message>
    <message>
        <source>Fill the label sheet values from a sheet&apos;s brand and product code</source>
        <translation>Etiket sayfası değerlerini bir sayfanın marka ve ürün kodundan doldur</translation>
    </message>
    <message>
        <source>Printing X axis ratio         %</source>
        <translation>Yazdırma X ekseni oranı      %</translation>
    </message>
    <message>
        <source>Printing Y axis ratio         %</source>
        <translation>Yazdırma Y ekseni oranı      %</translation>
    </message>
    <message>
        <source>T&amp;est</source>
        <translation>&amp;Dene</translation>
    </message>
    <message>
        <source>List Line &amp;Height</source>
        <translation>Liste Satır &amp;Yüksekliği</translation>
    </message>
    <message>
        <source> Printer </source>
        <translation> Yazıcı </translation>
    </message>
    <message>
        <source>B/W</source>
        <translation>S/B</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renkli</translation>
    </message>
    <message>
        <source>Advanced &amp;Label Settings</source>
        <translation>Gelişmiş &amp;Etiket Ayarları</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message>
        <source>Yazdırma Ayarları</source>
        <translation>Yazdırma Ayarları</translation>
    </message>
    <message>
        <source>Lütfen dörtgenin enini mm. cinsinden yazınız.</source>
        <translation>Lütfen dörtgenin enini mm. cinsinden yazınız.</translation>
    </message>
    <message>
        <source>Lütfen dörtgenin boyunu mm. cinsinden yazınız.</source>
        <translation>Lütfen dörtgenin boyunu mm. cinsinden yazınız.</translation>
    </message>
    <message>
        <source>Etiket Dökümü Ayarları</source>
        <translation>Etiket Dökümü Ayarları</translation>
    </message>
    <message>
        <source>Lütfen &quot;X&quot; harfleri arasındaki uzaklığı mm. cinsinden yazınız.</source>
        <translation>Lütfen &quot;X&quot; harfleri arasındaki uzaklığı mm. cinsinden yazınız.</translation>
    </message>
    <message>
        <source>Lütfen &quot;.&quot; işaretleri arasındaki uzaklığı mm. cinsinden yazınız.</source>
        <translation>Lütfen &quot;.&quot; işaretleri arasındaki uzaklığı mm. cinsinden yazınız.</translation>
    </message>
</context>
<context>
    <name>corvella::search::Tfrm_arama</name>
    <message>
        <source>Search...</source>
        <translation>Arama...</translation>
    </message>
    <message>
        <source>Sol taraftaki kutuyu işaretlediğiniz takdirde bu kritere göre arama yapılacak, aksi takdirde yapılmayacaktır.</source>
        <translation>Sol taraftaki kutuyu işaretlediğiniz takdirde bu kritere göre arama yapılacak, aksi takdirde yapılmayacaktır.</translation>
    </message>
    <message>
        <source>&amp;View </source>
        <translation>&amp;Göster </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sektör</translation>
    </message>
    <message>
        <source>SubSector</source>
        <translation>Alt Sektör</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>Additional Info</source>
        <translation>Ek Bilgi</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Meslek</translation>
    </message>
    <message>
        <source>List/Report</source>
        <translation>Liste/Rapor</translation>
    </message>
    <message>
        <source>There are no records matching your search criterias...</source>
        <translation>Arama ölçütlerinize uyan kayıt yok...</translation>
    </message>
</context>
<context>
    <name>corvella::search::Tfrm_liste</name>
    <message>
        <source>List/Report</source>
        <translation>Liste/Rapor</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Raporu Yazdır</translation>
    </message>
    <message>
        <source>Print list...</source>
        <translation>Listeyi yazdır...</translation>
    </message>
    <message>
        <source>Print &amp;Labels</source>
        <translation>&amp;Etiketleri Yazdır</translation>
    </message>
    <message>
        <source>Print labels for the records in the list...</source>
        <translation>Listedeki kayıtlar için etiket yazdır...</translation>
    </message>
    <message>
        <source>Send auto-mail to Listed...</source>
        <translation>Listedekilere otomatik e-posta...</translation>
    </message>
    <message>
        <source>Records found :</source>
        <translation>Bulunan kayıt :</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV Aktar...</translation>
    </message>
    <message>
        <source>Write the listed contacts with all their fields to a CSV file</source>
        <translation>Listedeki kişileri tüm alanlarıyla bir CSV dosyasına yaz</translation>
    </message>
    <message>
        <source>Export vCard...</source>
        <translation>vCard Aktar...</translation>
    </message>
    <message>
        <source>Write the listed contacts with all their fields to a vCard file</source>
        <translation>Listedeki kişileri tüm alanlarıyla bir vCard dosyasına yaz</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Ö&amp;nizleme</translation>
    </message>
    <message>
        <source>Look at the report or the labels page by page before printing</source>
        <translation>Yazdırmadan önce raporu ya da etiketleri sayfa sayfa inceleyin</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapor</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etiketler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>You can select a record from list.</source>
        <translation>Listeden bir kayıt seçebilirsiniz.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tam sayı değil</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Yazdırma kullanılamıyor.</translation>
    </message>
    <message>
        <source>Yazıcı Meşgul</source>
        <translation>Yazıcı Meşgul</translation>
    </message>
    <message>
        <source>&amp;Listeyi Yazıcıya Gönder</source>
        <translation>&amp;Listeyi Yazıcıya Gönder</translation>
    </message>
    <message>
        <source>No printer is installed: the report was saved to
%1</source>
        <translation>Kurulu yazıcı yok: rapor şuraya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>Auto-Mail To List</source>
        <translation>Listeye Otomatik E-posta</translation>
    </message>
    <message>
        <source>&amp;Etiket Dökümü</source>
        <translation>&amp;Etiket Dökümü</translation>
    </message>
    <message>
        <source>The list is empty.</source>
        <translation>Liste boş.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV Aktar</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>vCard Aktar</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sektör</translation>
    </message>
    <message>
        <source>Sub-sector</source>
        <translation>Alt sektör</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-posta</translation>
    </message>
    <message>
        <source>Find: %1</source>
        <translation>Bul: %1</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>Counting the contacts found...</source>
        <translation>Bulunan kişiler sayılıyor...</translation>
    </message>
    <message>
        <source>Sorting the list...</source>
        <translation>Liste sıralanıyor...</translation>
    </message>
</context>
<context>
    <name>corvella::ui::DBNavigator</name>
    <message>
        <source>First record</source>
        <translation>İlk kayıt</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Önceki kayıt</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Sonraki kayıt</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Son kayıt</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Kayıt ekle</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Kaydı sil</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Kaydı düzenle</translation>
    </message>
    <message>
        <source>Post edit</source>
        <translation>Değişikliği kaydet</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Değişikliği iptal et</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Kayıt silinsin mi?</translation>
    </message>
</context>
<context>
    <name>exchange</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>Dışa aktarma iptal edildi.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; yazılamıyor: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 characters, %3 fit the column</source>
        <translation>&apos;%1&apos; %2 karakter, sütuna %3 sığar</translation>
    </message>
    <message>
        <source>; kept whole</source>
        <translation>; tümü korundu</translation>
    </message>
    <message>
        <source>The import was cancelled; the contact file is as it was before.
</source>
        <translation>İçe aktarma iptal edildi; kişi dosyası önceki hâlinde.
</translation>
    </message>
    <message>
        <source>Rows read: %1. Added: %2. Updated: %3. Skipped as duplicates: %4. Rejected: %5.</source>
        <translation>Okunan satır: %1. Eklenen: %2. Güncellenen: %3. Çift olduğu için atlanan: %4. Reddedilen: %5.</translation>
    </message>
    <message>
        <source>
%1 rows have values longer than their column; they were kept whole.</source>
        <translation>
%1 satırda sütunundan uzun değerler var; tümü korundu.</translation>
    </message>
    <message>
        <source>line %1: rejected: %2</source>
        <translation>satır %1: reddedildi: %2</translation>
    </message>
    <message>
        <source>... and %1 more rejected rows</source>
        <translation>... ve reddedilen %1 satır daha</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more rows with long values</source>
        <translation>... ve uzun değerli %1 satır daha</translation>
    </message>
    <message>
        <source>no name, surname, company or e-mail</source>
        <translation>isim, soyisim, firma ya da e-posta yok</translation>
    </message>
    <message>
        <source>Cannot import into the contact file &apos;%1&apos;; it is unchanged. %2</source>
        <translation>&apos;%1&apos; kişi dosyasına aktarılamıyor; dosya değişmedi. %2</translation>
    </message>
    <message>
        <source>a value of %1 characters is longer than the %2 a contact field can hold</source>
        <translation>%1 karakterlik bir değer, bir kişi alanının alabileceği %2 karakterden uzun</translation>
    </message>
    <message>
        <source>the file has no heading row</source>
        <translation>dosyada başlık satırı yok</translation>
    </message>
    <message>
        <source>the row has %1 fields where the heading row has %2</source>
        <translation>satırda %1 alan var, başlık satırında %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contact field.</source>
        <translation>&apos;%1&apos; bir kişi alanı değil.</translation>
    </message>
    <message>
        <source>The file has no column &apos;%1&apos;; its columns are: %2.</source>
        <translation>Dosyada &apos;%1&apos; sütunu yok; sütunları: %2.</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>dosya okunamıyor: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos;, line %2: %3</source>
        <translation>&apos;%1&apos;, satır %2: %3</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor Windows-1254</source>
        <translation>metin ne UTF-8 ne de Windows-1254</translation>
    </message>
    <message>
        <source>the text is not valid %1</source>
        <translation>metin geçerli %1 değil</translation>
    </message>
    <message>
        <source>the file holds binary data, not text</source>
        <translation>dosyada metin değil ikili veri var</translation>
    </message>
    <message>
        <source>a quoted field that starts in this record is never closed</source>
        <translation>bu kayıtta başlayan tırnaklı bir alan hiç kapanmıyor</translation>
    </message>
    <message>
        <source>Cannot write to &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>the card that begins here has no END:VCARD</source>
        <translation>burada başlayan kartın END:VCARD satırı yok</translation>
    </message>
    <message>
        <source>text outside a card (BEGIN:VCARD ... END:VCARD)</source>
        <translation>kart dışında metin (BEGIN:VCARD ... END:VCARD)</translation>
    </message>
    <message>
        <source>a card line without a value</source>
        <translation>değeri olmayan bir kart satırı</translation>
    </message>
    <message>
        <source>the text is not valid %1: it ends inside a letter</source>
        <translation>metin geçerli %1 değil: bir harfin ortasında bitiyor</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>No address</source>
        <translation>Adres yok</translation>
    </message>
    <message>
        <source>The address holds a line break or another control character</source>
        <translation>Adreste satır sonu ya da başka bir denetim karakteri var</translation>
    </message>
    <message>
        <source>The address holds a space</source>
        <translation>Adreste boşluk var</translation>
    </message>
    <message>
        <source>The address holds a letter that SMTP cannot carry</source>
        <translation>Adreste SMTP&apos;nin taşıyamadığı bir harf var</translation>
    </message>
    <message>
        <source>The address is longer than 254 characters</source>
        <translation>Adres 254 karakterden uzun</translation>
    </message>
    <message>
        <source>The address has no &quot;@&quot;</source>
        <translation>Adreste &quot;@&quot; yok</translation>
    </message>
    <message>
        <source>The address has more than one &quot;@&quot;</source>
        <translation>Adreste birden çok &quot;@&quot; var</translation>
    </message>
    <message>
        <source>The part before &quot;@&quot; is not a valid mailbox name</source>
        <translation>&quot;@&quot; öncesi geçerli bir posta kutusu adı değil</translation>
    </message>
    <message>
        <source>The address has no domain after &quot;@&quot;</source>
        <translation>Adreste &quot;@&quot; sonrası alan adı yok</translation>
    </message>
    <message>
        <source>The domain after &quot;@&quot; is not valid</source>
        <translation>&quot;@&quot; sonrası alan adı geçerli değil</translation>
    </message>
    <message>
        <source>The number of addresses per mail must be above zero</source>
        <translation>Posta başına adres sayısı sıfırdan büyük olmalı</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s (%2)</source>
        <translation>Sunucu %1 sn içinde yanıt vermedi (%2)</translation>
    </message>
    <message>
        <source>The server closed the connection during DATA (%1)</source>
        <translation>Sunucu bağlantıyı DATA sırasında kapattı (%1)</translation>
    </message>
    <message>
        <source>The server&apos;s greeting is not SMTP: %1</source>
        <translation>Sunucunun karşılaması SMTP değil: %1</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in %1</source>
        <translation>%1 içinde geçersiz karakter (CR, LF ya da NUL)</translation>
    </message>
    <message>
        <source>The unsubscribe address must begin with mailto: or https:// and hold no blanks or angle brackets: %1</source>
        <translation>Abonelikten çıkma adresi mailto: ya da https:// ile başlamalı, boşluk ve açılı ayraç içermemeli: %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>%1 dosyası açılamıyor</translation>
    </message>
    <message>
        <source>The server does not offer STARTTLS; nothing was sent unencrypted</source>
        <translation>Sunucu STARTTLS sunmuyor; şifresiz hiçbir şey gönderilmedi</translation>
    </message>
    <message>
        <source>Login refused: the password would travel unencrypted</source>
        <translation>Oturum açma reddedildi: parola şifresiz gidecekti</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in the password</source>
        <translation>Parolada geçersiz karakter (CR, LF ya da NUL)</translation>
    </message>
    <message>
        <source>The message is %1 bytes long; the server takes at most %2</source>
        <translation>İleti %1 bayt; sunucu en çok %2 bayt kabul ediyor</translation>
    </message>
    <message>
        <source>The server offers no login method this program knows (PLAIN or LOGIN)</source>
        <translation>Sunucu bu programın bildiği bir oturum açma yöntemi (PLAIN ya da LOGIN) sunmuyor</translation>
    </message>
    <message>
        <source>Connection closed by the server</source>
        <translation>Bağlantı sunucu tarafından kapatıldı</translation>
    </message>
    <message>
        <source>The server&apos;s reply ran past %1 lines</source>
        <translation>Sunucunun yanıtı %1 satırı aştı</translation>
    </message>
    <message>
        <source>The server&apos;s reply ran past %1 bytes</source>
        <translation>Sunucunun yanıtı %1 baytı aştı</translation>
    </message>
    <message>
        <source>Interrupted system call</source>
        <translation>Kesilen sistem çağrısı</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Hatalı dosya numarası</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>İzin verilmedi</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Hatalı adres</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Geçersiz bağımsız değişken</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Çok fazla açık dosya</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>İşlem bekletecekti</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>İşlem sürüyor</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>İşlem zaten sürüyor</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Soket olmayan nesne üzerinde soket işlemi</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Hedef adres gerekli</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>İleti çok uzun</translation>
    </message>
    <message>
        <source>Wrong protocol type for socket</source>
        <translation>Soket için yanlış protokol türü</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Hatalı protokol seçeneği</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protokol desteklenmiyor</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Soket türü desteklenmiyor</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>İşlem sokette desteklenmiyor</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protokol ailesi desteklenmiyor</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Adres ailesi protokol ailesince desteklenmiyor</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adres zaten kullanımda</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>İstenen adres atanamıyor</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Ağ çalışmıyor</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Ağa ulaşılamıyor</translation>
    </message>
    <message>
        <source>Network dropped connection or reset</source>
        <translation>Ağ bağlantıyı düşürdü ya da sıfırladı</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Yazılım bağlantıyı kesti</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Bağlantı karşı taraf tarafından sıfırlandı</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Arabellek alanı yok</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Soket zaten bağlı</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Soket bağlı değil</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Soket kapatıldıktan sonra gönderilemez</translation>
    </message>
    <message>
        <source>Too many references, can&apos;t splice</source>
        <translation>Çok fazla başvuru, birleştirilemiyor</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Bağlantı zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Bağlantı reddedildi</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Çok fazla sembolik bağ düzeyi</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dosya adı çok uzun</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Sunucu çalışmıyor</translation>
    </message>
    <message>
        <source>No route to Host</source>
        <translation>Sunucuya yol yok</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Klasör boş değil</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Çok fazla süreç</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Çok fazla kullanıcı</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Disk kotası aşıldı</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Eskimiş NFS dosya tanıtıcısı</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Yolda çok fazla uzak düzey</translation>
    </message>
    <message>
        <source>Network subsystem is unavailable</source>
        <translation>Ağ alt sistemi kullanılamıyor</translation>
    </message>
    <message>
        <source>Incompatible version of WINSOCK.DLL</source>
        <translation>WINSOCK.DLL sürümü uyumsuz</translation>
    </message>
    <message>
        <source>Successful WSAStartup not yet performed</source>
        <translation>Başarılı bir WSAStartup henüz yapılmadı</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Sunucu bulunamadı</translation>
    </message>
    <message>
        <source>Non-Authoritative Host not found</source>
        <translation>Sunucu bulunamadı (yetkili olmayan yanıt)</translation>
    </message>
    <message>
        <source>Non-Recoverable error: FORMERR, REFUSED, NOTIMP</source>
        <translation>Kurtarılamaz hata: FORMERR, REFUSED, NOTIMP</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Ad geçerli, istenen türde veri kaydı yok</translation>
    </message>
    <message>
        <source>Unknown Error No. %1</source>
        <translation>Bilinmeyen Hata No. %1</translation>
    </message>
    <message>
        <source>Invalid character (CR, LF or NUL) in UserID</source>
        <translation>Kullanıcı kimliğinde geçersiz karakter (CR, LF ya da NUL)</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Kimlik doğrulama başarısız</translation>
    </message>
    <message>
        <source>Incomplete Header</source>
        <translation>Eksik Başlık</translation>
    </message>
    <message>
        <source>Encoder streams not set</source>
        <translation>Kodlayıcı akışları ayarlanmamış</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Akış yazma hatası</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Akış okuma hatası</translation>
    </message>
    <message>
        <source>Initializaton of windows sockets failed</source>
        <translation>Soket katmanı başlatılamadı</translation>
    </message>
    <message>
        <source>Host Lookup Timed Out</source>
        <translation>Sunucu Araması Zaman Aşımına Uğradı</translation>
    </message>
    <message>
        <source>Host Lookup Canceled</source>
        <translation>Sunucu Araması İptal Edildi</translation>
    </message>
    <message>
        <source>Host Lookup Failed</source>
        <translation>Sunucu Araması Başarısız</translation>
    </message>
    <message>
        <source>Already connected</source>
        <translation>Zaten bağlı</translation>
    </message>
    <message>
        <source>Null Remote Address</source>
        <translation>Uzak Adres Boş</translation>
    </message>
    <message>
        <source>Connection Timed out</source>
        <translation>Bağlantı Zaman Aşımına Uğradı</translation>
    </message>
    <message>
        <source>Connection Canceled</source>
        <translation>Bağlantı İptal Edildi</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>Bağlantı Başarısız</translation>
    </message>
    <message>
        <source>TLS refused: the server sent data before the handshake</source>
        <translation>TLS reddedildi: sunucu el sıkışmadan önce veri gönderdi</translation>
    </message>
    <message>
        <source>TLS handshake canceled</source>
        <translation>TLS el sıkışması iptal edildi</translation>
    </message>
    <message>
        <source>TLS handshake timed out</source>
        <translation>TLS el sıkışması zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>TLS handshake failed: %1</source>
        <translation>TLS el sıkışması başarısız: %1</translation>
    </message>
    <message>
        <source>connection closed by the server</source>
        <translation>bağlantı sunucu tarafından kapatıldı</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Bağlı Değil</translation>
    </message>
    <message>
        <source>Socket send aborted</source>
        <translation>Soket gönderimi kesildi</translation>
    </message>
    <message>
        <source>Line longer than the line buffer of %1 bytes</source>
        <translation>Satır %1 baytlık satır arabelleğinden uzun</translation>
    </message>
    <message>
        <source>Socket readln aborted</source>
        <translation>Soketten satır okuma kesildi</translation>
    </message>
    <message>
        <source>Invalid seek origin = %1</source>
        <translation>Geçersiz konumlama başlangıcı = %1</translation>
    </message>
    <message>
        <source>Seek error</source>
        <translation>Konumlama hatası</translation>
    </message>
    <message>
        <source>No Timer</source>
        <translation>Zamanlayıcı Yok</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--lang: &apos;%1&apos; is neither tr nor en</source>
        <translation>--lang: &apos;%1&apos; ne tr ne de en</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; geçerli bir ondalık sayı değil</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Ondalık sayıda sıfıra bölme</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tamsayı değil</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>önizleme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>İsim</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>City</source>
        <translation>İl</translation>
    </message>
    <message>
        <source>District</source>
        <translation>İlçe</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Posta Kodu</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>&apos;%1&apos; alanı bulunamadı</translation>
    </message>
    <message>
        <source>No label fits across the page. Check the page width, the left margin, the label width and the horizontal gap in the label settings.</source>
        <translation>Sayfanın enine hiç etiket sığmıyor. Etiket ayarlarında sayfa genişliğini, sol boşluğu, etiket genişliğini ve yatay aralığı denetleyin.</translation>
    </message>
    <message>
        <source>No label fits down the page. Check the page height, the top margin, the label height and the vertical gap in the label settings.</source>
        <translation>Sayfanın boyuna hiç etiket sığmıyor. Etiket ayarlarında sayfa yüksekliğini, üst boşluğu, etiket yüksekliğini ve dikey aralığı denetleyin.</translation>
    </message>
    <message>
        <source>Label %1 is not on the sheet: it holds %2 labels, %3 across and %4 down, numbered from 1 at the top left.</source>
        <translation>%1. etiket yaprakta yok: yaprakta enine %3, boyuna %4 olmak üzere %2 etiket var, sol üstten 1&apos;den başlayarak numaralı.</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Sayfa Genişliği</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Sayfa Yüksekliği</translation>
    </message>
    <message>
        <source>Left Space</source>
        <translation>Sol Boşluk</translation>
    </message>
    <message>
        <source>Top Space</source>
        <translation>Üst Boşluk</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Etiket Genişliği</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Etiket Yüksekliği</translation>
    </message>
    <message>
        <source>Horizontal Gap</source>
        <translation>Yatay Aralık</translation>
    </message>
    <message>
        <source>Vertical Gap</source>
        <translation>Dikey Aralık</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Yazı Boyutu</translation>
    </message>
    <message>
        <source>The print job could not be started on %1.</source>
        <translation>Baskı işi %1 üzerinde başlatılamadı.</translation>
    </message>
    <message>
        <source>A new page could not be started on %1.</source>
        <translation>%1 üzerinde yeni sayfa başlatılamadı.</translation>
    </message>
    <message>
        <source>The print job could not be completed on %1.</source>
        <translation>Baskı işi %1 üzerinde tamamlanamadı.</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Yazıcı şu anda yazdırmıyor</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos;</source>
        <translation>&apos;%1&apos; dosyası</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Şu anda seçili varsayılan yazıcı yok</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>varsayılan yazıcı</translation>
    </message>
    <message>
        <source>No printer is installed. The printout was saved as a PDF file:
%1</source>
        <translation>Kurulu yazıcı yok. Döküm PDF dosyası olarak kaydedildi:
%1</translation>
    </message>
    <message>
        <source>List Line Height</source>
        <translation>Liste Satır Yüksekliği</translation>
    </message>
    <message>
        <source>Caption Font Size</source>
        <translation>Başlık Yazı Boyutu</translation>
    </message>
    <message>
        <source>List Font Size</source>
        <translation>Liste Yazı Boyutu</translation>
    </message>
    <message>
        <source>%1 in the print settings is not a number: &apos;%2&apos;. Correct it before printing.</source>
        <translation>Baskı ayarlarındaki %1 bir sayı değil: &apos;%2&apos;. Yazdırmadan önce düzeltin.</translation>
    </message>
    <message>
        <source>%1 in the print settings is %2; it must lie between %3 and %4 %5. Correct it before printing.</source>
        <translation>Baskı ayarlarındaki %1 değeri %2; %3 ile %4 %5 arasında olmalı. Yazdırmadan önce düzeltin.</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>round labels</source>
        <translation>yuvarlak etiketler</translation>
    </message>
    <message>
        <source>oval labels</source>
        <translation>oval etiketler</translation>
    </message>
    <message>
        <source>CD or DVD labels</source>
        <translation>CD ya da DVD etiketleri</translation>
    </message>
    <message>
        <source>labels of a shape other than a rectangle</source>
        <translation>dikdörtgen dışında biçimli etiketler</translation>
    </message>
    <message>
        <source>impossible dimensions: a size is missing or not a length</source>
        <translation>olanaksız ölçüler: bir ölçü eksik ya da uzunluk değil</translation>
    </message>
    <message>
        <source>impossible dimensions: a size or count of zero or less</source>
        <translation>olanaksız ölçüler: sıfır ya da daha küçük bir ölçü veya sayı</translation>
    </message>
    <message>
        <source>impossible dimensions: the labels overlap</source>
        <translation>olanaksız ölçüler: etiketler üst üste biniyor</translation>
    </message>
    <message>
        <source>impossible dimensions: the labels reach past the %1 × %2 mm paper</source>
        <translation>olanaksız ölçüler: etiketler %1 × %2 mm kâğıdın dışına taşıyor</translation>
    </message>
    <message>
        <source>paper longer than the label settings take (%1 mm)</source>
        <translation>kâğıt, etiket ayarlarının alabileceğinden (%1 mm) uzun</translation>
    </message>
    <message>
        <source>in whole millimetres the label settings would place %1 × %2 labels on it, not %3 × %4</source>
        <translation>tam milimetrelerle etiket ayarları üzerine %3 × %4 değil, %1 × %2 etiket yerleştirir</translation>
    </message>
    <message>
        <source>no label is described</source>
        <translation>hiç etiket tanımlanmamış</translation>
    </message>
    <message>
        <source>several kinds of label on one sheet</source>
        <translation>bir yaprakta birden çok etiket türü</translation>
    </message>
    <message>
        <source>no layout is described</source>
        <translation>hiç yerleşim tanımlanmamış</translation>
    </message>
    <message>
        <source>several layouts on one sheet</source>
        <translation>bir yaprakta birden çok yerleşim</translation>
    </message>
    <message>
        <source>the paper size &apos;%1&apos; is unknown</source>
        <translation>&apos;%1&apos; kâğıt boyutu bilinmiyor</translation>
    </message>
    <message>
        <source>it is given as the same as %1, which no template describes</source>
        <translation>%1 ile aynı olarak verilmiş, ama onu hiçbir şablon tanımlamıyor</translation>
    </message>
    <message>
        <source>No label sheet is called &apos;%1&apos;. Give the brand and the product code, e.g. &quot;Avery L7160&quot;.</source>
        <translation>&apos;%1&apos; adlı etiket yaprağı yok. Markayı ve ürün kodunu verin, örneğin &quot;Avery L7160&quot;.</translation>
    </message>
    <message>
        <source> These template files could not be read: </source>
        <translation> Şu şablon dosyaları okunamadı: </translation>
    </message>
    <message>
        <source>The label sheet %1 cannot be printed with the label settings: %2.</source>
        <translation>%1 etiket yaprağı etiket ayarlarıyla basılamaz: %2.</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Yazdırma sürüyor</translation>
    </message>
    <message>
        <source>A label holds at most %1 elements of a kind.</source>
        <translation>Bir etikette bir türden en çok %1 öğe olabilir.</translation>
    </message>
    <message>
        <source>Printing is not available.</source>
        <translation>Yazdırma kullanılamıyor.</translation>
    </message>
    <message>
        <source>impossible dimensions: labels smaller than a millimetre</source>
        <translation>olanaksız ölçüler: etiketler bir milimetreden küçük</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>Yazdırma iptal edildi.</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%2 sayfanın %1 tanesi yazdırıldı</translation>
    </message>
    <message>
        <source>The printout has %1 pages. Print all of them?</source>
        <translation>Çıktı %1 sayfa tutuyor. Hepsi yazdırılsın mı?</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Yazdırılıyor</translation>
    </message>
    <message>
        <source>The print job could not be started on %1: %2</source>
        <translation>Baskı işi %1 üzerinde başlatılamadı: %2</translation>
    </message>
    <message>
        <source>The printer &apos;%1&apos; did not take the print job: %2</source>
        <translation>&apos;%1&apos; yazıcısı baskı işini kabul etmedi: %2</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>&apos;%1&apos; alanı bulunamadı</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; geçerli bir ondalık sayı değil</translation>
    </message>
    <message>
        <source>The list&apos;s statement does not have the shape of a search.</source>
        <translation>Listenin sorgusu bir arama biçiminde değil.</translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>The contact file &apos;%1&apos; is in use by another program (%2).</source>
        <translation>&apos;%1&apos; kişi dosyası başka bir program tarafından kullanılıyor (%2).</translation>
    </message>
    <message>
        <source>Unknown database error</source>
        <translation>Bilinmeyen veritabanı hatası</translation>
    </message>
    <message>
        <source>Cannot write to the contact file &apos;%1&apos;: the disk is full (%2).</source>
        <translation>&apos;%1&apos; kişi dosyasına yazılamıyor: disk dolu (%2).</translation>
    </message>
    <message>
        <source>Cannot write to the contact file &apos;%1&apos;: there is no permission to change it or its folder (%2).</source>
        <translation>&apos;%1&apos; kişi dosyasına yazılamıyor: dosyayı ya da klasörünü değiştirme izni yok (%2).</translation>
    </message>
    <message>
        <source>Cannot open the contact file &apos;%1&apos; or the journal SQLite keeps beside it (%2).</source>
        <translation>&apos;%1&apos; kişi dosyası ya da SQLite&apos;ın yanında tuttuğu günlük dosyası açılamıyor (%2).</translation>
    </message>
    <message>
        <source>Cannot read or write the contact file &apos;%1&apos;: the disk reported an error (%2).</source>
        <translation>&apos;%1&apos; kişi dosyası okunamıyor ya da yazılamıyor: disk bir hata bildirdi (%2).</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is damaged (%2).</source>
        <translation>&apos;%1&apos; kişi dosyası bozuk (%2).</translation>
    </message>
    <message>
        <source>The connection string names no data source.</source>
        <translation>Bağlantı dizesi bir veri kaynağı belirtmiyor.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; dosyası bulunamadı.</translation>
    </message>
    <message>
        <source>Cannot open the contact file &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kişi dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Corvella contact file (an SQLite database): %2</source>
        <translation>&apos;%1&apos; dosyası bir Corvella kişi dosyası (SQLite veritabanı) değil: %2</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; has its tables already.</source>
        <translation>&apos;%1&apos; kişi dosyasının tabloları zaten var.</translation>
    </message>
    <message>
        <source>A backup cannot be written over the contact file &apos;%1&apos; itself.</source>
        <translation>Yedek, &apos;%1&apos; kişi dosyasının kendisinin üzerine yazılamaz.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: it is a folder; name a file in it.</source>
        <translation>&apos;%1&apos; yedeği yazılamıyor: bu bir klasör; içinde bir dosya adı verin.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: the folder &apos;%2&apos; does not exist.</source>
        <translation>&apos;%1&apos; yedeği yazılamıyor: &apos;%2&apos; klasörü yok.</translation>
    </message>
    <message>
        <source>Cannot write the backup &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; yedeği yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is already open in another Corvella.</source>
        <translation>&apos;%1&apos; kişi dosyası başka bir Corvella&apos;da zaten açık.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; is already open in another Corvella (process %2).</source>
        <translation>&apos;%1&apos; kişi dosyası başka bir Corvella&apos;da zaten açık (süreç %2).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>&apos;%1&apos; dosyası zaten var.</translation>
    </message>
    <message>
        <source>Cannot create the folder &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>The contact file is not open through SQLite.</source>
        <translation>Kişi dosyası SQLite üzerinden açık değil.</translation>
    </message>
    <message>
        <source>The statement is empty.</source>
        <translation>Sorgu boş.</translation>
    </message>
    <message>
        <source>Cannot perform this operation on a closed dataset</source>
        <translation>Bu işlem kapalı bir veri kümesinde yapılamaz</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; not found</source>
        <translation>&apos;%1&apos; alanı bulunamadı</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Salt okunur bir veri kümesi değiştirilemez</translation>
    </message>
    <message>
        <source>Field index %1 out of range</source>
        <translation>Alan sırası %1 aralık dışında</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Bu işlem boş bir veri kümesinde yapılamaz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; geçerli bir tamsayı değil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; geçerli bir ondalık sayı değil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos;, &apos;%2&apos; alanı için geçerli bir ondalık sayı değil</translation>
    </message>
    <message>
        <source>The record cannot be found; it may have been deleted.</source>
        <translation>Kayıt bulunamıyor; silinmiş olabilir.</translation>
    </message>
    <message>
        <source>The record cannot be found for updating; it may have been deleted.</source>
        <translation>Güncellenecek kayıt bulunamıyor; silinmiş olabilir.</translation>
    </message>
    <message>
        <source>The contact file &apos;%1&apos; has no table %2.</source>
        <translation>&apos;%1&apos; kişi dosyasında %2 tablosu yok.</translation>
    </message>
    <message>
        <source>Another user has changed this record since it was read. Your changes were not stored.</source>
        <translation>Bu kayıt, okunduktan sonra başka bir kullanıcı tarafından değiştirildi. Değişiklikleriniz kaydedilmedi.</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; okunamıyor: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; should hold one line with the database&apos;s address, postgresql://user@host:port/dbname, and nothing else but # comments.</source>
        <translation>&apos;%1&apos; dosyası veritabanının adresini, postgresql://user@host:port/dbname, tek satırda içermeli; bunun dışında yalnızca # ile başlayan açıklamalar olabilir.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds a password in the database&apos;s address. Corvella does not read passwords from files it keeps: remove it from the address and put it in ~/.pgpass or PGPASSWORD, or type it when Corvella asks.</source>
        <translation>&apos;%1&apos; dosyasındaki veritabanı adresinde bir parola var. Corvella parolaları sakladığı dosyalardan okumaz: parolayı adresten çıkarıp ~/.pgpass ya da PGPASSWORD içine koyun veya Corvella sorduğunda yazın.</translation>
    </message>
</context>
</TS>
