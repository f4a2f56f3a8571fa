#include "ColourFontDialog.h"

#include "print/ColourText.h"
#include "ui/DialogHooks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <iterator>

namespace corvella::print {

namespace {

constexpr int Sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

enum Style { Regular, Italic, Bold, BoldItalic };

QIcon swatch(int colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColourFontDialog::ColourFontDialog(const ColouredFont& initial, QWidget* parent)
    : QDialog(parent)
    , m_initial(initial)
{
    setObjectName(u"ColourFontDialog"_qs);
    setWindowTitle(tr("Font"));
    buildUi();
    showInitial();
}

void ColourFontDialog::buildUi()
{
    auto* grid = new QGridLayout;
    auto addColumn = [&](int column, const QString& caption, QWidget* edit, QListWidget* list) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit ? edit : list);
        grid->addWidget(label, 0, column);
        if (edit)
            grid->addWidget(edit, 1, column);
        grid->addWidget(list, edit ? 2 : 1, column, edit ? 1 : 2, 1);
    };

    m_family = new QLineEdit(this);
    m_family->setObjectName(u"FontName"_qs);
    m_families = new QListWidget(this);
    m_families->setObjectName(u"FontNames"_qs);
    m_families->addItems(QFontDatabase::families());
    addColumn(0, tr("&Font:"), m_family, m_families);

    m_styles = new QListWidget(this);
    m_styles->setObjectName(u"FontStyle"_qs);
    m_styles->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    addColumn(1, tr("Font st&yle:"), nullptr, m_styles);

    m_size = new QLineEdit(this);
    m_size->setObjectName(u"FontSize"_qs);
    m_size->setValidator(new QIntValidator(1, 9999, m_size));
    m_sizes = new QListWidget(this);
    m_sizes->setObjectName(u"FontSizes"_qs);
    for (int size : Sizes)
        m_sizes->addItem(QString::number(size));
    addColumn(2, tr("&Size:"), m_size, m_sizes);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto* effects = new QGroupBox(tr("Effects"), this);
    effects->setObjectName(u"Effects"_qs);
    auto* effectsLayout = new QVBoxLayout(effects);
    m_strikeOut = new QCheckBox(tr("Stri&keout"), effects);
    m_strikeOut->setObjectName(u"StrikeOut"_qs);
    m_underline = new QCheckBox(tr("&Underline"), effects);
    m_underline->setObjectName(u"Underline"_qs);
    auto* colourCaption = new QLabel(tr("&Color:"), effects);
    m_colours = new QComboBox(effects);
    m_colours->setObjectName(u"Colour"_qs);
    colourCaption->setBuddy(m_colours);
    // The names as the user reads them, in the table's order; the settings keep the table's own names.
    static const char* const captions[] = {
        QT_TR_NOOP("Black"),  QT_TR_NOOP("Maroon"),  QT_TR_NOOP("Green"), QT_TR_NOOP("Olive"),
        QT_TR_NOOP("Navy"),   QT_TR_NOOP("Purple"),  QT_TR_NOOP("Teal"),  QT_TR_NOOP("Gray"),
        QT_TR_NOOP("Silver"), QT_TR_NOOP("Red"),     QT_TR_NOOP("Lime"),  QT_TR_NOOP("Yellow"),
        QT_TR_NOOP("Blue"),   QT_TR_NOOP("Fuchsia"), QT_TR_NOOP("Aqua"),  QT_TR_NOOP("White"),
    };
    static_assert(std::size(captions) == PlainColours.size());
    for (std::size_t i = 0; i < PlainColours.size(); ++i)
        m_colours->addItem(swatch(PlainColours[i].value), tr(captions[i]), PlainColours[i].value);
    effectsLayout->addWidget(m_strikeOut);
    effectsLayout->addWidget(m_underline);
    effectsLayout->addWidget(colourCaption);
    effectsLayout->addWidget(m_colours);
    effectsLayout->addStretch();

    auto* sampleGroup = new QGroupBox(tr("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    m_sample = new QLabel(u"AaBbYyZz"_qs, sampleGroup);
    m_sample->setObjectName(tr("Sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFixedSize(220, 70);
    sampleLayout->addWidget(m_sample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sampleGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(lower);
    layout->addWidget(buttons);
    resize(460, 400);

    connect(m_family, &QLineEdit::textEdited, this, &ColourFontDialog::familyTyped);
    connect(m_families, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!m_followingTyping && !text.isEmpty())
            m_family->setText(text);
        updateSample();
    });
    connect(m_styles, &QListWidget::currentRowChanged, this, &ColourFontDialog::updateSample);
    connect(m_size, &QLineEdit::textEdited, this, &ColourFontDialog::updateSample);
    connect(m_sizes, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            m_size->setText(text);
        updateSample();
    });
    connect(m_strikeOut, &QCheckBox::toggled, this, &ColourFontDialog::updateSample);
    connect(m_underline, &QCheckBox::toggled, this, &ColourFontDialog::updateSample);
    connect(m_colours, &QComboBox::currentIndexChanged, this, &ColourFontDialog::updateSample);
}

void ColourFontDialog::showInitial()
{
    const QFont& font = m_initial.font;
    m_family->setText(font.family());
    familyTyped(font.family());
    m_styles->setCurrentRow(font.bold() ? (font.italic() ? BoldItalic : Bold) : (font.italic() ? Italic : Regular));
    const int points = font.pointSize() > 0 ? font.pointSize() : 10;
    m_size->setText(QString::number(points));
    const auto listed = m_sizes->findItems(QString::number(points), Qt::MatchExactly);
    if (!listed.isEmpty())
        m_sizes->setCurrentItem(listed.first());
    m_strikeOut->setChecked(font.strikeOut());
    m_underline->setChecked(font.underline());
    int index = m_colours->findData(m_initial.colour);
    if (index < 0) {
        // A stored colour outside the plain ones stays choosable, so OK alone does not change it.
        m_colours->addItem(swatch(m_initial.colour), tr("Custom"), m_initial.colour);
        index = m_colours->count() - 1;
    }
    m_colours->setCurrentIndex(index);
    updateSample();
}

void ColourFontDialog::familyTyped(const QString& text)
{
    // The list follows the typing; the typed name stays what is chosen, even one this machine does not have.
    m_followingTyping = true;
    const auto matches = m_families->findItems(text, Qt::MatchStartsWith);
    if (!text.isEmpty() && !matches.isEmpty())
        m_families->setCurrentItem(matches.first());
    m_followingTyping = false;
    updateSample();
}

ColouredFont ColourFontDialog::selected() const
{
    ColouredFont chosen;
    const QString family = m_family->text().trimmed();
    chosen.font = QFont(family.isEmpty() ? m_initial.font.family() : family);
    bool ok = false;
    const int points = m_size->text().toInt(&ok);
    chosen.font.setPointSize(ok && points > 0 ? points
                                              : (m_initial.font.pointSize() > 0 ? m_initial.font.pointSize() : 10));
    const int style = m_styles->currentRow();
    chosen.font.setBold(style == Bold || style == BoldItalic);
    chosen.font.setItalic(style == Italic || style == BoldItalic);
    chosen.font.setStrikeOut(m_strikeOut->isChecked());
    chosen.font.setUnderline(m_underline->isChecked());
    chosen.colour = m_colours->currentData().toInt();
    return chosen;
}

void ColourFontDialog::updateSample()
{
    if (!m_sample)
        return;
    const ColouredFont chosen = selected();
    m_sample->setFont(chosen.font);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, toQColor(chosen.colour));
    m_sample->setPalette(palette);
}

void ColourFontDialog::offerFamilySizeAndColourOnly()
{
    for (auto* label : findChildren<QLabel*>())
        if (label->buddy() == m_styles)
            label->hide();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_styles, m_strikeOut, m_underline})
        widget->hide();
}

std::optional<ColouredFont> chooseColouredFont(QWidget* parent, const ColouredFont& initial)
{
    if (const auto& hook = ui::dialogHooks().font) {
        const auto answer = hook(ui::FontRequest{parent, initial.font, initial.colour});
        return answer ? std::optional<ColouredFont>(ColouredFont{answer->font, answer->colour}) : std::nullopt;
    }
    ColourFontDialog dialog(initial, parent);
    dialog.offerFamilySizeAndColourOnly();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selected();
}

} // namespace corvella::print
