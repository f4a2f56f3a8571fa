#include "TestPrintRun.h"

#include "core/Error.h"
#include "print/TestPrintProgram.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace corvella::print {

namespace {

enum class Outcome { Waiting, Signalled, Cancelled, FailedToStart, EndedWithoutSignal };

constexpr int PollMs = 100;
constexpr int OutputWaitMs = 5000;

} // namespace

TestPrintRun::TestPrintRun(QWidget* parent, QString program, QString signalFolder)
    : m_parent(parent)
    , m_program(std::move(program))
    , m_signalFolder(std::move(signalFolder))
{}

bool TestPrintRun::run()
{
    m_savedFile.clear();
    const QString signal = signalFilePath(m_signalFolder);
    // A file left by an earlier run would end this wait before anything was printed.
    if (QFileInfo::exists(signal) && !QFile::remove(signal))
        throw Error(QCoreApplication::translate("TestPrintRun", "The old signal file '%1' cannot be deleted.")
                        .arg(QDir::toNativeSeparators(signal)));

    QDialog dialog(m_parent);
    dialog.setObjectName(u"TestPrintWait"_qs);
    dialog.setWindowTitle(QCoreApplication::translate("TestPrintRun", "Etiket Dökümü Ayarları"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text =
        new QLabel(QCoreApplication::translate("TestPrintRun", "Waiting for the test page to be printed..."), &dialog);
    layout->addWidget(text);
    auto* cancel = new QPushButton(QCoreApplication::translate("TestPrintRun", "Cancel"), &dialog);
    cancel->setObjectName(u"CancelButton"_qs);
    layout->addWidget(cancel, 0, Qt::AlignRight);

    QProcess process;
    process.setProgram(m_program);
    process.setArguments(testPrintArguments(signal));
    QEventLoop loop;
    Outcome outcome = Outcome::Waiting;
    auto finish = [&](Outcome end) {
        if (outcome != Outcome::Waiting)
            return;
        outcome = end;
        loop.quit();
    };
    QTimer poll;
    poll.setInterval(PollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (QFileInfo::exists(signal))
            finish(Outcome::Signalled);
    });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(Outcome::FailedToStart);
    });
    QObject::connect(&process, &QProcess::finished, &loop,
                     [&] { finish(QFileInfo::exists(signal) ? Outcome::Signalled : Outcome::EndedWithoutSignal); });
    QObject::connect(cancel, &QPushButton::clicked, &loop, [&] { finish(Outcome::Cancelled); });
    QObject::connect(&dialog, &QDialog::rejected, &loop, [&] { finish(Outcome::Cancelled); });

    process.start();
    if (outcome == Outcome::Waiting) {
        poll.start();
        dialog.show();
        loop.exec();
    }
    poll.stop();
    dialog.hide();

    if (process.state() != QProcess::NotRunning) {
        // After the signal the companion only has to exit; a cancelled one is stopped.
        if (outcome != Outcome::Signalled || !process.waitForFinished(OutputWaitMs)) {
            process.kill();
            process.waitForFinished(OutputWaitMs);
        }
    }
    QFile::remove(signal);

    switch (outcome) {
    case Outcome::Signalled: {
        const QString saved = QString::fromLocal8Bit(process.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
        if (!saved.isEmpty() && QFileInfo::exists(saved))
            m_savedFile = saved;
        return true;
    }
    case Outcome::Cancelled:
        return false;
    case Outcome::FailedToStart:
        throw Error(QCoreApplication::translate("TestPrintRun", "The test-print program '%1' could not be started: %2")
                        .arg(QDir::toNativeSeparators(m_program), process.errorString()));
    case Outcome::EndedWithoutSignal:
    case Outcome::Waiting:
        break;
    }
    QString message = QCoreApplication::translate(
        "TestPrintRun", "The test-print program ended without reporting that the test page was printed.");
    const QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (!reason.isEmpty())
        message += u'\n' + reason;
    throw Error(message);
}

} // namespace corvella::print
