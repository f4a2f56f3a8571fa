#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "RecordingSurface.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "core/Error.h"
#include "print/PrintGeometry.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace corvella;
using test::RecordingSurface;

namespace {

/// A printer that fails after a number of text calls, as one that runs out of paper or loses its queue.
class FailingSurface : public RecordingSurface {
public:
    explicit FailingSurface(int textsBeforeFailure)
        : m_left(textsBeforeFailure)
    {}
    void drawText(QPoint topLeft, const QString& text, const print::DrawState& state) override
    {
        if (m_left-- == 0)
            throw Error(u"The printer is out of paper"_qs);
        RecordingSurface::drawText(topLeft, text, state);
    }

private:
    int m_left;
};

struct Program {
    test::ContactFileFixture fixture;
    test::DialogAnswers messages;
    QStringList& asked = messages.asked;
    app::Windows windows;

    Program()
    {
        fixture.addContacts(fixture.numbers(11, 30), [](int no) {
            return QVariantMap{{u"Ad"_qs, u"Ad %1"_qs.arg(no)}, {u"Firma Adi"_qs, u"Firma %1"_qs.arg(no)}};
        });
        windows = app::createWindows();
        windows.main->BitBtn1Click();
        windows.search->FormActivate();
        windows.search->checkBox(1)->click();
        windows.search->SpeedButton2Click();
    }

    QPushButton* reportButton() { return windows.list->reportButton(); }
    /// Hands the program's printer `surface` and keeps a reference to it.
    RecordingSurface& printOn(std::unique_ptr<RecordingSurface> surface = std::make_unique<RecordingSurface>())
    {
        RecordingSurface& kept = *surface;
        windows.printer->setSurface(std::move(surface));
        return kept;
    }
};

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheListedColumnsAndRows();
    void failingPrinterRestoresTheButtons();
    void savedFileIsShown();
};

void ReportWindowTest::printsTheListedColumnsAndRows()
{
    Program program;
    RecordingSurface& rec = program.printOn();
    // Unsaved changes in the settings window already count.
    program.windows.printSettings->table()->fieldByName(u"Liste Satır Aralığı"_qs).setAsString(u"6"_qs);

    QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
    program.reportButton()->click();
    QVERIFY2(program.asked.isEmpty(), qPrintable(program.asked.join(u'\n')));
    QCOMPARE(program.reportButton()->text(), u"&Listeyi Yazıcıya Gönder"_qs);
    QVERIFY(program.reportButton()->isEnabled());

    const auto texts = rec.calls(RecordingSurface::Kind::Text);
    QCOMPARE(texts.first().text, u"List/Report"_qs);
    QCOMPARE(rec.texts().mid(1, 7), QStringList({u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs, u"Soyad"_qs,
                                                 u"Sehir"_qs, u"e-mail"_qs}));
    QCOMPARE(texts.size(), 1 + 7 + 20 * 7);
    QCOMPARE(texts.at(8).text, u"Firma 11"_qs);
    // Line 1 at 6 mm: the pitch typed into the settings window, not the stored 5.
    QCOMPARE(print::mmFromDots(texts.at(1).from.y()), 6);
    // The query is left on its last row.
    QCOMPARE(program.windows.list->query()->fieldByName(u"NO"_qs).asInteger(), 30);
}

void ReportWindowTest::failingPrinterRestoresTheButtons()
{
    Program program;
    RecordingSurface& rec = program.printOn(std::make_unique<FailingSurface>(30));
    program.reportButton()->click();
    QCOMPARE(program.asked, QStringList{u"The printer is out of paper"_qs});
    QVERIFY(program.reportButton()->isEnabled());
    QCOMPARE(program.reportButton()->text(), u"&Print Report"_qs);
    QCOMPARE(program.windows.list->labelButton()->text(), u"Print &Labels"_qs);
    QVERIFY(program.windows.list->labelButton()->isEnabled());
    QCOMPARE(rec.calls(RecordingSurface::Kind::AbortDocument).size(), 1);
    QVERIFY(!program.windows.printer->isPrinting());
    QCOMPARE(rec.orientation(), print::Orientation::Portrait);
}

void ReportWindowTest::savedFileIsShown()
{
    Program program;
    program.printOn().setOutputFile(u"/tmp/Prints/List-Report.pdf"_qs);
    program.reportButton()->click();
    QCOMPARE(program.asked.size(), 1);
    QVERIFY(program.asked.first().contains(u"/tmp/Prints/List-Report.pdf"_qs));
}

QTEST_MAIN(ReportWindowTest)
#include "tst_reportwindow.moc"
