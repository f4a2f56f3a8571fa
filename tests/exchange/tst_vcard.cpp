#include "ErrorOf.h"

#include "exchange/VCard.h"

#include <QTest>

using namespace corvella;
using exchange::VCardProperty;

namespace {

VCardProperty contentLine(const char* name, QStringList types, QStringList values)
{
    return {QString::fromLatin1(name), std::move(types), std::move(values)};
}

} // namespace

class VCardTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void refusals_data();
    void refusals();
    void writtenCardsReadBackAlike();
    void writesFoldedLinesOfAtMost75Octets();
};

void VCardTest::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<VCardProperty>>("properties");

    // What older phones write: bare types, quoted-printable in a named charset, soft line breaks.
    QTest::newRow("2.1 quoted-printable UTF-8")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=96zt=C3=BCrk;Ay=C5=9Fe;;;\r\n"
                      "TEL;WORK;VOICE:+90 212 555 0101\r\n"
                      "NOTE;ENCODING=QUOTED-PRINTABLE:ilk=0D=0Aikinci sat=\r\n=C4=B1r\r\nEND:VCARD\r\n")
        << u"2.1"_qs
        << QList<VCardProperty>{contentLine("N", {}, {u"Öztürk"_qs, u"Ayşe"_qs, {}, {}, {}}),
                                contentLine("TEL", {u"work"_qs, u"voice"_qs}, {u"+90 212 555 0101"_qs}),
                                contentLine("NOTE", {}, {u"ilk\r\nikinci satır"_qs})};
    QTest::newRow("2.1 quoted-printable ISO-8859-9")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=ISO-8859-9;QUOTED-PRINTABLE:=DEule =DDnce\nEND:VCARD\n")
        << u"2.1"_qs << QList<VCardProperty>{contentLine("FN", {}, {u"Şule İnce"_qs})};
    QTest::newRow("3.0 folded, escaped, grouped")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:İsmail Ka\r\n ya\r\n"
                      "item1.EMAIL;TYPE=INTERNET,WORK:ismail@example.com\r\n"
                      "NOTE:bir\\, iki\\; üç\\nsatır\r\nADR;TYPE=work:;;Cad. 5\\; Kat 2;Kadıköy;İstanbul;34710;\r\n"
                      "END:VCARD\r\n")
        << u"3.0"_qs
        << QList<VCardProperty>{
               contentLine("FN", {}, {u"İsmail Kaya"_qs}),
               contentLine("EMAIL", {u"internet"_qs, u"work"_qs}, {u"ismail@example.com"_qs}),
               contentLine("NOTE", {}, {u"bir, iki; üç\nsatır"_qs}),
               contentLine("ADR", {u"work"_qs},
                           {{}, {}, u"Cad. 5; Kat 2"_qs, u"Kadıköy"_qs, u"İstanbul"_qs, u"34710"_qs, {}})};
    QTest::newRow("4.0 telephone as URI, ORG with unit")
        << QByteArray("BEGIN:VCARD\nVERSION:4.0\nTEL;TYPE=cell;VALUE=uri:tel:+90-532-000-0000\n"
                      "ORG:Ceviz A.Ş.;Satış\nEND:VCARD\n")
        << u"4.0"_qs
        << QList<VCardProperty>{contentLine("TEL", {u"cell"_qs}, {u"+90-532-000-0000"_qs}),
                                contentLine("ORG", {}, {u"Ceviz A.Ş."_qs, u"Satış"_qs})};
    QTest::newRow("Windows-1254 bytes") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:\xDEule\nEND:VCARD\n") << u"3.0"_qs
                                        << QList<VCardProperty>{contentLine("FN", {}, {u"Şule"_qs})};
}

void VCardTest::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, version);
    QFETCH(QList<VCardProperty>, properties);
    // The same card twice, after a blank line: each is read whole and on its own.
    const QList<exchange::VCard> cards = exchange::readVCards(bytes + "\r\n" + bytes, u"cards.vcf"_qs);
    QCOMPARE(cards.size(), 2);
    for (const exchange::VCard& card : cards) {
        QCOMPARE(card.version, version);
        QCOMPARE(card.properties, properties);
    }
    QCOMPARE(cards.first().line, 1);
    QCOMPARE(cards.last().line, int(bytes.count('\n')) + 2);
}

void VCardTest::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << u"'cards.vcf', line 1: the file is empty"_qs;
    QTest::newRow("no END") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\n")
                            << u"'cards.vcf', line 5: the card that begins here has no END:VCARD"_qs;
    QTest::newRow("END missing before the next card")
        << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nFN:B\nEND:VCARD\n")
        << u"'cards.vcf', line 1: the card that begins here has no END:VCARD"_qs;
    QTest::newRow("not a vCard") << QByteArray("Ad,Soyad\nAli,Kaya\n")
                                 << u"'cards.vcf', line 1: text outside a card (BEGIN:VCARD ... END:VCARD)"_qs;
    QTest::newRow("binary") << QByteArray("BEGIN:VCARD\nFN:\0\n", 17)
                            << u"'cards.vcf', line 2: the file holds binary data, not text"_qs;
}

void VCardTest::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QCOMPARE(test::errorOf([&] { exchange::readVCards(bytes, u"cards.vcf"_qs); }), error);
}

void VCardTest::writtenCardsReadBackAlike()
{
    const QList<VCardProperty> written = {
        contentLine("N", {}, {u"Öztürk"_qs, u"Ayşe"_qs, {}, {}, {}}),
        contentLine("FN", {}, {u"Ayşe Öztürk"_qs}),
        contentLine("ORG", {}, {u"Ceviz; Dut, Ayva A.Ş."_qs}),
        contentLine("TEL", {u"work"_qs, u"fax"_qs}, {u"+90 212 555 0102"_qs}),
        contentLine("ADR", {u"work"_qs},
                    {{}, {}, u"Çamlık Mah. Atatürk Cad. No: 73\\B"_qs, u"Konya"_qs, {}, u"42000"_qs, {}}),
        contentLine("NOTE", {}, {u"Satır bir\nsatır iki, "_qs + QString(200, u'ğ')}),
    };
    const QList<exchange::VCard> cards = exchange::readVCards(exchange::writeVCard(written), u"out.vcf"_qs);
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first().version, u"3.0"_qs);
    QCOMPARE(cards.first().properties, written);
}

void VCardTest::writesFoldedLinesOfAtMost75Octets()
{
    const QByteArray card = exchange::writeVCard({contentLine("NOTE", {}, {QString(100, u'ş') + u"x"_qs})});
    const QList<QByteArray> lines = card.split('\n');
    QCOMPARE(lines.first(), QByteArray("BEGIN:VCARD\r"));
    for (const QByteArray& line : lines) {
        QVERIFY2(line.size() <= 76, line.constData());     // 75 octets and the CR
        QVERIFY(QString::fromUtf8(line).toUtf8() == line); // no letter cut in two
    }
    QCOMPARE(lines.size(), 7); // BEGIN, VERSION, NOTE on 3 lines (206 octets), END, and after the last break
}

QTEST_GUILESS_MAIN(VCardTest)
#include "tst_vcard.moc"
