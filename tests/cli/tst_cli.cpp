#include "ContactFileFixture.h"
#include "PostgresServer.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTest>

#include <optional>
#include <unistd.h>

using namespace corvella;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

/// Runs the program as a script would, with no display of any kind to fall back on.
Run runProgram(const QStringList& arguments, const QString& program = QString::fromUtf8(CORVELLA_EXECUTABLE))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    // A byte-order mark the program wrote stays in the text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    run.out = utf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

/// The record numbers of a CSV export's rows, in their order.
QString recordsOf(const QString& csv)
{
    QStringList numbers;
    const QStringList lines = csv.split(u"\r\n"_qs, Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i)
        numbers << lines.at(i).section(u',', 0, 0);
    return numbers.join(u' ');
}

/// The text of a PDF file in reading order, as poppler's pdftotext gives it.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString Unchanged = u"11 Ayşe, 12 Mehmet, 13 Zeynep"_qs;

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_file.reset(); }
    void commands_data();
    void commands();
    void exportReplacesItsFileOnlyWhenDone();
    void contactFileBesideTheProgramByDefault();
    void printCommandsDrawWithTheStoredSettings();
    void backupIsReadAsAContactFile();
    void importWaitsForTheOtherCorvella();
    void writeWithoutPermissionSaysWhy();

private:
    QString path(const QString& name) const { return m_file->folder() + name; }
    void writeFile(const QString& name, const QByteArray& bytes);
    /// Each contact's number and name, with its occupation when it has one: "11 Ayşe Mimar, 12 Mehmet".
    QString contacts();
    /// A server database holding the fixture's contacts, copied there by the program once.
    QString serverCopy();

    std::optional<test::ContactFileFixture> m_file;
};

void CommandLineTest::init()
{
    m_file.emplace();
    m_file->addContact(11, {{u"Ad"_qs, u"Ayşe"_qs},
                            {u"Soyad"_qs, u"Yılmaz"_qs},
                            {u"E-mail"_qs, u"ayse@example.com"_qs},
                            {u"Firma Adi"_qs, u"Deniz Ltd"_qs},
                            {u"Sehir"_qs, u"İzmir"_qs}});
    m_file->addContact(12, {{u"Ad"_qs, u"Mehmet"_qs},
                            {u"Soyad"_qs, u"Kaya"_qs},
                            {u"E-mail"_qs, u"mehmet@example.com"_qs},
                            {u"Firma Adi"_qs, u"Anka AŞ"_qs},
                            {u"Sehir"_qs, u"Ankara"_qs}});
    m_file->addContact(13, {{u"Ad"_qs, u"Zeynep"_qs},
                            {u"Soyad"_qs, u"Demir"_qs},
                            {u"E-mail"_qs, u"zeynep@example.com"_qs},
                            {u"Firma Adi"_qs, u"Bora Ltd"_qs},
                            {u"Sehir"_qs, u"Bursa"_qs}});
    // One new contact, one already in the file (its e-mail in other case) and one with nothing to know it by.
    writeFile(u"new.csv"_qs, "Ad,Soyad,E-mail,Meslek,Sehir\r\n"
                             "Can,Öztürk,can@example.com,,Ankara\r\n"
                             "Ayşe,Yılmaz,AYSE@example.com,Mimar,İzmir\r\n"
                             ",,,,Konya\r\n");
    writeFile(u"foreign.csv"_qs, "Vorname;Nachname;Mail\r\nCan;Öztürk;can@example.com\r\n");
    writeFile(u"broken.csv"_qs, "Ad,Soyad\r\nCan,Öztürk\r\nEla,\"Tan\r\n");
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Arslan;Deniz;;;\r\nFN:Deniz Arslan\r\n"
                            "EMAIL:deniz@example.com\r\nEND:VCARD\r\n";
    writeFile(u"cards.vcf"_qs, card);
    writeFile(u"cards.txt"_qs, card);
}

void CommandLineTest::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString CommandLineTest::contacts()
{
    return m_file
        ->scalar(u"select group_concat(c, ', ') from (select No || ' ' || ifnull(Ad, '') || "
                 "ifnull(' ' || nullif(Meslek, ''), '') as c from kayit order by No)"_qs)
        .toString();
}

QString CommandLineTest::serverCopy()
{
    static QString address;
    if (address.isEmpty()) {
        address = test::PostgresServer::shared().createDatabase(u"cli"_qs);
        const Run run = runProgram({u"--file"_qs, m_file->filePath(), u"copy"_qs, u"--to"_qs, address});
        if (run.status != 0)
            qFatal("copying the contacts to the server failed: %s", qPrintable(run.err));
    }
    return address;
}

void CommandLineTest::commands_data()
{
    // "@db" is the contact file, "@/x" a file beside it, "@pg" a server database holding the same contacts
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out"); // texts the standard output holds
    QTest::addColumn<QString>("err");     // a text the error line holds; empty: no error output
    QTest::addColumn<QString>("records"); // the CSV rows' record numbers; null: not CSV
    QTest::addColumn<QString>("contacts");

    const QString all = u"11 12 13"_qs;
    const QString added = Unchanged + u", 14 Can"_qs;
    const auto row = [](const char* name, QStringList arguments, int status, QStringList out, QString err,
                        QString records, QString contacts) {
        QTest::newRow(name) << (QStringList{u"--file"_qs, u"@db"_qs} + arguments) << status << out << err << records
                            << contacts;
    };

    row("count", {u"count"_qs}, 0, {u"3\n"_qs}, {}, {}, Unchanged);
    row("import skips a duplicate, lists the rejected row", {u"import"_qs, u"@/new.csv"_qs}, 0, {u"line 4"_qs}, {}, {},
        added);
    row("import updates a duplicate", {u"import"_qs, u"@/new.csv"_qs, u"--on-duplicate"_qs, u"update"_qs}, 0, {}, {},
        {}, u"11 Ayşe Mimar, 12 Mehmet, 13 Zeynep, 14 Can"_qs);
    row("import adds a duplicate", {u"import"_qs, u"@/new.csv"_qs, u"--on-duplicate=add"_qs}, 0, {}, {}, {},
        added + u", 15 Ayşe Mimar"_qs);
    row("import vCard by extension", {u"import"_qs, u"@/cards.vcf"_qs}, 0, {}, {}, {}, Unchanged + u", 14 Deniz"_qs);
    row("import vCard by option", {u"import"_qs, u"@/cards.txt"_qs, u"--format"_qs, u"vcard"_qs}, 0, {}, {}, {},
        Unchanged + u", 14 Deniz"_qs);
    row("import mapped columns",
        {u"import"_qs, u"@/foreign.csv"_qs, u"--map"_qs, u"name=Vorname"_qs, u"--map"_qs, u"Soyad=Nachname"_qs,
         u"--map"_qs, u"email=Mail"_qs},
        0, {}, {}, {}, added);
    row("import unrecognised columns", {u"import"_qs, u"@/foreign.csv"_qs}, 1, {},
        u"foreign.csv' are not recognised: \"Vorname\", \"Nachname\", \"Mail\""_qs, {}, Unchanged);
    row("import maps a missing heading",
        {u"import"_qs, u"@/foreign.csv"_qs, u"--map"_qs, u"name=Vorname"_qs, u"--map"_qs, u"email=Courriel"_qs}, 1, {},
        u"foreign.csv"_qs, {}, Unchanged);
    row("import stops at a bad record", {u"import"_qs, u"@/broken.csv"_qs}, 1, {}, u"broken.csv"_qs, {}, Unchanged);
    row("import missing file", {u"import"_qs, u"@/none.csv"_qs}, 1, {}, u"none.csv"_qs, {}, Unchanged);
    row("export", {u"export"_qs}, 0, {u"No,Ad,Soyad,E-mail,"_qs, u"11,Ayşe,Yılmaz,ayse@example.com,"_qs}, {}, all,
        Unchanged);
    row("export with mark", {u"export"_qs, u"--bom"_qs}, 0, {u"\uFEFFNo,Ad"_qs}, {}, all, Unchanged);
    row("export vCard", {u"export"_qs, u"--format"_qs, u"vcard"_qs}, 0,
        {u"BEGIN:VCARD"_qs, u"Yılmaz;Ayşe"_qs, u"zeynep@example.com"_qs}, {}, {}, Unchanged);
    row("search one value", {u"search"_qs, u"--city"_qs, u"Ankara"_qs}, 0, {}, {}, u"12"_qs, Unchanged);
    row("search a range", {u"search"_qs, u"--name"_qs, u"A..N"_qs}, 0, {}, {}, u"11 12"_qs, Unchanged);
    row("search sorted", {u"search"_qs, u"--company"_qs, u"A..Z"_qs, u"--order"_qs, u"Sehir"_qs}, 0, {}, {},
        u"12 13 11"_qs, Unchanged);
    row("search both criteria hold", {u"search"_qs, u"--company"_qs, u"Deniz Ltd"_qs, u"--city"_qs, u"Ankara"_qs}, 0,
        {}, {}, u""_qs, Unchanged);
    row("search an apostrophe", {u"search"_qs, u"--company"_qs, u"O'Brien"_qs}, 0, {}, {}, u""_qs, Unchanged);
    row("search vCard", {u"search"_qs, u"--city"_qs, u"İzmir"_qs, u"--format"_qs, u"vcard"_qs}, 0,
        {u"ayse@example.com"_qs}, {}, {}, Unchanged);

    const QStringList sheet = {u"--sheet"_qs, u"Avery L7160"_qs};
    const QStringList toPdf = {u"--pdf"_qs, u"@/out.pdf"_qs};
    row("labels on a catalogue sheet", QStringList{u"labels"_qs, u"--city"_qs, u"Ankara"_qs} + sheet + toPdf, 0,
        {u"Written to "_qs}, {}, {}, Unchanged);
    row("labels from the second label", QStringList{u"labels"_qs, u"--start"_qs, u"2"_qs} + sheet + toPdf, 0,
        {u"out.pdf"_qs}, {}, {}, Unchanged);
    row("labels on an unknown sheet", QStringList{u"labels"_qs, u"--sheet"_qs, u"Avery 99999"_qs} + toPdf, 1, {},
        u"No label sheet is called 'Avery 99999'"_qs, {}, Unchanged);
    row("labels start past the sheet", QStringList{u"labels"_qs, u"--start"_qs, u"22"_qs} + sheet + toPdf, 1, {},
        u"Label 22 is not on the sheet: it holds 21 labels"_qs, {}, Unchanged);
    row("labels start at 0", QStringList{u"labels"_qs, u"--start"_qs, u"0"_qs} + sheet + toPdf, 2, {}, u"--start"_qs,
        {}, Unchanged);
    row("labels without a file", QStringList{u"labels"_qs} + sheet, 2, {}, u"--pdf"_qs, {}, Unchanged);
    row("report", QStringList{u"report"_qs, u"--title"_qs, u"Müşteriler"_qs} + toPdf, 0, {u"Written to "_qs}, {}, {},
        Unchanged);

    row("no command", {}, 2, {}, u"no command"_qs, {}, Unchanged);
    row("unknown command", {u"frobnicate"_qs}, 2, {},
        u"'frobnicate'; the commands are import, export, count, search, backup, copy, labels and report"_qs, {},
        Unchanged);
    row("unknown option", {u"count"_qs, u"--town"_qs}, 2, {}, u"town"_qs, {}, Unchanged);
    row("extra argument", {u"count"_qs, u"more"_qs}, 2, {}, u"more"_qs, {}, Unchanged);
    row("import without file", {u"import"_qs}, 2, {}, u"FILE"_qs, {}, Unchanged);
    row("bad duplicate policy", {u"import"_qs, u"@/new.csv"_qs, u"--on-duplicate"_qs, u"merge"_qs}, 2, {}, u"merge"_qs,
        {}, Unchanged);
    row("map without heading", {u"import"_qs, u"@/foreign.csv"_qs, u"--map"_qs, u"name"_qs}, 2, {}, u"FIELD=HEADING"_qs,
        {}, Unchanged);
    row("map unknown field", {u"import"_qs, u"@/foreign.csv"_qs, u"--map"_qs, u"nickname=Vorname"_qs}, 2, {},
        u"nickname"_qs, {}, Unchanged);
    row("map on a vCard", {u"import"_qs, u"@/cards.vcf"_qs, u"--map"_qs, u"name=N"_qs}, 2, {}, u"CSV"_qs, {},
        Unchanged);
    row("bad format", {u"export"_qs, u"--format"_qs, u"xml"_qs}, 2, {}, u"xml"_qs, {}, Unchanged);
    row("mark on a vCard", {u"export"_qs, u"--format"_qs, u"vcard"_qs, u"--bom"_qs}, 2, {}, u"--bom"_qs, {}, Unchanged);
    row("open range", {u"search"_qs, u"--name"_qs, u"A.."_qs}, 2, {}, u"A.."_qs, {}, Unchanged);
    row("unknown sort", {u"search"_qs, u"--order"_qs, u"age"_qs}, 2, {}, u"age"_qs, {}, Unchanged);
    row("backup", {u"backup"_qs, u"@/copy.mdb"_qs}, 0, {}, {}, {}, Unchanged);
    row("backup without DEST", {u"backup"_qs}, 2, {}, u"DEST"_qs, {}, Unchanged);
    row("backup onto the contact file", {u"backup"_qs, u"@db"_qs}, 1, {}, u"cannot be written over the contact file"_qs,
        {}, Unchanged);
    row("backup into a missing folder", {u"backup"_qs, u"@/none/copy.mdb"_qs}, 1, {}, u"does not exist"_qs, {},
        Unchanged);
    // The same verbs on a server database.
    const auto server = [](const char* name, QStringList arguments, int status, QStringList out, QString err,
                           QString records) {
        QTest::newRow(name) << (QStringList{u"--database"_qs, u"@pg"_qs} + arguments) << status << out << err << records
                            << Unchanged;
    };
    server("server count", {u"count"_qs}, 0, {u"3\n"_qs}, {}, {});
    server("server export", {u"export"_qs}, 0, {u"11,Ayşe,Yılmaz,ayse@example.com,"_qs}, {}, all);
    server("server search a range", {u"search"_qs, u"--name"_qs, u"A..N"_qs}, 0, {}, {}, u"11 12"_qs);
    server("server search sorted", {u"search"_qs, u"--company"_qs, u"A..Z"_qs, u"--order"_qs, u"Sehir"_qs}, 0, {}, {},
           u"12 13 11"_qs);
    server("server labels", QStringList{u"labels"_qs, u"--city"_qs, u"Ankara"_qs} + sheet + toPdf, 0,
           {u"Written to "_qs}, {}, {});
    server("server report", QStringList{u"report"_qs} + toPdf, 0, {u"Written to "_qs}, {}, {});
    server("server import refused", {u"import"_qs, u"@/new.csv"_qs}, 1, {}, u"copy --to"_qs, {});

    QStringList eleven{u"search"_qs};
    for (int i = 0; i < 11; ++i)
        eleven << u"--notes"_qs << u"x"_qs;
    row("eleven criteria", eleven, 2, {}, u"at most 10"_qs, {}, Unchanged);

    QTest::newRow("missing contact file") << QStringList{u"--file"_qs, u"@/none.mdb"_qs, u"count"_qs} << 1
                                          << QStringList() << u"none.mdb"_qs << QString() << Unchanged;
    QTest::newRow("import into a missing file")
        << QStringList{u"import"_qs, u"--file"_qs, u"@/none.mdb"_qs, u"@/new.csv"_qs} << 1 << QStringList()
        << u"none.mdb"_qs << QString() << Unchanged;
    QTest::newRow("not a contact file") << QStringList{u"--file=@/new.csv"_qs, u"export"_qs} << 1 << QStringList()
                                        << u"new.csv"_qs << QString() << Unchanged;
    QTest::newRow("help") << QStringList{u"--help"_qs} << 0
                          << QStringList{u"corvella import FILE"_qs, u"corvella search"_qs,
                                         u"corvella copy --to DEST"_qs, u"backup, copy, labels or report"_qs,
                                         u"--file <PATH>"_qs}
                          << QString() << QString() << Unchanged;
    QTest::newRow("command help") << QStringList{u"import"_qs, u"--help"_qs} << 0
                                  << QStringList{u"--on-duplicate"_qs, u"company             Firma Adi"_qs} << QString()
                                  << QString() << Unchanged;
    QTest::newRow("version") << QStringList{u"--version"_qs} << 0 << QStringList{u"Corvella 5.0\n"_qs} << QString()
                             << QString() << Unchanged;
}

void CommandLineTest::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    QFETCH(QString, records);
    QFETCH(QString, contacts);

    for (QString& argument : arguments) {
        if (argument == u"@pg"_qs)
            argument = serverCopy();
        argument.replace(u"@db"_qs, m_file->filePath());
        argument.replace(u"@/"_qs, m_file->folder());
    }
    const Run run = runProgram(arguments);
    QCOMPARE(run.status, status);
    for (const QString& text : out)
        QVERIFY2(run.out.contains(text), qPrintable(run.out));
    if (status != 0)
        QCOMPARE(run.out, QString()); // results only, and none after a failure
    if (err.isEmpty()) {
        QCOMPARE(run.err, QString());
    } else {
        // One line: the program's name, then a message naming what went wrong.
        QVERIFY2(run.err.startsWith(u"corvella: "_qs) && run.err.count(u'\n') == 1, qPrintable(run.err));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }
    if (!records.isNull())
        QCOMPARE(recordsOf(run.out), records);
    QCOMPARE(this->contacts(), contacts);
    QVERIFY(!QFile::exists(path(u"none.mdb"_qs))); // the command line never creates a contact file
    QCOMPARE(QFile::exists(path(u"out.pdf"_qs)), status == 0 && arguments.contains(path(u"out.pdf"_qs)));
}

void CommandLineTest::printCommandsDrawWithTheStoredSettings()
{
    // The sheet and the fonts of the print settings: 3 x 8 labels of 64 x 34 mm, a 6 mm report line.
    m_file->scalar(u"insert into YAYAR ([Sayfa Genişliği], [Sayfa Yüksekliği], [Sol Boşluk], [Üst Boşluk], "
                   "[Etiket Genişliği], [Etiket Yüksekliği], [Yatay Etiket Aralığı], [Dikey Etiket Aralığı], "
                   "[İsim X Koordinatı], [İsim Y Koordinatı], [F# Adı X Koordinatı], [F# Adı Y Koordinatı], "
                   "[İl X Koordinatı], [İl Y Koordinatı], [Liste Satır Aralığı], [Liste Fontu Boyutu]) "
                   "values (210, 297, 5, 10, 64, 34, 2, 0, 20, 5, 5, 12, 30, 20, 6, 9)"_qs);
    const QString pdf = path(u"labels.pdf"_qs);
    Run run =
        runProgram({u"--file"_qs, m_file->filePath(), u"labels"_qs, u"--company"_qs, u"A..C"_qs, u"--pdf"_qs, pdf});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    // Sorted by company as the list window does: Anka AŞ, then Bora Ltd beside it; Deniz Ltd is not selected.
    const QString labels = pdfText(pdf).simplified();
    QVERIFY2(labels.startsWith(u"Sayın Mehmet Kaya Sayın Zeynep Demir Anka AŞ Bora Ltd"_qs), qPrintable(labels));
    QVERIFY2(labels.contains(u"/ Ankara"_qs) && !labels.contains(u"Ayşe"_qs), qPrintable(labels));

    const QString report = path(u"report.pdf"_qs);
    run = runProgram({u"--file"_qs, m_file->filePath(), u"report"_qs, u"--pdf"_qs, report});
    QCOMPARE(run.status, 0);
    const QString text = pdfText(report);
    QVERIFY2(text.trimmed().startsWith(u"List/Report"_qs) && text.contains(u"Firma Adi"_qs) &&
                 text.contains(u"Yılmaz"_qs),
             qPrintable(text));

    // A setting out of its range: the message names the field, and no file is written.
    m_file->scalar(u"update YAYAR set [Liste Satır Aralığı] = 500000000"_qs);
    QFile::remove(report);
    run = runProgram({u"--file"_qs, m_file->filePath(), u"report"_qs, u"--pdf"_qs, report});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(u"List Line Height (Liste Satır Aralığı) in the print settings is 500000000"_qs),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(report));
    QCOMPARE(QDir(m_file->folder()).entryList({u"*.part"_qs}), QStringList());
}

void CommandLineTest::exportReplacesItsFileOnlyWhenDone()
{
    const QStringList arguments{u"--file"_qs, m_file->filePath(), u"export"_qs, u"--out"_qs, path(u"contacts.vcf"_qs)};
    const QStringList files = QDir(m_file->folder()).entryList(QDir::Files);
    const auto written = [this] {
        QFile file(path(u"contacts.vcf"_qs));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };

    Run run = runProgram(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString());
    const QString cards = written();
    QVERIFY2(cards.startsWith(u"BEGIN:VCARD"_qs) && cards.count(u"END:VCARD"_qs) == 3, qPrintable(cards));

    // Enough contacts to fill many pages, then a damaged page half-way: the export fails after it has begun.
    m_file->addContacts(test::ContactFileFixture::numbers(14, 3000), [](int no) {
        return QVariantMap{{u"Ad"_qs, u"Kişi %1"_qs.arg(no)}};
    });
    QFile contactFile(m_file->filePath());
    QVERIFY(contactFile.open(QIODevice::ReadWrite));
    QVERIFY(contactFile.seek(contactFile.size() / 2 / 4096 * 4096));
    contactFile.write(QByteArray(2 * 4096, '\xff'));
    contactFile.close();
    run = runProgram(arguments);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(m_file->filePath()), qPrintable(run.err));
    QCOMPARE(written(), cards);
    QStringList expected = files + QStringList{u"contacts.vcf"_qs};
    expected.sort();
    QCOMPARE(QDir(m_file->folder()).entryList(QDir::Files), expected); // and no temporary file left beside it
}

void CommandLineTest::contactFileBesideTheProgramByDefault()
{
    // The program beside the fixture's VT/Dorlune.mdb, as a hard link where possible, so that it finds it there.
    const QString program = path(u"corvella"_qs);
    const QByteArray from = QFile::encodeName(QString::fromUtf8(CORVELLA_EXECUTABLE));
    if (::link(from.constData(), QFile::encodeName(program).constData()) != 0)
        QVERIFY(QFile::copy(QString::fromUtf8(CORVELLA_EXECUTABLE), program));
    const Run run = runProgram({u"count"_qs}, program);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, u"3\n"_qs);

    // A settings file beside it names a server database instead, which an explicit --file overrides.
    m_file->addContact(14);
    writeFile(u"VT/database.conf"_qs, "# the office\n" + serverCopy().toUtf8() + '\n');
    QCOMPARE(runProgram({u"count"_qs}, program).out, u"3\n"_qs);
    QCOMPARE(runProgram({u"--file"_qs, m_file->filePath(), u"count"_qs}, program).out, u"4\n"_qs);
    writeFile(u"VT/database.conf"_qs, serverCopy().replace(u"postgres@"_qs, u"postgres:gizli@"_qs).toUtf8());
    const Run refused = runProgram({u"count"_qs}, program);
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(u"holds a password"_qs) && !refused.err.contains(u"gizli"_qs),
             qPrintable(refused.err));
    QCOMPARE(runProgram({u"--file"_qs, m_file->filePath(), u"count"_qs}, program).out, u"4\n"_qs);
}

void CommandLineTest::backupIsReadAsAContactFile()
{
    const QStringList before = QDir(m_file->folder()).entryList(QDir::Files);
    QCOMPARE(runProgram({u"--file"_qs, m_file->filePath(), u"backup"_qs, path(u"copy.mdb"_qs)}).status, 0);
    const Run count = runProgram({u"--file"_qs, path(u"copy.mdb"_qs), u"count"_qs});
    QCOMPARE(count.out, u"3\n"_qs);
    QCOMPARE(QDir(m_file->folder()).entryList(QDir::Files).size(), before.size() + 1); // no temporary file left

    // A server database's backup is a contact file, named by the database and the day when DEST is a folder.
    QCOMPARE(runProgram({u"--file"_qs, serverCopy(), u"backup"_qs, m_file->folder()}).err, QString());
    const QString named = path(u"cli-%1.mdb"_qs.arg(QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(runProgram({u"--file"_qs, named, u"count"_qs}).out, u"3\n"_qs);
    QCOMPARE(QDir(m_file->folder()).entryList(QDir::Files).size(), before.size() + 2);
}

void CommandLineTest::importWaitsForTheOtherCorvella()
{
    QLockFile corvella(m_file->filePath() + u".lock"_qs); // as the windows hold it
    corvella.setStaleLockTime(0);
    QVERIFY(corvella.tryLock(0));
    const QStringList import{u"--file"_qs, m_file->filePath(), u"import"_qs, path(u"new.csv"_qs)};
    Run run = runProgram(import);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(u"'%1' is already open in another Corvella"_qs.arg(m_file->filePath())),
             qPrintable(run.err));
    QCOMPARE(contacts(), Unchanged);
    corvella.unlock();
    QCOMPARE(runProgram(import).status, 0);
}

void CommandLineTest::writeWithoutPermissionSaysWhy()
{
    // Root may write to any file: the import then runs as nobody, who may read the file but not change it.
    const bool root = geteuid() == 0;
    const auto readable =
        QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QString folder = m_file->folder() + u"VT"_qs;
    QVERIFY(QFile::setPermissions(m_file->folder(), readable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, root ? readable | QFile::WriteOwner : readable));
    if (!root)
        QVERIFY(QFile::setPermissions(m_file->filePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QStringList import{u"--file"_qs, m_file->filePath(), u"import"_qs, path(u"new.csv"_qs)};
    const Run run =
        root
            ? runProgram(QStringList{u"-u"_qs, u"nobody"_qs, u"--"_qs, QString::fromUtf8(CORVELLA_EXECUTABLE)} + import,
                         QStandardPaths::findExecutable(u"runuser"_qs, {u"/usr/sbin"_qs, u"/sbin"_qs}))
            : runProgram(import);
    QFile::setPermissions(folder, readable | QFile::WriteOwner);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(m_file->filePath()) && run.err.contains(u"no permission"_qs), qPrintable(run.err));
    QCOMPARE(contacts(), Unchanged);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_cli.moc"
