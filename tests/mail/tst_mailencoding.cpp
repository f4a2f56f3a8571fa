#include "ErrorOf.h"
#include "core/Error.h"
#include "mail/MimeText.h"
#include "mail/TExStringList.h"
#include "mail/TNMUUProcessor.h"
#include "mail/TS_BufferStream.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

using namespace corvella;
using namespace corvella::mail;
using corvella::test::errorOf;

namespace {

/// A memory device that takes only the first `limit` bytes written to it and counts the write calls.
class LimitedDevice : public QBuffer {
public:
    explicit LimitedDevice(qint64 limit = -1)
        : m_limit(limit)
    {
        open(QIODevice::ReadWrite);
    }
    QList<qint64> writes;

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        writes.append(size);
        if (m_limit >= 0)
            size = std::min(size, m_limit - pos());
        if (size <= 0)
            return -1;
        return QBuffer::writeData(data, size);
    }

private:
    qint64 m_limit;
};

/// A memory device that hands over at most `limit` bytes a read, as a pipe or a socket may.
class TricklingDevice : public QBuffer {
public:
    TricklingDevice(QByteArray* data, qint64 limit)
        : QBuffer(data)
        , m_limit(limit)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* data, qint64 size) override { return QBuffer::readData(data, std::min(size, m_limit)); }

private:
    qint64 m_limit;
};

/// Chooses the encoder's vector unit or its plain tables for the rest of the scope.
struct VectorEncodingScope {
    explicit VectorEncodingScope(bool vector) { TNMUUProcessor::SetVectorEncoding(vector); }
    ~VectorEncodingScope() { TNMUUProcessor::SetVectorEncoding(true); }
};

QByteArray encode(const QByteArray& input, UUMethods method, qint64 readLimit = -1)
{
    QByteArray in = input;
    TricklingDevice source(&in, readLimit < 0 ? in.size() + 1 : readLimit);
    source.seek(source.size()); // the encoder starts from the beginning wherever the stream stands
    QBuffer memory;
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    TNMUUProcessor encoder;
    encoder.SetMethod(method);
    encoder.SetInputStream(&source);
    encoder.SetOutputStream(&buffered);
    encoder.Encode();
    return memory.data();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray decodeQuotedPrintable(const QByteArrayList& lines)
{
    QByteArray joined;
    for (const QByteArray& line : lines)
        joined += line.endsWith('=') ? line.chopped(1) : line;
    return QByteArray::fromPercentEncoding(joined, '=');
}

QString decodeEncodedWords(const QString& value, int* longestWord = nullptr)
{
    QByteArray utf8;
    const QStringList words = value.split(u"\r\n "_qs);
    for (const QString& word : words) {
        if (longestWord)
            *longestWord = std::max(*longestWord, int(word.size()));
        if (!word.startsWith(u"=?utf-8?B?"_qs) || !word.endsWith(u"?="_qs))
            return u"not an encoded word: "_qs + word;
        const QByteArray bytes = QByteArray::fromBase64(word.mid(10, word.size() - 12).toLatin1());
        if (QString::fromUtf8(bytes).toUtf8() != bytes)
            return u"a word ends inside a character"_qs;
        utf8 += bytes;
    }
    return QString::fromUtf8(utf8);
}

} // namespace

class MailEncodingTest : public QObject {
    Q_OBJECT
private slots:
    void encoderLines_data();
    void encoderLines();
    void encoderAgreesWithIndependentBase64_data();
    void encoderAgreesWithIndependentBase64();
    void encoderMatchesCoreutils_data();
    void encoderMatchesCoreutils();
    void encoderEventsAndFailingOutput();

    void bufferedStreamSeeks_data();
    void bufferedStreamSeeks();
    void bufferedStreamInvalidOrigin();
    void bufferedStreamWrappedStreamTakesLess();
    void bufferedStreamWritesInBufferSizedPieces();
    void bufferedStreamReadsBackAndWritesAfterReading();
    void bufferedStreamPassesLargePiecesThrough_data();
    void bufferedStreamPassesLargePiecesThrough();

    void headerListFindsNamesIgnoringCase();
    void headerListSetHeader_data();
    void headerListSetHeader();

    void quotedPrintable_data();
    void quotedPrintable();
    void encodedWordsDecodeToTheText_data();
    void encodedWordsDecodeToTheText();
    void headerAddresses_data();
    void headerAddresses();
    void longAddressListsAreFolded();
    void fileNameParameters_data();
    void fileNameParameters();
    void lineBreaksFound_data();
    void lineBreaksFound();
};

void MailEncodingTest::encoderLines_data()
{
    QTest::addColumn<UUMethods>("method");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QByteArray bytes45;
    for (int i = 0; i < 45; ++i)
        bytes45 += char(i * 5);
    const QByteArray line45 = bytes45.toBase64();
    QCOMPARE(line45.size(), 60);
    QTest::newRow("45 bytes: one line of 60") << UUMethods::uuMime << bytes45 << line45 + "\r\n";
    QTest::newRow("46 bytes: a second line of 2 and ==")
        << UUMethods::uuMime << bytes45 + "A" << line45 + "\r\nQQ==\r\n";
    QTest::newRow("47 bytes: a second line of 3 and =")
        << UUMethods::uuMime << bytes45 + "AB" << line45 + "\r\nQUI=\r\n";
    QTest::newRow("empty, mime: nothing") << UUMethods::uuMime << QByteArray() << QByteArray();
    QTest::newRow("empty, uuencode: the zero-length line") << UUMethods::uuCode << QByteArray() << QByteArray("`\r\n");
    QTest::newRow("uuencode Cat") << UUMethods::uuCode << QByteArray("Cat") << QByteArray("#0V%T\r\n`\r\n");
    QTest::newRow("uuencode zero bits use the grave accent")
        << UUMethods::uuCode << QByteArray(3, '\0') << QByteArray("#````\r\n`\r\n");
    QTest::newRow("uuencode one byte left") << UUMethods::uuCode << QByteArray("A") << QByteArray("!00\r\n`\r\n");
}

void MailEncodingTest::encoderLines()
{
    QFETCH(UUMethods, method);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(encode(input, method), expected);
}

void MailEncodingTest::encoderAgreesWithIndependentBase64_data()
{
    QTest::addColumn<UUMethods>("method");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("vector");
    for (const bool vector : {true, false}) {
        const char* path = vector ? "vector unit" : "plain tables";
        for (const int size : {1, 2, 3, 44, 45, 46, 89, 90, 91, 1000, 32767, 32768, 65520, 65521, 200001}) {
            QTest::addRow("mime %d, %s", size, path) << UUMethods::uuMime << size << vector;
            QTest::addRow("uuencode %d, %s", size, path) << UUMethods::uuCode << size << vector;
        }
    }
}

void MailEncodingTest::encoderAgreesWithIndependentBase64()
{
    QFETCH(UUMethods, method);
    QFETCH(int, size);
    QFETCH(bool, vector);
    const VectorEncodingScope scope(vector);
    const QByteArray input = randomBytes(size, quint32(size));
    const QByteArray output = encode(input, method);
    QCOMPARE(output.size(), TNMUUProcessor::EncodedSize(size, method));
    QVERIFY(output.endsWith("\r\n"));
    QByteArrayList lines = output.chopped(2).split('\n');
    if (method == UUMethods::uuCode)
        QCOMPARE(lines.takeLast(), QByteArray("`"));

    // uuencode carries the same 6-bit values as base64 in another alphabet, without padding.
    const QByteArray mime = TNMUUProcessor::Alphabet(UUMethods::uuMime);
    const QByteArray uu = TNMUUProcessor::Alphabet(UUMethods::uuCode);
    QByteArray joined;
    qsizetype remaining = size;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype carried = std::min<qsizetype>(remaining, 45);
        remaining -= carried;
        if (method == UUMethods::uuCode) {
            QCOMPARE(uu.indexOf(line.at(0)), carried);
            line = line.mid(1);
            for (char& c : line)
                c = mime.at(uu.indexOf(c));
            QCOMPARE(line.size(), (carried * 4 + 2) / 3);
        } else {
            QCOMPARE(line.size(), (carried + 2) / 3 * 4);
        }
        joined += line;
    }
    QCOMPARE(remaining, 0);
    const auto options = method == UUMethods::uuCode ? QByteArray::OmitTrailingEquals : QByteArray::Base64Encoding;
    QCOMPARE(joined, input.toBase64(options));
}

void MailEncodingTest::encoderMatchesCoreutils_data()
{
    QTest::addColumn<bool>("vector");
    QTest::addColumn<qint64>("readLimit");
    QTest::newRow("vector unit") << true << qint64(-1);
    QTest::newRow("plain tables") << false << qint64(-1);
    QTest::newRow("input handed over 1000 bytes at a time") << true << qint64(1000);
}

void MailEncodingTest::encoderMatchesCoreutils()
{
    QFETCH(bool, vector);
    QFETCH(qint64, readLimit);
    const QString base64 = QStandardPaths::findExecutable(u"base64"_qs);
    if (base64.isEmpty())
        QSKIP("coreutils' base64 is not installed");
    const VectorEncodingScope scope(vector);
    const QByteArray input = randomBytes(4 * 65520 + 1001, 17); // five blocks, the last ending in a short line

    QProcess coreutils;
    coreutils.start(base64, {u"-w"_qs, u"60"_qs});
    coreutils.write(input);
    coreutils.closeWriteChannel();
    QVERIFY(coreutils.waitForFinished());
    QByteArray expected = coreutils.readAllStandardOutput();
    QCOMPARE(expected.count('\n'), (input.size() + 44) / 45); // lines of 60 characters from 45 bytes
    expected.replace("\n", "\r\n");
    QCOMPARE(encode(input, UUMethods::uuMime, readLimit), expected);
}

void MailEncodingTest::encoderEventsAndFailingOutput()
{
    QByteArray input = randomBytes(100000, 7);
    QBuffer source(&input);
    source.open(QIODevice::ReadOnly);
    LimitedDevice output(1000);
    TNMUUProcessor encoder;
    encoder.SetInputStream(&source);
    encoder.SetOutputStream(&output);
    QStringList events;
    encoder.OnBeginEncode = [&](TNMUUProcessor& sender) {
        QCOMPARE(&sender, &encoder);
        events << u"begin"_qs;
    };
    encoder.OnEndEncode = [&](TNMUUProcessor&) { events << u"end at "_qs + QString::number(output.pos()); };
    QCOMPARE(errorOf([&] { encoder.Encode(); }), u"Stream write error"_qs);
    QCOMPARE(events, QStringList({u"begin"_qs, u"end at 0"_qs}));
}

void MailEncodingTest::bufferedStreamSeeks_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<int>("origin");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("flushed");
    // 100 bytes written and waiting in the buffer; the logical position is 100.
    QTest::newRow("to the current position from the start") << qint64(100) << 0 << qint64(100) << false;
    QTest::newRow("to the current position from itself") << qint64(0) << 1 << qint64(100) << false;
    QTest::newRow("to the end, which counts waiting bytes") << qint64(0) << 2 << qint64(100) << false;
    QTest::newRow("from the start") << qint64(10) << 0 << qint64(10) << true;
    QTest::newRow("back from the current position") << qint64(-30) << 1 << qint64(70) << true;
    QTest::newRow("an offset from the end counts back") << qint64(25) << 2 << qint64(75) << true;
}

void MailEncodingTest::bufferedStreamSeeks()
{
    QFETCH(qint64, offset);
    QFETCH(int, origin);
    QFETCH(qint64, expected);
    QFETCH(bool, flushed);
    QByteArray data = randomBytes(100, 3);
    LimitedDevice memory;
    TS_BufferStream buffered(&memory);
    QCOMPARE(buffered.write(data), qint64(100));
    QCOMPARE(buffered.Seek(offset, origin), expected);
    QCOMPARE(memory.size(), flushed ? qint64(100) : qint64(0));
    QCOMPARE(memory.pos(), flushed ? expected : qint64(0));
    QCOMPARE(buffered.Position(), expected);
    QCOMPARE(buffered.pos(), expected);
    QCOMPARE(buffered.read(5), data.mid(expected, 5));
}

void MailEncodingTest::bufferedStreamInvalidOrigin()
{
    QBuffer memory;
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    QCOMPARE(errorOf([&] { buffered.Seek(0, 3); }), u"Invalid seek origin = 3"_qs);
    QCOMPARE(errorOf([&] { buffered.Seek(0, -1); }), u"Invalid seek origin = -1"_qs);
}

void MailEncodingTest::bufferedStreamWrappedStreamTakesLess()
{
    LimitedDevice memory(10);
    TS_BufferStream buffered(&memory);
    buffered.write(QByteArray(100, 'x'));
    QCOMPARE(errorOf([&] { buffered.Seek(0, 0); }), u"Seek error"_qs);

    LimitedDevice direct(10);
    TS_BufferStream passing(&direct);
    QCOMPARE(passing.write(QByteArray(40000, 'x')), qint64(10)); // a piece passed through says what was taken
}

void MailEncodingTest::bufferedStreamWritesInBufferSizedPieces()
{
    const QByteArray data = randomBytes(100000, 11);
    LimitedDevice memory;
    {
        TS_BufferStream buffered(&memory);
        for (qsizetype at = 0; at < data.size(); at += 62)
            QCOMPARE(buffered.write(data.mid(at, 62)), qint64(std::min<qsizetype>(62, data.size() - at)));
        QCOMPARE(memory.writes, QList<qint64>({32768, 32768, 32768}));
    } // destruction writes what is still waiting
    QCOMPARE(memory.writes, QList<qint64>({32768, 32768, 32768, 1696}));
    QCOMPARE(memory.data(), data);
}

void MailEncodingTest::bufferedStreamReadsBackAndWritesAfterReading()
{
    const QByteArray data = randomBytes(70000, 5);
    QBuffer memory;
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    buffered.write(data);
    QCOMPARE(buffered.Seek(0, 0), qint64(0));
    QCOMPARE(buffered.size(), qint64(data.size()));
    QByteArray back;
    while (back.size() < data.size()) {
        const QByteArray piece = buffered.read(1000);
        QVERIFY(!piece.isEmpty());
        back += piece;
    }
    QCOMPARE(back, data);
    QVERIFY(buffered.read(10).isEmpty());

    buffered.Seek(10, 0);
    QCOMPARE(buffered.read(5), data.mid(10, 5));
    QCOMPARE(buffered.Position(), qint64(15)); // the wrapped stream has read ahead; the position has not
    buffered.write("XY");
    buffered.Seek(0, 0);
    QCOMPARE(memory.data().mid(13, 4), data.mid(13, 2) + "XY");
    QCOMPARE(memory.size(), qint64(data.size()));
}

void MailEncodingTest::bufferedStreamPassesLargePiecesThrough_data()
{
    QTest::addColumn<qint64>("waiting");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("writes");
    QTest::newRow("nothing waiting: one write as it came") << qint64(0) << qint64(70000) << QList<qint64>{70000};
    QTest::newRow("waiting bytes fill the buffer first") << qint64(100) << qint64(70000) << QList<qint64>{32768, 37332};
    QTest::newRow("a rest below the buffer's size waits for the seek")
        << qint64(100) << qint64(40000) << QList<qint64>{32768, 7332};
}

void MailEncodingTest::bufferedStreamPassesLargePiecesThrough()
{
    QFETCH(qint64, waiting);
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, writes);
    const QByteArray data = randomBytes(waiting + size, 13);
    LimitedDevice memory;
    TS_BufferStream buffered(&memory);
    QCOMPARE(buffered.write(data.left(waiting)), waiting);
    QCOMPARE(buffered.write(data.mid(waiting)), size);
    QCOMPARE(buffered.Position(), waiting + size);
    QCOMPARE(buffered.Seek(0, 0), qint64(0));
    QCOMPARE(memory.writes, writes);
    QCOMPARE(memory.data(), data);

    QCOMPARE(buffered.read(10), data.left(10));         // through the buffer, which reads ahead
    QCOMPARE(buffered.read(data.size()), data.mid(10)); // the buffered rest, then straight from the stream
    QCOMPARE(buffered.Position(), waiting + size);
    QVERIFY(buffered.read(1).isEmpty());
}

void MailEncodingTest::headerListFindsNamesIgnoringCase()
{
    const TExStringList list(
        {u"From: a<b@c>"_qs, u"no colon here"_qs, u"X-Mailer: Dorlune V2.0"_qs, u"Subject: re: X-MAILER"_qs});
    QCOMPARE(list.IndexOfHeader(u"x-mailer"_qs), 2);
    QCOMPARE(list.IndexOfHeader(u"X-MAILER"_qs), 2);
    QCOMPARE(list.IndexOfHeader(u"SUBJECT"_qs), 3);
    QCOMPARE(list.IndexOfHeader(u"no colon here"_qs), -1);
    QCOMPARE(list.IndexOfHeader(u"Date"_qs), -1);
}

void MailEncodingTest::headerListSetHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty value, name absent: unchanged")
        << u"Date"_qs << QString() << QStringList({u"From: x"_qs, u"Subject: old"_qs, u"Mime-Version: 1.0"_qs});
    QTest::newRow("empty value, name present: removed")
        << u"subject"_qs << QString() << QStringList({u"From: x"_qs, u"Mime-Version: 1.0"_qs});
    QTest::newRow("present in another case: rewritten in its place")
        << u"SUBJECT"_qs << u"new"_qs << QStringList({u"From: x"_qs, u"SUBJECT: new"_qs, u"Mime-Version: 1.0"_qs});
    QTest::newRow("absent: appended") << u"Reply-To"_qs << u"r@x"_qs
                                      << QStringList({u"From: x"_qs, u"Subject: old"_qs, u"Mime-Version: 1.0"_qs,
                                                      u"Reply-To: r@x"_qs});
}

void MailEncodingTest::headerListSetHeader()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    TExStringList list({u"From: x"_qs, u"Subject: old"_qs, u"Mime-Version: 1.0"_qs});
    list.SetHeader(name, value);
    QCOMPARE(QStringList(list), expected);
}

void MailEncodingTest::quotedPrintable_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::newRow("Turkish letters") << u"Türkçe ağ"_qs << QByteArrayList({"T=C3=BCrk=C3=A7e a=C4=9F"});
    QTest::newRow("equals sign") << u"a=b"_qs << QByteArrayList({"a=3Db"});
    QTest::newRow("trailing blank") << u"son "_qs << QByteArrayList({"son=20"});
    QTest::newRow("empty") << QString() << QByteArrayList({""});
    QTest::newRow("soft break before 76")
        << QString(80, u'x') << QByteArrayList({QByteArray(75, 'x') + "=", QByteArray(5, 'x')});
    QTest::newRow("an escape is never split")
        << (QString(74, u'x') + u"ş"_qs) << QByteArrayList({QByteArray(74, 'x') + "=", "=C5=9F"});
}

void MailEncodingTest::quotedPrintable()
{
    QFETCH(QString, line);
    QFETCH(QByteArrayList, expected);
    const QByteArrayList lines = mime::quotedPrintable(line);
    QCOMPARE(lines, expected);
    QCOMPARE(QString::fromUtf8(decodeQuotedPrintable(lines)), line);
}

void MailEncodingTest::encodedWordsDecodeToTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << u"Gönderme tamamlandı"_qs;
    QTest::newRow("long Turkish") << QString(u"Şirketimizin İstanbul şubesinden ağustos ayı bülteni "_qs).repeated(6);
    QTest::newRow("outside the basic plane") << QString(u"ğ😀"_qs).repeated(40);
}

void MailEncodingTest::encodedWordsDecodeToTheText()
{
    QFETCH(QString, text);
    int longest = 0;
    QCOMPARE(decodeEncodedWords(mime::encodedWords(text), &longest), text);
    QVERIFY2(longest <= 75, qPrintable(QString::number(longest)));
}

void MailEncodingTest::headerAddresses_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ASCII display name unchanged")
        << u"Ali Veli <ali@example.com>"_qs << u"Ali Veli <ali@example.com>"_qs;
    QTest::newRow("bare address unchanged") << u"ali@example.com"_qs << u"ali@example.com"_qs;
    QTest::newRow("Turkish display name encoded")
        << u"Çağrı Işık <cagri@example.com>"_qs << u"=?utf-8?B?w4dhxJ9yxLEgScWfxLFr?= <cagri@example.com>"_qs;
    QTest::newRow("quotes dropped before encoding")
        << u"\"Öztürk, Gülşen\"<g@example.com>"_qs << u"=?utf-8?B?w5Z6dMO8cmssIEfDvGzFn2Vu?= <g@example.com>"_qs;
}

void MailEncodingTest::headerAddresses()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QCOMPARE(mime::headerAddress(entry), expected);
}

void MailEncodingTest::longAddressListsAreFolded()
{
    QCOMPARE(mime::addressList(u"To"_qs, {u"a@example.com"_qs, u"b@example.com"_qs}),
             u"To: a@example.com,b@example.com"_qs);
    QStringList entries;
    for (int i = 0; i < 60; ++i)
        entries << u"recipient%1@example.com"_qs.arg(i);
    const QString header = mime::addressList(u"CC"_qs, entries);
    const QStringList lines = header.split(u"\r\n"_qs);
    QVERIFY(lines.size() > 10);
    for (const QString& line : lines)
        QVERIFY2(line.size() <= mime::FoldWidth, qPrintable(line));
    QString unfolded = header;
    unfolded.remove(u"\r\n "_qs);
    QCOMPARE(unfolded, u"CC: "_qs + entries.join(u','));
}

void MailEncodingTest::fileNameParameters_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"rapor.pdf"_qs << u"name=\"rapor.pdf\""_qs;
    QTest::newRow("quote and backslash") << u"a\"b\\c.txt"_qs << u"name=\"a\\\"b\\\\c.txt\""_qs;
    QTest::newRow("Turkish") << u"ağ planı.pdf"_qs << u"name*=utf-8''a%C4%9F%20plan%C4%B1.pdf"_qs;
}

void MailEncodingTest::fileNameParameters()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(mime::fileNameParameter(u"name"_qs, fileName), expected);
}

void MailEncodingTest::lineBreaksFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::newRow("plain") << u"Konu: özet"_qs << false;
    QTest::newRow("CR") << u"a\rb"_qs << true;
    QTest::newRow("LF") << u"a\nBcc: x@y"_qs << true;
    QTest::newRow("NUL") << QString(u"a\0b"_qs) << true;
}

void MailEncodingTest::lineBreaksFound()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QCOMPARE(mime::hasLineBreak(text), found);
}

QTEST_GUILESS_MAIN(MailEncodingTest)
#include "tst_mailencoding.moc"
