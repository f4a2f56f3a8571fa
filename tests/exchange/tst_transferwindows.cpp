#include "ContactFileFixture.h"
#include "DialogAnswers.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "exchange/ui/ColumnMappingDialog.h"
#include "exchange/ui/ExportDialog.h"
#include "exchange/ui/ImportOptionsDialog.h"
#include "exchange/ui/ImportReportDialog.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/Columns.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/widgets/DBComboBox.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBNavigator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace corvella;
namespace contact = store::contact;

namespace {

const QString LongCompany = u"Çukurova Tekstil Boya Apre ve Dokuma Sanayi Ticaret Anonim Şirketi Adana Şubesi."_qs;

/// The program on a contact file, with every dialog answered: file choosers from `answers.files`, message boxes
/// with OK, and the import and export dialogs by the handlers a test sets (each then accepts its dialog).
struct Program {
    test::ContactFileFixture fixture;
    test::DialogAnswers answers;
    app::Windows windows;
    std::function<void(exchange::ColumnMappingDialog&)> mapping;
    std::function<void(exchange::ImportOptionsDialog&)> options = [](auto&) {};
    std::function<void(exchange::ImportReportDialog&)> report = [](auto&) {};
    std::function<void(exchange::ExportDialog&)> exporting;

    explicit Program(const QList<QVariantMap>& contacts = {})
    {
        fixture.addContacts(fixture.numbers(11, 10 + int(contacts.size())),
                            [&contacts](int no) { return contacts.at(no - 11); });
        windows = app::createWindows();
        windows.main->show();
        answers.modal = [this](QDialog& dialog) {
            if (auto* d = qobject_cast<exchange::ColumnMappingDialog*>(&dialog))
                mapping(*d);
            else if (auto* d = qobject_cast<exchange::ImportOptionsDialog*>(&dialog))
                options(*d);
            else if (auto* d = qobject_cast<exchange::ImportReportDialog*>(&dialog))
                report(*d);
            else if (auto* d = qobject_cast<exchange::ExportDialog*>(&dialog))
                exporting(*d);
            else
                return int(QDialog::Rejected);
            return int(QDialog::Accepted);
        };
    }

    app::Tfrmkayit& main() { return *windows.main; }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = fixture.folder() + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        return path;
    }

    void import(const QString& path)
    {
        answers.files << path;
        main().findChild<QToolButton*>(u"importButton"_qs)->click();
    }

    /// Every row of the contact file, every column quoted, in storage order.
    QString dump()
    {
        QStringList columns{u"quote([No])"_qs};
        for (const store::ContactColumn& column : store::contactColumns())
            columns << u"quote(["_qs + column.name + u"])"_qs;
        return fixture
            .scalar(u"SELECT group_concat(r, char(10)) FROM (SELECT "_qs + columns.join(u" || '|' || "_qs) +
                    u" AS r FROM kayit ORDER BY rowid)"_qs)
            .toString();
    }

    QString valueOf(int no, const QString& column)
    {
        return fixture.scalar(u"SELECT [%1] FROM kayit WHERE [No] = %2"_qs.arg(column).arg(no)).toString();
    }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The header and the records of a CSV file written without quotes (the tests' values hold no commas).
QList<QStringList> csvRecords(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QStringList> records;
    for (const QString& line : QString::fromUtf8(bytes).split(u"\r\n"_qs, Qt::SkipEmptyParts))
        records << line.split(u',');
    return records;
}

QStringList allColumnNames()
{
    QStringList names{contact::RecordNumber};
    for (const store::ContactColumn& column : store::contactColumns())
        names << column.name;
    return names;
}

QVariantMap person(const QString& name, const QString& firm, const QString& postalCode)
{
    return {{contact::FirstName, name}, {contact::Company, firm}, {contact::PostalCode, postalCode}};
}

} // namespace

class TransferWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void unknownCsvIsImportedThroughTheChosenColumns();
    void cancelOrErrorLeavesTheFileAsItWas_data();
    void cancelOrErrorLeavesTheFileAsItWas();
    void longValueSurvivesEditingAnotherField();
    void listExportsTheResultWithAllColumns_data();
    void listExportsTheResultWithAllColumns();
};

void TransferWindowsTest::unknownCsvIsImportedThroughTheChosenColumns()
{
    Program program({{{contact::FirstName, u"Zeynep"_qs},
                      {contact::Email, u"zeynep@example.com"_qs},
                      {contact::City, u"Ankara"_qs}}});
    const QString path = program.writeFile(u"people.csv"_qs, u"Given;Family;Firm;Mail;Remark\r\n"
                                                             "Ayşe;Yılmaz;Çınar A.Ş.;ayse@example.com;x\r\n"
                                                             ";;;;only a remark\r\n"
                                                             "Can;Demir;%1;can@example.com;\r\n"
                                                             "Zeynep;Kaya;;ZEYNEP@EXAMPLE.COM;\r\n"_qs.arg(LongCompany)
                                                                 .toUtf8());
    program.mapping = [](exchange::ColumnMappingDialog& dialog) {
        QVERIFY(!dialog.importButton()->isEnabled()); // no heading names a field: nothing is chosen yet
        dialog.choose(4, contact::FirstName);
        dialog.choose(0, contact::FirstName); // a field takes one column: "Remark" lets it go
        QCOMPARE(dialog.choice(4)->currentData().toString(), QString());
        dialog.choose(1, contact::LastName);
        dialog.choose(2, contact::Company);
        dialog.choose(3, contact::Email);
        // The preview shows the records as they would be stored, in the contact table's column order.
        const QTableWidget* preview = dialog.preview();
        QStringList titles, firstRow;
        for (int column = 0; column < preview->columnCount(); ++column) {
            titles << preview->horizontalHeaderItem(column)->text();
            firstRow << preview->item(0, column)->text();
        }
        QCOMPARE(titles, QStringList({u"Name"_qs, u"Surname"_qs, u"e-mail"_qs, u"Company"_qs}));
        QCOMPARE(firstRow, QStringList({u"Ayşe"_qs, u"Yılmaz"_qs, u"ayse@example.com"_qs, u"Çınar A.Ş."_qs}));
        QCOMPARE(preview->item(2, 3)->text(), LongCompany);
        QVERIFY(!preview->item(2, 3)->toolTip().isEmpty()); // over the column's size, and said so
    };
    program.options = [](exchange::ImportOptionsDialog& dialog) {
        dialog.setPolicy(exchange::DuplicatePolicy::Update);
    };
    const QString detailsPath = program.fixture.folder() + u"details.csv"_qs;
    QString summary, details;
    program.report = [&](exchange::ImportReportDialog& dialog) {
        summary = dialog.summary()->text();
        details = dialog.details()->toPlainText();
        program.answers.files << detailsPath;
        dialog.saveButton()->click();
    };
    program.import(path);

    QVERIFY2(summary.contains(u"Added: 2. Updated: 1. Skipped as duplicates: 0. Rejected: 1."_qs), qPrintable(summary));
    QCOMPARE(details.count(u'\n'), 1); // the rejected row and the long one
    const QList<QStringList> saved = csvRecords(readAll(detailsPath));
    QCOMPARE(saved.size(), 3);
    QCOMPARE(saved.at(1).mid(0, 2), QStringList({u"3"_qs, u"rejected"_qs}));
    QCOMPARE(saved.at(2).mid(0, 2), QStringList({u"4"_qs, u"long value"_qs}));

    QCOMPARE(program.valueOf(12, contact::LastName), u"Yılmaz"_qs);
    QCOMPARE(program.valueOf(13, contact::Company), LongCompany);
    QCOMPARE(program.valueOf(11, contact::LastName), u"Kaya"_qs); // updated over the e-mail, any case
    QCOMPARE(program.valueOf(11, contact::City), u"Ankara"_qs);
    QCOMPARE(program.valueOf(11, contact::Notes), QString()); // "Remark" was not imported
    // The main window reads the table again, stays on its record and reaches the new ones.
    store::TableDataSet* table = program.main().table();
    QCOMPARE(table->recordCount(), 3);
    QCOMPARE(table->fieldByName(contact::LastName).asString(), u"Kaya"_qs);

    // Export... writes the whole file, in record-number order.
    const QString exported = program.fixture.folder() + u"all.csv"_qs;
    program.exporting = [&](exchange::ExportDialog& dialog) { dialog.setFilePath(exported); };
    program.main().findChild<QToolButton*>(u"exportButton"_qs)->click();
    const QList<QStringList> all = csvRecords(readAll(exported));
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.at(0), allColumnNames());
    QCOMPARE(all.at(3).at(allColumnNames().indexOf(contact::Company)), LongCompany);
}

void TransferWindowsTest::cancelOrErrorLeavesTheFileAsItWas_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("badLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled half way") << true << 0 << u"The import was cancelled; the contact file is unchanged."_qs;
    QTest::newRow("short row") << false << 1500 << u"line 1500: the row has 1 fields"_qs;
}

void TransferWindowsTest::cancelOrErrorLeavesTheFileAsItWas()
{
    QFETCH(bool, cancel);
    QFETCH(int, badLine);
    QFETCH(QString, message);
    Program program({person(u"Ali"_qs, u"Kervan"_qs, u"06100"_qs), person(u"Veli"_qs, u"Yol"_qs, u"35000"_qs)});
    QByteArray csv = "Ad,Soyad,Firma Adi\r\n"; // the program's own export: no column choice is asked for
    for (int line = 2; line <= 3000; ++line)
        csv += line == badLine ? QByteArray("short row\r\n") : "Kişi " + QByteArray::number(line) + ",Soyadı,Firma\r\n";
    const QString path = program.writeFile(u"many.csv"_qs, csv);
    program.mapping = [](auto&) { QFAIL("a known layout needs no column choice"); };
    const QString before = program.dump();

    // Cancel once the progress window has shown some rows read.
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, &program.main(), [&program] {
        auto* progress = program.main().findChild<QProgressDialog*>();
        if (progress && progress->value() > 0)
            progress->cancel();
    });
    if (cancel)
        canceller.start(0);
    program.import(path);
    canceller.stop();

    QCOMPARE(program.dump(), before);
    QVERIFY2(!program.answers.asked.isEmpty() && program.answers.asked.last().contains(message),
             qPrintable(program.answers.asked.join(u'\n')));
    QCOMPARE(program.main().table()->recordCount(), 2);
}

void TransferWindowsTest::longValueSurvivesEditingAnotherField()
{
    Program program(
        {{{contact::FirstName, u"Ali"_qs}, {contact::Company, LongCompany}, {contact::Sector, LongCompany}}});
    app::Tfrmkayit& window = program.main();
    ui::DBEdit *name = nullptr, *company = nullptr;
    for (auto* edit : window.findChildren<ui::DBEdit*>()) {
        if (edit->fieldName() == contact::FirstName)
            name = edit;
        if (edit->fieldName() == contact::Company)
            company = edit;
    }
    QCOMPARE(company->text(), LongCompany);
    QCOMPARE(window.findChild<ui::DBComboBox*>(u"DBComboBox1"_qs)->currentText(), LongCompany);
    QCOMPARE(name->maxLength(), 25); // typing is still held to the column

    name->setFocus();
    name->end(false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ş"_qs);
    QApplication::sendEvent(name, &press);
    window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs)->click(ui::DBNavigator::Post);
    QCOMPARE(program.valueOf(11, contact::FirstName), u"Aliş"_qs);
    QCOMPARE(program.valueOf(11, contact::Company), LongCompany);
    QCOMPARE(program.valueOf(11, contact::Sector), LongCompany);

    // Editing the long value itself starts from the whole of it.
    company->setFocus();
    company->end(false);
    QTest::keyClick(company, Qt::Key_Backspace);
    window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs)->click(ui::DBNavigator::Post);
    QCOMPARE(program.valueOf(11, contact::Company), LongCompany.chopped(1));
}

void TransferWindowsTest::listExportsTheResultWithAllColumns_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("CSV") << u"exportCsvButton"_qs;
    QTest::newRow("vCard") << u"exportVCardButton"_qs;
}

void TransferWindowsTest::listExportsTheResultWithAllColumns()
{
    QFETCH(QString, button);
    Program program({person(u"Mehmet"_qs, u"Zeytin Ltd"_qs, u"35210"_qs), person(u"Zehra"_qs, u"Ada"_qs, u"06420"_qs),
                     person(u"Ali"_qs, u"Çınar"_qs, u"34000"_qs), person(u"Ayşe"_qs, u"Bakır"_qs, u"16000"_qs)});
    program.main().BitBtn1Click();
    search::Tfrm_arama& search = *program.windows.search;
    search.FormActivate();
    search.firstField(1)->setText(u"A"_qs); // names from A to M, listed by company
    search.secondField(1)->setText(u"M"_qs);
    search.findChild<QToolButton*>(u"SpeedButton2"_qs)->click();
    search::Tfrm_liste& list = *program.windows.list;
    QVERIFY(list.isVisible());

    const QString path = program.fixture.folder() + u"listed"_qs;
    program.exporting = [&](exchange::ExportDialog& dialog) {
        QVERIFY(dialog.byteOrderMark() == (button == u"exportCsvButton"_qs));
        dialog.setFilePath(path);
    };
    list.findChild<QPushButton*>(button)->click();
    const QByteArray bytes = readAll(path);
    QCOMPARE(program.answers.asked.last(), u"2 contacts written to '%1'."_qs.arg(path));

    if (button == u"exportCsvButton"_qs) {
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        // All the columns, though the list selects seven; the rows in the list's company order.
        const QList<QStringList> records = csvRecords(bytes);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(0), allColumnNames());
        const qsizetype company = records.at(0).indexOf(contact::Company);
        const qsizetype postalCode = records.at(0).indexOf(contact::PostalCode);
        QCOMPARE(records.at(1).at(company) + u' ' + records.at(1).at(postalCode), u"Bakır 16000"_qs);
        QCOMPARE(records.at(2).at(company) + u' ' + records.at(2).at(postalCode), u"Çınar 34000"_qs);
    } else {
        const QString text = QString::fromUtf8(bytes);
        QCOMPARE(text.count(u"BEGIN:VCARD"_qs), 2);
        QVERIFY(text.indexOf(u"ORG:Bakır"_qs) >= 0 && text.indexOf(u"ORG:Bakır"_qs) < text.indexOf(u"ORG:Çınar"_qs));
        QVERIFY(text.contains(u"16000"_qs)); // the postal code, which the list does not show
    }
}

QTEST_MAIN(TransferWindowsTest)
#include "tst_transferwindows.moc"
