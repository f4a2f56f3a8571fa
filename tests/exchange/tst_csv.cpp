#include "ErrorOf.h"

#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"

#include <QBuffer>
#include <QTest>

using namespace corvella;
using exchange::CsvReader;
using exchange::TextEncoding;
using Records = QList<QStringList>;

Q_DECLARE_METATYPE(TextEncoding)

namespace {

/// Every record of `bytes`, read in pieces of `chunk` bytes, with the separator given or else detected; the
/// separator used is appended as a last record.
Records readAll(const QByteArray& bytes, qsizetype chunk = CsvReader::DefaultChunkBytes,
                std::optional<QChar> delimiter = std::nullopt, QList<int>* lines = nullptr)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer, u"contacts.csv"_qs, delimiter, chunk);
    Records result;
    QStringList fields;
    while (reader.next(fields)) {
        result << fields;
        if (lines)
            *lines << reader.recordLine();
    }
    result << QStringList{QString(reader.delimiter())};
    return result;
}

/// Records written as UTF-8 literals.
Records rowsOf(std::initializer_list<std::initializer_list<const char*>> rows)
{
    Records result;
    for (const auto& row : rows) {
        QStringList fields;
        for (const char* field : row)
            fields << QString::fromUtf8(field);
        result << fields;
    }
    return result;
}

/// Reads `bytes` as a whole, then with the separator found in pieces of a few bytes, which cut records, quotes,
/// CR LF pairs and multi-byte letters at every place; both must give the same records.
Records readInPieces(const QByteArray& bytes)
{
    const Records whole = readAll(bytes);
    const QChar delimiter = whole.last().first().at(0);
    for (const qsizetype chunk : {5, 7}) {
        const Records pieces = readAll(bytes, chunk, delimiter);
        if (pieces != whole)
            return pieces;
    }
    return whole;
}

} // namespace

class CsvTest : public QObject {
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void encodings_data();
    void encodings();
    void refusals_data();
    void refusals();
    void longFieldAndLineNumbers();
    void writes_data();
    void writes();
    void writtenRecordsReadBackAlike();
    void writeFailureNamesTheFile();
};

void CsvTest::records_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Records>("expected"); // the records, then the delimiter found

    QTest::newRow("comma, LF") << QByteArray("Ad,Soyad\nAyşe,Kaya\n")
                               << rowsOf({{"Ad", "Soyad"}, {"Ayşe", "Kaya"}, {","}});
    QTest::newRow("no last line break") << QByteArray("a,b\r\nc,d") << rowsOf({{"a", "b"}, {"c", "d"}, {","}});
    QTest::newRow("semicolon beats commas inside values")
        << QByteArray("Ad;Not\r\nAli;1,5 kg\r\nVeli;2,5 kg\r\n")
        << rowsOf({{"Ad", "Not"}, {"Ali", "1,5 kg"}, {"Veli", "2,5 kg"}, {";"}});
    QTest::newRow("tab") << QByteArray("a\tb\tc\n1\t2\t3\n") << rowsOf({{"a", "b", "c"}, {"1", "2", "3"}, {"\t"}});
    QTest::newRow("quoted separator, doubled quotes, line breaks")
        << QByteArray("Ad,Adres\r\n\"Kaya, Ayşe\",\"Cad. \"\"Gül\"\" No 5\r\nKadıköy\"\r\n")
        << rowsOf({{"Ad", "Adres"}, {"Kaya, Ayşe", "Cad. \"Gül\" No 5\r\nKadıköy"}, {","}});
    QTest::newRow("empty fields and a blank line")
        << QByteArray("a,,c\n\n,,\n") << rowsOf({{"a", "", "c"}, {""}, {"", "", ""}, {","}});
    QTest::newRow("ragged rows keep their fields")
        << QByteArray("a,b,c\n1,2\n1,2,3,4\n") << rowsOf({{"a", "b", "c"}, {"1", "2"}, {"1", "2", "3", "4"}, {","}});
    QTest::newRow("lone CR ends a line") << QByteArray("a,b\rc,d\r") << rowsOf({{"a", "b"}, {"c", "d"}, {","}});
    QTest::newRow("text after a closing quote is kept") << QByteArray("\"ab\"cd,e\n") << rowsOf({{"abcd", "e"}, {","}});
    QTest::newRow("one field, one line") << QByteArray("ahmet") << rowsOf({{"ahmet"}, {","}});
}

void CsvTest::records()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Records, expected);
    QCOMPARE(readInPieces(bytes), expected);
}

void CsvTest::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    const QString text = u"Ad;Şehir\nİsmail;Iğdır\n"_qs;
    const auto utf16 = [&](bool littleEndian) {
        QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
        }
        return bytes;
    };
    QTest::newRow("UTF-8") << text.toUtf8() << TextEncoding::Utf8;
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8() << TextEncoding::Utf8WithBom;
    QTest::newRow("UTF-16 LE") << utf16(true) << TextEncoding::Utf16LittleEndian;
    QTest::newRow("UTF-16 BE") << utf16(false) << TextEncoding::Utf16BigEndian;
    // Ş = DE, İ = DD, ğ = F0, ı = FD in the Turkish code page (ISO-8859-9 has the same letters there).
    QTest::newRow("Windows-1254") << QByteArray("Ad;\xDE"
                                                "ehir\n\xDD"
                                                "smail;I\xF0"
                                                "d\xFDr\n")
                                  << TextEncoding::Windows1254;
}

void CsvTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QCOMPARE(exchange::detectEncoding(bytes), encoding);
    QCOMPARE(readInPieces(bytes), rowsOf({{"Ad", "Şehir"}, {"İsmail", "Iğdır"}, {";"}}));
}

void CsvTest::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << u"'contacts.csv', line 1: the file is empty"_qs;
    QTest::newRow("binary") << QByteArray("Ad,Soyad\nx\0y,z\n", 15)
                            << u"'contacts.csv', line 2: the file holds binary data, not text"_qs;
    QTest::newRow("unclosed quote") << QByteArray("a,b\nc,\"d\ne,f\n")
                                    << u"'contacts.csv', line 2: a quoted field that starts in this record is never "
                                       "closed"_qs;
    // Valid UTF-8 at the start, then a byte no UTF-8 text holds: not silently read as another code page.
    QTest::newRow("invalid UTF-8 later") << QByteArray(70 * 1024, 'a') + "\n\xFF\n"
                                         << u"'contacts.csv', line 2: the text is not valid UTF-8"_qs;
    // The decoder holds a cut-off letter for the next piece; at the file's end it was dropped without a word.
    QTest::newRow("UTF-8 cut off at the end") << QByteArray(70 * 1024, 'a') + "\nx\xC5"
                                              << u"'contacts.csv', line 2: the text is not valid UTF-8: it ends inside "
                                                 "a letter"_qs;
}

void CsvTest::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QCOMPARE(test::errorOf([&] { readAll(bytes); }), error);
}

void CsvTest::longFieldAndLineNumbers()
{
    const QByteArray note(10 * 1024 * 1024, 'x');
    const QByteArray bytes = "Ad,Not\n\"Ali\",\"" + note + "\"\n\"Veli\nBey\",kısa\nCan,son\n";
    QList<int> lines;
    const Records read = readAll(bytes, 7 * 1024, std::nullopt, &lines);
    QCOMPARE(read.size(), 5);
    QCOMPARE(read.at(1).at(1).size(), note.size());
    QCOMPARE(read.at(2), (QStringList{u"Veli\nBey"_qs, u"kısa"_qs}));
    QCOMPARE(lines, (QList<int>{1, 2, 3, 5}));
}

void CsvTest::writes_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << rowsOf({{"Ad", "Soyad"}, {"Ayşe", "Kaya"}}) << false
                           << QByteArray("Ad,Soyad\r\nAyşe,Kaya\r\n");
    QTest::newRow("with BOM") << rowsOf({{"Şehir"}}) << true << QByteArray("\xEF\xBB\xBFŞehir\r\n");
    QTest::newRow("quoted only where needed")
        << rowsOf({{"Kaya, Ayşe", "Cad. \"Gül\"", "iki\nsatır", "", " boşluk "}}) << false
        << QByteArray("\"Kaya, Ayşe\",\"Cad. \"\"Gül\"\"\",\"iki\nsatır\",, boşluk \r\n");
}

void CsvTest::writes()
{
    QFETCH(Records, records);
    QFETCH(bool, byteOrderMark);
    QFETCH(QByteArray, bytes);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    exchange::CsvWriter writer(buffer, u"out.csv"_qs, byteOrderMark);
    for (const QStringList& record : records)
        writer.write(record);
    writer.finish();
    QCOMPARE(buffer.data(), bytes);
    QCOMPARE(writer.recordsWritten(), records.size());
}

void CsvTest::writtenRecordsReadBackAlike()
{
    const Records written = rowsOf({{"No", "Ad", "Not"},
                                    {"11", "İsmail Iğdır", "\"Çok\" önemli;\r\nara"},
                                    {"12", "", "=1+1"},
                                    {"13", "O'Brien", "\t"}});
    for (const QChar delimiter : {u',', u';'}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        exchange::CsvWriter writer(buffer, u"out.csv"_qs, true, delimiter);
        for (const QStringList& record : written)
            writer.write(record);
        writer.finish();
        Records read = readAll(buffer.data());
        QCOMPARE(read.takeLast(), QStringList{QString(delimiter)});
        QCOMPARE(read, written);
    }
}

void CsvTest::writeFailureNamesTheFile()
{
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    exchange::CsvWriter writer(readOnly, u"/tmp/out.csv"_qs);
    writer.write({u"a"_qs});
    QVERIFY(test::errorOf([&] { writer.finish(); }).startsWith(u"Cannot write to '/tmp/out.csv'"_qs));
}

QTEST_GUILESS_MAIN(CsvTest)
#include "tst_csv.moc"
