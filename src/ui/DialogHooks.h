#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace corvella::ui {

/// A message box the program wants to show.
struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    /// A second paragraph below the text, and a text the box shows on request.
    QString informativeText = {};
    QString detailedText = {};
};

/// An input box asking for one line of text.
struct InputRequest {
    QWidget* parent = nullptr;
    QString caption;
    QString prompt;
    QString defaultText;
    /// A password: typed characters are not shown.
    bool hidden = false;
};

/// A font dialog: the plain one, or with `colour` set, the one that also offers effects and a colour (a colour
/// value with red in the low byte).
struct FontRequest {
    QWidget* parent = nullptr;
    QFont initial;
    std::optional<int> colour;
};

struct FontAnswer {
    QFont font;
    int colour = 0;
};

/// A file chooser for a file to open or to save.
struct FileRequest {
    QWidget* parent = nullptr;
    QString caption;
    /// Name filters as QFileDialog takes them ("CSV files (*.csv);;All files (*)").
    QString filter;
    /// A file to save: the name offered first.
    QString suggestedName;
};

/// The one seam through which tests answer every dialog the program shows. A hook that is not set lets the real
/// dialog show; an answer of none means the user cancelled.
struct DialogHooks {
    std::function<QMessageBox::StandardButton(const MessageRequest&)> message;
    std::function<std::optional<QString>(const InputRequest&)> input;
    /// Gets the program's own dialog, ready to be shown, and returns its result as `exec` would.
    std::function<int(QDialog&)> modal;
    std::function<std::optional<FontAnswer>(const FontRequest&)> font;
    std::function<std::optional<QString>(const FileRequest&)> openFile;
    std::function<std::optional<QString>(const FileRequest&)> saveFile;
};

/// Replaces every hook at once and returns the previous set.
DialogHooks setDialogHooks(DialogHooks hooks);
const DialogHooks& dialogHooks();

} // namespace corvella::ui
