#include "Startup.h"
#include "Tfrmkayit.h"
#include "store/widgets/Dialogs.h"

#include <QApplication>

namespace {

// The last line of defence: an exception that escapes a handler is shown, and the program goes on.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const corvella::Error& error) {
            corvella::ui::showError(nullptr, error.message());
        } catch (const std::exception& error) {
            corvella::ui::showError(nullptr, QString::fromUtf8(error.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    Application application(argc, argv);
    QApplication::setApplicationName(u"Corvella"_qs);
    QApplication::setApplicationVersion(u"5.0"_qs);
    QApplication::setQuitOnLastWindowClosed(false);

    corvella::app::offerNewContactFile();
    corvella::app::Windows windows = corvella::app::createWindows();
    windows.main->show();
    return QApplication::exec();
}
