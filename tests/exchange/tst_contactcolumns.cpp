#include "exchange/ContactColumnsMap.h"

#include <QTest>

using namespace corvella;
using exchange::CsvLayout;
using Values = QHash<QString, QString>;

Q_DECLARE_METATYPE(CsvLayout)

class ContactColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void recognises_data();
    void recognises();
};

void ContactColumnsTest::recognises_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<CsvLayout>("layout");
    QTest::addColumn<Values>("values");

    QTest::newRow("Corvella's own, any case, number left out")
        << QStringList{u"No"_qs, u"Ad"_qs, u"Soyad"_qs, u"e-mail"_qs, u"Sektör"_qs}
        << QStringList{u"12"_qs, u"Ayşe"_qs, u"Kaya"_qs, u"ayse@example.com"_qs, u"Bilişim"_qs} << CsvLayout::Corvella
        << Values{{u"Ad"_qs, u"Ayşe"_qs},
                  {u"Soyad"_qs, u"Kaya"_qs},
                  {u"E-mail"_qs, u"ayse@example.com"_qs},
                  {u"Sektör"_qs, u"Bilişim"_qs}};
    QTest::newRow("Google, phones by their kind, first of several values")
        << QStringList{u"First Name"_qs,
                       u"Last Name"_qs,
                       u"Organization Name"_qs,
                       u"Organization Title"_qs,
                       u"E-mail 1 - Value"_qs,
                       u"Phone 1 - Type"_qs,
                       u"Phone 1 - Value"_qs,
                       u"Phone 2 - Type"_qs,
                       u"Phone 2 - Value"_qs,
                       u"Phone 3 - Type"_qs,
                       u"Phone 3 - Value"_qs,
                       u"Address 1 - Street"_qs,
                       u"Address 1 - City"_qs,
                       u"Address 1 - Postal Code"_qs,
                       u"Notes"_qs}
        << QStringList{u"İsmail"_qs,
                       u"Çelik"_qs,
                       u"Ceviz A.Ş."_qs,
                       u"Müdür"_qs,
                       u"a@x.test ::: b@x.test"_qs,
                       u"Mobile"_qs,
                       u"0532 000 00 00"_qs,
                       u"Work Fax"_qs,
                       u"0212 000 00 01"_qs,
                       u"Pager"_qs,
                       u"999"_qs,
                       u"Gül Sok. 5"_qs,
                       u"İzmir"_qs,
                       u"35000"_qs,
                       u"ilk\nikinci"_qs}
        << CsvLayout::Google << Values{{u"Ad"_qs, u"İsmail"_qs},
                                       {u"Soyad"_qs, u"Çelik"_qs},
                                       {u"Firma Adi"_qs, u"Ceviz A.Ş."_qs},
                                       {u"Meslek"_qs, u"Müdür"_qs},
                                       {u"E-mail"_qs, u"a@x.test"_qs},
                                       {u"Cep Telefonu"_qs, u"0532 000 00 00"_qs},
                                       {u"Faks"_qs, u"0212 000 00 01"_qs},
                                       {u"Adres 1"_qs, u"Gül Sok. 5"_qs},
                                       {u"Sehir"_qs, u"İzmir"_qs},
                                       {u"Posta Kodu"_qs, u"35000"_qs},
                                       {u"Ek Bilgi"_qs, u"ilk\nikinci"_qs}};
    QTest::newRow("Outlook, a short row")
        << QStringList{u"First Name"_qs, u"Last Name"_qs,      u"Company"_qs,
                       u"Job Title"_qs,  u"E-mail Address"_qs, u"Business Phone"_qs,
                       u"Home Phone"_qs, u"Mobile Phone"_qs,   u"Business Fax"_qs}
        << QStringList{u"Ali"_qs, u"Veli"_qs, u"Dut Ltd."_qs, u"Satış"_qs, u"ali@dut.test"_qs, u"0212"_qs}
        << CsvLayout::Outlook
        << Values{{u"Ad"_qs, u"Ali"_qs},       {u"Soyad"_qs, u"Veli"_qs},          {u"Firma Adi"_qs, u"Dut Ltd."_qs},
                  {u"Meslek"_qs, u"Satış"_qs}, {u"E-mail"_qs, u"ali@dut.test"_qs}, {u"Is Telefonu"_qs, u"0212"_qs}};
    QTest::newRow("anything else is left to the user")
        << QStringList{u"İsim"_qs, u"Telefon"_qs} << QStringList{u"Ali"_qs, u"0212"_qs} << CsvLayout::Unknown
        << Values{};
}

void ContactColumnsTest::recognises()
{
    QFETCH(QStringList, header);
    QFETCH(QStringList, record);
    QFETCH(CsvLayout, layout);
    QFETCH(Values, values);
    const exchange::ColumnMap map = exchange::recogniseColumns(header);
    QCOMPARE(map.layout, layout);
    QCOMPARE(map.contactColumnOf.size(), header.size());
    QCOMPARE(exchange::contactValues(map, record), values);
}

QTEST_GUILESS_MAIN(ContactColumnsTest)
#include "tst_contactcolumns.moc"
