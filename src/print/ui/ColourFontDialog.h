#pragma once

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace corvella::print {

/// A font with the colour value it is drawn in (red in the low byte).
struct ColouredFont {
    QFont font;
    int colour = 0;
};

/// A font dialog that also offers effects and a colour: strike-out, underline and the sixteen plain colours (and
/// the colour it opened with, when that is none of them). Qt's own font dialog has no colour choice.
class ColourFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColourFontDialog(const ColouredFont& initial, QWidget* parent = nullptr);

    /// The font and colour as the dialog shows them now.
    ColouredFont selected() const;
    /// Hides the style, strike-out and underline, for a caller that stores only family, size and colour.
    void offerFamilySizeAndColourOnly();

    QLineEdit* familyEdit() const { return m_family; }
    QListWidget* styleList() const { return m_styles; }
    QLineEdit* sizeEdit() const { return m_size; }
    QCheckBox* strikeOutBox() const { return m_strikeOut; }
    QCheckBox* underlineBox() const { return m_underline; }
    QComboBox* colourBox() const { return m_colours; }
    QLabel* sample() const { return m_sample; }

private:
    void buildUi();
    void showInitial();
    void familyTyped(const QString& text);
    void updateSample();

    ColouredFont m_initial;
    QLineEdit* m_family = nullptr;
    QListWidget* m_families = nullptr;
    QListWidget* m_styles = nullptr;
    QLineEdit* m_size = nullptr;
    QListWidget* m_sizes = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QCheckBox* m_underline = nullptr;
    QComboBox* m_colours = nullptr;
    QLabel* m_sample = nullptr;
    bool m_followingTyping = false;
};

/// Shows the colour font dialog modally, offering what the label settings store (family, size and colour); returns
/// the choice, or none when the user cancels.
std::optional<ColouredFont> chooseColouredFont(QWidget* parent, const ColouredFont& initial);

} // namespace corvella::print
