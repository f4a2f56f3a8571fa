#include "PrintPreview.h"

#include "core/ScopeGuard.h"
#include "print/ImageSurface.h"
#include "print/PdfSurface.h"
#include "print/PrinterSurface.h"
#include "print/ui/RunProgress.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/WindowStyle.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvella::print {

namespace {

constexpr double FitPage = -2;
constexpr double FitWidth = -1;
constexpr int PageFrame = 12; // pixels of grey around the page

/// The paper the Print button prints on, so that the pages shown are the pages printed.
QPageLayout printedPaper(const Tgenel* printer)
{
    if (printer)
        if (const auto* painted = dynamic_cast<const PainterSurface*>(&printer->surface()))
            return painted->paperLayout(Orientation::Portrait);
    return edgeToEdge(QPageSize(QPageSize::A4), Orientation::Portrait);
}

} // namespace

PrintPreview::PrintPreview(std::unique_ptr<Printout> printout, Tgenel* printer, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_printout(std::move(printout))
    , m_printer(printer)
    , m_renderer(std::make_unique<ImageSurface>(96, printedPaper(printer)))
    , m_surface(static_cast<ImageSurface*>(&m_renderer.surface()))
{
    setObjectName(u"printPreview"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
    m_surface->setOrientation(pageOrientation());
    m_pageCount = std::max<qint64>(1, m_printout->pageCount(m_renderer));
    buildUi();
    showPage(0);
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::buildUi()
{
    setWindowTitle(tr("Preview: %1").arg(m_printout->jobName()));
    resize(820, 900);
    ui::centreOnFirstShow(this);

    auto* bar = new QWidget(this);
    bar->setObjectName(u"previewBar"_qs);
    ui::applyWindowColour(bar);
    ui::FormBuilder form(this);
    form.on(bar);
    m_firstButton =
        form.onClick(form.button(u"firstPageButton"_qs, u"|<"_qs, {}, tr("First page")), [this] { showPage(0); });
    m_previousButton = form.onClick(form.button(u"previousPageButton"_qs, u"<"_qs, {}, tr("Previous page")),
                                    [this] { showPage(m_page - 1); });
    m_pageBox = form.add<QSpinBox>(u"pageBox"_qs);
    m_pageBox->setRange(1, int(std::min<qint64>(m_pageCount, std::numeric_limits<int>::max())));
    m_pageBox->setKeyboardTracking(false);
    form.onSignal(m_pageBox, &QSpinBox::valueChanged, [this](int page) { showPage(page - 1); });
    m_pageTotal = form.add<QLabel>(u"pageTotal"_qs);
    m_pageTotal->setText(tr("of %1").arg(m_pageCount));
    m_nextButton =
        form.onClick(form.button(u"nextPageButton"_qs, u">"_qs, {}, tr("Next page")), [this] { showPage(m_page + 1); });
    m_lastButton = form.onClick(form.button(u"lastPageButton"_qs, u">|"_qs, {}, tr("Last page")),
                                [this] { showPage(m_pageCount - 1); });
    m_previousButton->setShortcut(QKeySequence::MoveToPreviousPage);
    m_nextButton->setShortcut(QKeySequence::MoveToNextPage);
    m_zoomBox = form.add<QComboBox>(u"zoomBox"_qs);
    m_zoomBox->addItem(tr("Fit page"), FitPage);
    m_zoomBox->addItem(tr("Fit width"), FitWidth);
    for (int percent : {50, 75, 100, 125, 150, 200, 300, 400})
        m_zoomBox->addItem(u"%1%"_qs.arg(percent), percent / 100.0);
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(m_fitting));
    form.onSignal(m_zoomBox, &QComboBox::currentIndexChanged, [this](int index) { zoomChosen(index); });
    m_printButton = form.onClick(form.button(u"printButton"_qs, tr("&Print"), {}, tr("Print every page")),
                                 [this] { printClick(); });
    m_pdfButton = form.onClick(form.button(u"pdfButton"_qs, tr("Save as P&DF..."), {}, tr("Save every page as PDF")),
                               [this] { saveAsPdfClick(); });
    auto* close = form.onClick(form.button(u"closeButton"_qs, tr("&Close"), {}), [this] { this->close(); });
    m_status = form.add<QLabel>(u"status"_qs);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_firstButton, m_previousButton, m_pageBox, m_pageTotal, m_nextButton,
                                         m_lastButton, m_zoomBox, m_printButton, m_pdfButton, m_status})
        row->addWidget(control);
    row->addStretch();
    row->addWidget(close);

    m_pageView = new QLabel;
    m_pageView->setObjectName(u"pageView"_qs);
    m_pageView->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"pageArea"_qs);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_pageView);
    m_scroll->setWidgetResizable(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_scroll);
}

Orientation PrintPreview::pageOrientation() const
{
    if (const std::optional<Orientation> own = m_printout->orientation())
        return *own;
    return m_printer ? m_printer->surface().orientation() : Orientation::Portrait;
}

int PrintPreview::screenDotsPerInch() const
{
    return std::max(24, logicalDpiY());
}

QImage PrintPreview::renderPage(qint64 page, int dotsPerInch)
{
    m_surface->setDotsPerInch(std::max(1, dotsPerInch));
    m_surface->setOrientation(pageOrientation());
    m_renderer.BeginDocument(m_printout->jobName());
    const OnFailure dropPage([this] { m_renderer.AbortDocument(); });
    m_printout->drawPage(m_renderer, page);
    m_renderer.EndDocument();
    return m_surface->image();
}

void PrintPreview::showPage(qint64 page)
{
    m_page = std::clamp<qint64>(page, 0, m_pageCount - 1);
    {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(int(m_page + 1));
    }
    m_firstButton->setEnabled(m_page > 0);
    m_previousButton->setEnabled(m_page > 0);
    m_nextButton->setEnabled(m_page + 1 < m_pageCount);
    m_lastButton->setEnabled(m_page + 1 < m_pageCount);
    redraw();
}

void PrintPreview::setZoom(double zoom)
{
    m_fitting = 0;
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    {
        const QSignalBlocker quiet(m_zoomBox);
        m_zoomBox->setCurrentIndex(m_zoomBox->findData(m_zoom));
    }
    redraw();
}

void PrintPreview::zoomChosen(int index)
{
    const double chosen = m_zoomBox->itemData(index).toDouble();
    if (chosen > 0) {
        setZoom(chosen);
        return;
    }
    m_fitting = chosen; // the zoom follows the window's size from now on
    redraw();
}

void PrintPreview::redraw()
{
    if (m_fitting < 0) {
        const double mode = m_fitting;
        // The page's size at 1 inch to the inch, fitted into the free area.
        const QSizeF pageMm = m_surface->paperLayout(m_surface->orientation()).fullRect(QPageLayout::Millimeter).size();
        const QSize area = m_scroll->viewport()->size() - QSize(2 * PageFrame, 2 * PageFrame);
        const double screenMm = screenDotsPerInch() / 25.4;
        const double across = area.width() / (pageMm.width() * screenMm);
        const double down = area.height() / (pageMm.height() * screenMm);
        m_zoom = std::clamp(mode == FitPage ? std::min(across, down) : across, 0.1, 8.0);
    }
    m_shown = renderPage(m_page, qRound(screenDotsPerInch() * m_zoom));
    m_pageView->setPixmap(QPixmap::fromImage(m_shown));
    m_pageView->resize(m_shown.size() + QSize(2 * PageFrame, 2 * PageFrame));
}

void PrintPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_pageView && m_fitting < 0)
        ui::guard(this, [this] { redraw(); });
}

void PrintPreview::printClick()
{
    if (!m_printer)
        throw Error(tr("Printing is not available."));
    m_status->setText(tr("Printing…"));
    m_status->repaint();
    const ScopeExit clearStatus([this] { m_status->clear(); });
    RunProgress progress(this);
    const QString savedTo = printWhole(*m_printer, *m_printout, progress.callback());
    if (!savedTo.isEmpty())
        ui::showMessage(this, savedPrintoutMessage(savedTo));
}

void PrintPreview::saveAsPdfClick()
{
    const QString path =
        ui::chooseFileToSave(this, tr("Save as PDF"), tr("PDF files (*.pdf)"), m_printout->jobName() + u".pdf"_qs);
    if (path.isEmpty())
        return;
    m_status->setText(tr("Saving…"));
    m_status->repaint();
    const ScopeExit clearStatus([this] { m_status->clear(); });
    // The pages shown: on the printer's paper when one is installed.
    Tgenel pdf(std::make_unique<PdfSurface>(path, 1200, m_surface->paperLayout(Orientation::Portrait)));
    pdf.surface().setOrientation(pageOrientation());
    RunProgress progress(this);
    printWhole(pdf, *m_printout, progress.callback());
}

} // namespace corvella::print
