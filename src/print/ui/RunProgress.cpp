#include "RunProgress.h"

#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QProgressDialog>

#include <algorithm>
#include <limits>

namespace corvella::print {

namespace {

// Often enough for Cancel to answer at once, seldom enough to cost nothing beside drawing the pages.
constexpr qint64 UpdateEveryMs = 100;

int progressValue(qint64 pages)
{
    return int(std::min<qint64>(pages, std::numeric_limits<int>::max()));
}

QString pagesDone(qint64 done, qint64 total)
{
    const QLocale locale;
    return QCoreApplication::translate("print", "%1 of %2 pages printed")
        .arg(locale.toString(done), locale.toString(total));
}

} // namespace

RunProgress::RunProgress(QWidget* window)
    : m_window(window)
{}

RunProgress::~RunProgress()
{
    m_dialog.reset();
    if (m_busyCursor)
        QGuiApplication::restoreOverrideCursor();
}

PageProgress RunProgress::callback()
{
    return [this](qint64 done, qint64 total) { return done == 0 ? start(total) : advance(done, total); };
}

bool RunProgress::start(qint64 total)
{
    if (total > AskAbovePages) {
        const QString question = QCoreApplication::translate("print", "The printout has %1 pages. Print all of them?")
                                     .arg(QLocale().toString(total));
        if (ui::showMessage(m_window, question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) !=
            QMessageBox::Ok)
            return false;
    }
    if (!m_busyCursor) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        m_busyCursor = true;
    }
    if (total <= DialogAbovePages)
        return true;
    m_dialog = std::make_unique<QProgressDialog>(m_window);
    m_dialog->setObjectName(u"printProgress"_qs);
    m_dialog->setWindowTitle(QCoreApplication::translate("print", "Printing"));
    // Every window: another one could start a search that reopens the very list being printed.
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setRange(0, progressValue(total));
    m_dialog->setLabelText(pagesDone(0, total));
    m_dialog->show();
    m_dialog->setValue(0);
    m_sinceUpdate.start();
    return !m_dialog->wasCanceled();
}

bool RunProgress::advance(qint64 done, qint64 total)
{
    if (!m_dialog)
        return true;
    if (done >= total || m_sinceUpdate.elapsed() >= UpdateEveryMs) {
        m_dialog->setMaximum(progressValue(total));
        m_dialog->setLabelText(pagesDone(done, total));
        // A modal dialog handles the events waiting, a click on Cancel among them, as its value changes.
        m_dialog->setValue(progressValue(done));
        m_sinceUpdate.restart();
    }
    return !m_dialog->wasCanceled();
}

} // namespace corvella::print
