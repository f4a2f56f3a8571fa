#pragma once

#include "print/Printout.h"
#include "print/Tgenel.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace corvella::print {

class ImageSurface;

/// A printout shown page by page before it is printed. Only the page on screen is drawn, through the same helpers
/// and painting as the printer and the PDF file, so a long job opens at once. Print and Save as PDF print the same
/// printout whole.
class PrintPreview : public QWidget {
    Q_OBJECT
public:
    /// `printer` is the program's print helpers: the preview prints through them, and lays the printout out in
    /// their orientation when the printout sets none.
    PrintPreview(std::unique_ptr<Printout> printout, Tgenel* printer, QWidget* parent = nullptr);
    ~PrintPreview() override;

    qint64 pageCount() const { return m_pageCount; }
    /// The page shown, from 0.
    qint64 currentPage() const { return m_page; }
    void showPage(qint64 page);
    /// 1 shows the page at its real size on the screen.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

    /// Draws one page at a resolution of its own, as the screen would show it at that zoom.
    QImage renderPage(qint64 page, int dotsPerInch);
    /// The page as it is shown now.
    const QImage& shownImage() const { return m_shown; }

    QPushButton* firstButton() const { return m_firstButton; }
    QPushButton* previousButton() const { return m_previousButton; }
    QPushButton* nextButton() const { return m_nextButton; }
    QPushButton* lastButton() const { return m_lastButton; }
    QSpinBox* pageBox() const { return m_pageBox; }
    QComboBox* zoomBox() const { return m_zoomBox; }

    void printClick();
    void saveAsPdfClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildUi();
    void zoomChosen(int index);
    void redraw();
    Orientation pageOrientation() const;
    int screenDotsPerInch() const;

    std::unique_ptr<Printout> m_printout;
    Tgenel* m_printer;
    Tgenel m_renderer;
    ImageSurface* m_surface; // owned by m_renderer
    qint64 m_pageCount = 1;
    qint64 m_page = 0;
    double m_zoom = 1;
    double m_fitting = -1; // the fitting mode of the zoom box (page, width), or 0 for a zoom of its own
    QImage m_shown;

    QPushButton* m_firstButton = nullptr;
    QPushButton* m_previousButton = nullptr;
    QSpinBox* m_pageBox = nullptr;
    QLabel* m_pageTotal = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_lastButton = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_pdfButton = nullptr;
    QLabel* m_status = nullptr;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_pageView = nullptr;
};

} // namespace corvella::print
