#include "ContactFileFixture.h"
#include "ErrorOf.h"

#include "exchange/ContactImport.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactSchema.h"

#include <QBuffer>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace corvella;
using namespace corvella::exchange;
namespace contact = store::contact;

namespace {

/// A device that fails after its first bytes, as a file on a share that goes away does.
class VanishingDevice : public QBuffer {
public:
    using QBuffer::QBuffer;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (pos() > 16)
            return -1;
        return QBuffer::readData(data, std::min<qint64>(maxSize, 17));
    }
};

/// A contact file and an import into it.
struct ImportFixture {
    test::ContactFileFixture file;
    std::unique_ptr<store::Connection> connection = store::Connection::openFile(file.filePath(), false);

    QSqlDatabase db() const { return connection->database(); }

    ImportReport import(const QByteArray& bytes, bool vCard = false, DuplicatePolicy policy = DuplicatePolicy::Skip,
                        const ImportProgress& progress = {})
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return importFrom(buffer, vCard, policy, progress);
    }

    ImportReport importFrom(QIODevice& device, bool vCard, DuplicatePolicy policy = DuplicatePolicy::Skip,
                            const ImportProgress& progress = {})
    {
        const QString name = vCard ? u"contacts.vcf"_qs : u"contacts.csv"_qs;
        if (vCard) {
            VCardContactSource source(device, name);
            return importContacts(db(), source, policy, progress);
        }
        CsvContactSource source(device, name);
        return importContacts(db(), source, policy, progress);
    }

    /// The named columns of every contact in number order, "|" between values.
    QStringList rows(const QStringList& columns) const
    {
        QStringList quoted;
        for (const QString& column : columns)
            quoted << u"coalesce(%1, '')"_qs.arg(store::quotedIdentifier(column));
        QSqlQuery query =
            store::runQuery(db(), u"SELECT %1 FROM kayit ORDER BY [No]"_qs.arg(quoted.join(u" || '|' || "_qs)));
        QStringList result;
        while (query.next())
            result << query.value(0).toString();
        return result;
    }

    QStringList everything() const
    {
        QStringList columns{contact::RecordNumber};
        for (const store::ContactColumn& column : store::contactColumns())
            columns << column.name;
        return rows(columns);
    }

    QByteArray exported(bool vCard) const
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (vCard)
            exportVCards(db(), allContactsSql(), out, u"out.vcf"_qs);
        else
            exportCsv(db(), allContactsSql(), out, u"out.csv"_qs, true);
        return out.data();
    }
};

const QStringList Shown = {contact::FirstName,  contact::LastName,  contact::Email,       contact::Company,
                           contact::Occupation, contact::WorkPhone, contact::MobilePhone, contact::Fax,
                           contact::Address1,   contact::City,      contact::PostalCode,  contact::Notes};

QByteArray windows1254(const QString& text)
{
    QStringEncoder encoder("windows-1254");
    return encoder.encode(text);
}

QVariantMap someContact(int no)
{
    QVariantMap columns;
    int i = 0;
    for (const store::ContactColumn& column : store::contactColumns())
        columns.insert(column.name, u"%1 ğüşiİıÖç %2"_qs.arg(column.name.left(3)).arg(no * 100 + i++));
    columns[contact::Notes] = u"satır 1\nsatır 2; \"alıntı\", virgül\\"_qs;
    columns[contact::Email] = u"kişi%1@örnek.com.tr"_qs.arg(no);
    return columns;
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void recognisedFormats_data();
    void recognisedFormats();
    void duplicates_data();
    void duplicates();
    void unknownColumnsAreMappedByChoice();
    void longValuesAreKeptWholeAndListed();
    void cancelHalfWayLeavesTheFileAsItWas();
    void badInputLeavesTheFileAsItWas_data();
    void badInputLeavesTheFileAsItWas();
    void exportedContactsImportAlike_data();
    void exportedContactsImportAlike();
};

void ImportTest::recognisedFormats_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("vCard");
    QTest::addColumn<QStringList>("expected"); // the columns of `Shown`

    QTest::newRow("Google, UTF-8 with BOM, quoted line break")
        << QByteArray("\xEF\xBB\xBF"
                      "Name,Given Name,First Name,Last Name,Organization Name,Organization Title,E-mail 1 - Type,"
                      "E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,Phone 2 - Value,"
                      "Address 1 - Street,Address 1 - City,Address 1 - Postal Code,Notes\r\n"
                      "Şule Işık,Şule,Şule,Işık,Öz Gıda,Müdür,* Work,sule@ozgida.com.tr ::: sule@ev.net,Mobile,"
                      "0532 111 22 33,Work Fax,0212 444 55 66,\"Çınar Sok. 3\",İzmir,35210,\"ilk satır\nikinci\"\r\n")
        << false
        << QStringList{u"Şule|Işık|sule@ozgida.com.tr|Öz Gıda|Müdür||0532 111 22 33|0212 444 55 66|Çınar Sok. 3|İzmir|"
                       u"35210|ilk satır\nikinci"_qs};
    QTest::newRow("Outlook, Windows-1254, semicolons")
        << windows1254(
               u"First Name;Last Name;Company;Job Title;E-mail Address;Business Phone;Mobile Phone;"
               u"Business Fax;Business Street;Business City;Business Postal Code;Notes\r\n"
               u"Ömer;Çağlar;Ağaç A.Ş.;Şef;omer@agac.com;0216 1;0555 2;0216 3;\"Bağ; Yolu\";Bursa;16000;\r\n"_qs)
        << false
        << QStringList{u"Ömer|Çağlar|omer@agac.com|Ağaç A.Ş.|Şef|0216 1|0555 2|0216 3|Bağ; Yolu|Bursa|16000|"_qs};
    QTest::newRow("vCard 2.1 and 4.0, several cards")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=96z;Ay=C5=9Fe\r\n"
                      "TEL;CELL:0533\r\nTEL;WORK;FAX:0212\r\nEMAIL;INTERNET:ayse@oz.net\r\nEND:VCARD\r\n"
                      "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Can Er\r\nORG:Er Ltd.;Satış\r\nTITLE:Satış\r\n"
                      "TEL;TYPE=\"work,voice\";VALUE=uri:tel:+90-212-555\r\n"
                      "ADR;TYPE=work:;;Cad. 5;Kadıköy;İstanbul;34710;TR\r\nNOTE:bir\\nsatır\r\nEND:VCARD\r\n")
        << true
        << QStringList{u"Ayşe|Öz|ayse@oz.net||||0533|0212||||"_qs,
                       u"Can|Er||Er Ltd.|Satış|+90-212-555|||Cad. 5|Kadıköy|34710|bir\nsatır"_qs};
}

void ImportTest::recognisedFormats()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, vCard);
    QFETCH(QStringList, expected);
    ImportFixture f;
    const ImportReport report = f.import(bytes, vCard);
    QCOMPARE(report.added, expected.size());
    QCOMPARE(f.rows(Shown), expected);
}

void ImportTest::duplicates_data()
{
    QTest::addColumn<DuplicatePolicy>("policy");
    QTest::addColumn<QList<qint64>>("counts"); // added, updated, skipped
    QTest::addColumn<QStringList>("expected"); // number, name, surname, e-mail, company, occupation

    // Against contact 40 (e-mail match by Turkish case rules), contact 41 (name, surname and company match), a new
    // contact and a repetition of that new contact.
    QTest::newRow("skip") << DuplicatePolicy::Skip << QList<qint64>{1, 0, 3}
                          << QStringList{u"40|Işıl|Ak|ışıl@ak.com||"_qs, u"41|İlker|Su||Su A.Ş.|"_qs,
                                         u"42|Yeni|Kişi|||"_qs};
    QTest::newRow("update") << DuplicatePolicy::Update << QList<qint64>{1, 3, 0}
                            << QStringList{u"40|ışıl|AK|IŞIL@AK.COM||Avukat"_qs,
                                           u"41|İLKER|SU|ilker@su.com|su a.ş.|Mimar"_qs, u"42|Yeni|Kişi|||Usta"_qs};
    QTest::newRow("add") << DuplicatePolicy::Add << QList<qint64>{4, 0, 0}
                         << QStringList{u"40|Işıl|Ak|ışıl@ak.com||"_qs,
                                        u"41|İlker|Su||Su A.Ş.|"_qs,
                                        u"42|ışıl|AK|IŞIL@AK.COM||Avukat"_qs,
                                        u"43|İLKER|SU|ilker@su.com|su a.ş.|Mimar"_qs,
                                        u"44|Yeni|Kişi|||"_qs,
                                        u"45|Yeni|Kişi|||Usta"_qs};
}

void ImportTest::duplicates()
{
    QFETCH(DuplicatePolicy, policy);
    QFETCH(QList<qint64>, counts);
    QFETCH(QStringList, expected);
    ImportFixture f;
    f.file.addContact(
        40, {{contact::FirstName, u"Işıl"_qs}, {contact::LastName, u"Ak"_qs}, {contact::Email, u"ışıl@ak.com"_qs}});
    f.file.addContact(
        41, {{contact::FirstName, u"İlker"_qs}, {contact::LastName, u"Su"_qs}, {contact::Company, u"Su A.Ş."_qs}});
    const ImportReport report = f.import("Ad;Soyad;E-mail;Firma Adi;Meslek\n"
                                         "ışıl;AK;IŞIL@AK.COM;;Avukat\n"
                                         "İLKER;SU;ilker@su.com;su a.ş.;Mimar\n"
                                         "Yeni;Kişi;;;\n"
                                         "Yeni;Kişi;;;Usta\n"_qba,
                                         false, policy);
    QCOMPARE((QList<qint64>{report.added, report.updated, report.skipped}), counts);
    QCOMPARE(f.rows({contact::RecordNumber, contact::FirstName, contact::LastName, contact::Email, contact::Company,
                     contact::Occupation}),
             expected);
}

void ImportTest::unknownColumnsAreMappedByChoice()
{
    ImportFixture f;
    QBuffer buffer;
    buffer.setData("Kişi,Şirket,Posta\nAda,Kule Ltd.,ada@kule.com\n,,\n"_qba);
    buffer.open(QIODevice::ReadOnly);
    CsvContactSource source(buffer, u"liste.csv"_qs);
    QCOMPARE(source.columnMap().layout, CsvLayout::Unknown);
    QCOMPARE(source.previewRecords().size(), 2);
    QVERIFY(test::errorOf([&] {
                columnMapFromChoices(source.heading(), {{contact::Company, u"Firma"_qs}});
            }).contains(u"Kişi, Şirket, Posta"_qs));
    source.setColumnMap(
        columnMapFromChoices(source.heading(), {{contact::FirstName, u"Kişi"_qs}, {contact::Company, u"Şirket"_qs}}));
    const ImportReport report = importContacts(f.db(), source, DuplicatePolicy::Skip);
    QCOMPARE(f.rows({contact::RecordNumber, contact::FirstName, contact::Company, contact::Email}),
             QStringList{u"11|Ada|Kule Ltd.|"_qs});
    QCOMPARE(report.details(), QStringList{u"line 3: rejected: no name, surname, company or e-mail"_qs});
}

void ImportTest::longValuesAreKeptWholeAndListed()
{
    ImportFixture f;
    const QString company = QString(80, u'Ş');
    const ImportReport report = f.import("Ad,Firma Adi\nUzun," + company.toUtf8() + "\nKısa,Kısa A.Ş.\n");
    QCOMPARE(report.added, 2);
    QCOMPARE(f.rows({contact::Company}).first(), company);
    QCOMPARE(report.details(), QStringList{u"line 2: 'Firma Adi' has 80 characters, 30 fit the column; kept whole"_qs});
}

void ImportTest::cancelHalfWayLeavesTheFileAsItWas()
{
    ImportFixture f;
    f.file.addContacts(test::ContactFileFixture::numbers(11, 60), someContact);
    const QStringList before = f.everything();
    QByteArray csv = "Ad,Soyad,E-mail\n";
    for (int i = 0; i < 5000; ++i)
        csv += "Ad" + QByteArray::number(i) + ",Soyad,a" + QByteArray::number(i) + "@b.com\n";
    qint64 seen = 0;
    const ImportReport report = f.import(csv, false, DuplicatePolicy::Skip, [&seen](qint64 rows, double) {
        seen = rows;
        return rows < 2500;
    });
    QVERIFY(report.cancelled);
    QVERIFY(seen >= 2500 && seen < 5000);
    QCOMPARE(f.everything(), before);
}

void ImportTest::badInputLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("vCard");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray() << false << u"'contacts.csv', line 1: the file is empty"_qs;
    QTest::newRow("binary") << QByteArray("Ad\nx\0y\n", 7) << false << u"'contacts.csv', line 2: "_qs;
    QTest::newRow("unclosed quote") << "Ad,Soyad\nA,B\nC,\"D\nE,F\n"_qba << false << u"'contacts.csv', line 3: "_qs;
    QTest::newRow("ragged row") << "Ad,Soyad\nA,B\nC,D,E\n"_qba << false
                                << u"'contacts.csv', line 3: the row has 3 fields where the heading row has 2"_qs;
    QTest::newRow("10 MB field") << "Ad,Soyad\nA,B\nC," + QByteArray(10 << 20, 'x') + "\n"
                                 << false << u"'contacts.csv', line 3: a value of 10,485,760 characters"_qs;
    QTest::newRow("card without END")
        << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:B\r\n"_qba << true
        << u"'contacts.vcf', line 5: "_qs;
}

void ImportTest::badInputLeavesTheFileAsItWas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, vCard);
    QFETCH(QString, message);
    ImportFixture f;
    f.file.addContacts(test::ContactFileFixture::numbers(11, 13), someContact);
    const QStringList before = f.everything();
    const QString error = test::errorOf([&] { f.import(bytes, vCard); });
    QVERIFY2(error.startsWith(message), qPrintable(error));
    QCOMPARE(f.everything(), before);
}

void ImportTest::exportedContactsImportAlike_data()
{
    QTest::addColumn<bool>("vCard");
    QTest::newRow("CSV") << false;
    QTest::newRow("vCard") << true;
}

void ImportTest::exportedContactsImportAlike()
{
    QFETCH(bool, vCard);
    ImportFixture from;
    from.file.addContacts(test::ContactFileFixture::numbers(11, 14), someContact);
    from.file.addContact(15, {{contact::Company, u"Yalnız Firma"_qs}});
    const QByteArray bytes = from.exported(vCard);
    if (!vCard)
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFNo,Ad,Soyad,E-mail,"));

    ImportFixture into;
    const ImportReport report = into.import(bytes, vCard);
    QCOMPARE(report.added, 5);
    QCOMPARE(into.everything(), from.everything());

    // A file that lost its last bytes on the way is refused whole.
    VanishingDevice vanishing;
    vanishing.setData(bytes);
    vanishing.open(QIODevice::ReadOnly);
    QVERIFY(test::errorOf([&] { into.importFrom(vanishing, vCard); }).contains(u"cannot be read"_qs));
    QCOMPARE(into.everything(), from.everything());
}

QTEST_GUILESS_MAIN(ImportTest)
#include "tst_import.moc"
