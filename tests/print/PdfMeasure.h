#pragma once

#include "print/Tgenel.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

#include <cmath>

#include <optional>
#include <utility>

/// Fails the test unless `actual` lies within `tolerance` of `expected`, saying what it was.
#define VERIFY_NEAR(actual, expected, tolerance)                                                                       \
    QVERIFY2(std::abs(double(actual) - double(expected)) < (tolerance),                                                \
             qPrintable(QStringLiteral("%1, expected %2").arg(double(actual)).arg(double(expected))))

namespace corvella::test {

constexpr double MmPerPoint = 25.4 / 72;

/// A Tgenel printing into a PDF file in a folder of its own.
struct PdfPrinter {
    QTemporaryDir dir;
    QString path;
    print::Tgenel printer;

    explicit PdfPrinter(int dpi, const QString& fileName = QStringLiteral("print.pdf"));
};

/// One word of a PDF's first page as poppler's pdftotext places it, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

QList<PdfWord> pdfWords(const QString& pdfPath);
/// The words that read `text`, top to bottom and left to right.
QList<PdfWord> wordsWithText(const QList<PdfWord>& words, const QString& text);
QSizeF pdfPageSizeMm(const QString& pdfPath);

/// The first page rendered by pdftoppm at 10 pixels to the millimetre, without smoothing, as a grey image.
struct Raster {
    QImage image;
    static constexpr double PixelsPerMm = 10;
};

std::optional<Raster> darkRunsMm(const QString& pdfPath);

/// Page `page` (from 1) rendered by pdftoppm as a grey image, smoothed as a screen shows it.
std::optional<QImage> pdfPageImage(const QString& pdfPath, int page, int dotsPerInch);

/// The dark extent, in mm, of the rows within half a millimetre of `yMm` (or of the columns near `xMm`);
/// (-1, -1) when nothing there is dark.
std::pair<double, double> horizontalRunMm(const Raster& raster, double yMm);
std::pair<double, double> verticalRunMm(const Raster& raster, double xMm);

} // namespace corvella::test
