#include "Startup.h"
#include "Tfrmkayit.h"
#include "cli/CommandLine.h"
#include "core/Language.h"
#include "store/ContactFileLock.h"
#include "store/DataFolder.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// The last line of defence: an exception that escapes a handler is shown, and the program goes on.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const corvella::CancelledError&) {
        } catch (const corvella::Error& error) {
            corvella::ui::showError(nullptr, error.message());
        } catch (const std::exception& error) {
            corvella::ui::showError(nullptr, QString::fromUtf8(error.what()));
        }
        return false;
    }
};

// Loads the catalogue that `--lang`, or else the locale, asks for; false (with the message on standard error) for a
// value that names no language.
bool installLanguage(const std::optional<QString>& option)
{
    namespace language = corvella::language;
    std::optional<language::Language> chosen = option ? language::fromName(*option) : language::fromEnvironment();
    if (!chosen) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "--lang: '%1' is neither tr nor en").arg(*option)));
        return false;
    }
    if (!language::install(*chosen))
        std::fprintf(stderr, "The catalogue of the chosen language cannot be loaded.\n");
    return true;
}

constexpr int UsageStatus = 2;

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart; // for the benchmark hook below
    sinceStart.start();
    QCoreApplication::setApplicationName(u"Corvella"_qs);
    QCoreApplication::setApplicationVersion(u"5.0"_qs);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(corvella::store::ApplicationId));
    const std::optional<QString> languageOption = corvella::language::takeOption(argc, argv);
    // A command or a global option first runs the command line: no windows, so no display is needed.
    if (argc > 1 && corvella::cli::isCommandLine(QString::fromLocal8Bit(argv[1]))) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (corvella::cli::drawsPages(arguments)) {
            // Fonts need a GUI application; no window is shown, so none needs a display.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            // A script reads standard error for the command's own message; Qt's note that a session has no
            // runtime folder (it makes one) is no news there.
            static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"_qs))
                    return;
                if (qtHandler)
                    qtHandler(type, context, message);
                else
                    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
            });
            QGuiApplication application(argc, argv);
            if (!installLanguage(languageOption))
                return UsageStatus;
            return corvella::cli::run(QCoreApplication::arguments());
        }
        QCoreApplication application(argc, argv);
        if (!installLanguage(languageOption))
            return UsageStatus;
        return corvella::cli::run(QCoreApplication::arguments());
    }
    Application application(argc, argv);
    if (!installLanguage(languageOption))
        return UsageStatus;
    QApplication::setQuitOnLastWindowClosed(false);

    corvella::app::installHandlerErrorDisplay();
    corvella::app::installPasswordPrompt();
    corvella::store::ContactFileLock lock(corvella::app::contactFilePath());
    if (!corvella::app::prepareContactFile(lock))
        return 1;
    corvella::app::installBusyPrompt();
    corvella::app::Windows windows = corvella::app::createWindows();
    windows.main->show();
    // Benchmark hook for bench/startup.sh: once the shown window has been through the event loop, report the time
    // taken and leave. Normal use never sets the variable.
    if (qEnvironmentVariableIsSet("CORVELLA_BENCH_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &application, [&sinceStart] {
            std::fprintf(stderr, "shown %lld\n", static_cast<long long>(sinceStart.elapsed()));
            QCoreApplication::exit(0); // quit() would first ask the windows to close, which the main one refuses
        });
    }
    return QApplication::exec();
}
