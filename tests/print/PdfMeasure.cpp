#include "PdfMeasure.h"

#include "print/PdfSurface.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <algorithm>
#include <tuple>

namespace corvella::test {

PdfPrinter::PdfPrinter(int dpi, const QString& fileName)
    : path(dir.filePath(fileName))
    , printer(std::make_unique<print::PdfSurface>(path, dpi))
{}

namespace {

QString bboxHtml(const QString& pdfPath)
{
    QProcess process;
    process.start(u"pdftotext"_qs, {u"-bbox"_qs, u"-f"_qs, u"1"_qs, u"-l"_qs, u"1"_qs, pdfPath, u"-"_qs});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

QList<PdfWord> pdfWords(const QString& pdfPath)
{
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_qs);
    QList<PdfWord> words;
    const QString html = bboxHtml(pdfPath);
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words << PdfWord{QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(), m.captured(1).toDouble(),
                         m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()};
    }
    return words;
}

QList<PdfWord> wordsWithText(const QList<PdfWord>& words, const QString& text)
{
    QList<PdfWord> matching;
    for (const PdfWord& word : words)
        if (word.text == text)
            matching << word;
    std::sort(matching.begin(), matching.end(),
              [](const PdfWord& a, const PdfWord& b) { return std::tie(a.yMin, a.xMin) < std::tie(b.yMin, b.xMin); });
    return matching;
}

QSizeF pdfPageSizeMm(const QString& pdfPath)
{
    static const QRegularExpression page(uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_qs);
    const auto m = page.match(bboxHtml(pdfPath));
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble() * MmPerPoint, m.captured(2).toDouble() * MmPerPoint};
}

std::optional<Raster> darkRunsMm(const QString& pdfPath)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"page"_qs);
    QProcess process;
    process.start(u"pdftoppm"_qs, {u"-r"_qs, QString::number(Raster::PixelsPerMm * 25.4), u"-aaVector"_qs, u"no"_qs,
                                   u"-gray"_qs, u"-png"_qs, u"-singlefile"_qs, u"-f"_qs, u"1"_qs, pdfPath, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    QImage image(prefix + u".png"_qs);
    if (image.isNull())
        return std::nullopt;
    return Raster{std::move(image)};
}

std::optional<QImage> pdfPageImage(const QString& pdfPath, int page, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"page"_qs);
    QProcess process;
    process.start(u"pdftoppm"_qs, {u"-r"_qs, QString::number(dotsPerInch), u"-gray"_qs, u"-png"_qs, u"-singlefile"_qs,
                                   u"-f"_qs, QString::number(page), pdfPath, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    QImage image(prefix + u".png"_qs);
    if (image.isNull())
        return std::nullopt;
    return image;
}

std::pair<double, double> horizontalRunMm(const Raster& raster, double yMm)
{
    const QImage& image = raster.image;
    const int centre = int(yMm * Raster::PixelsPerMm);
    int first = -1, last = -1;
    for (int y = std::max(0, centre - 5); y <= std::min(image.height() - 1, centre + 5); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image, x, y)) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
    if (first < 0)
        return {-1.0, -1.0};
    return {first / Raster::PixelsPerMm, (last + 1) / Raster::PixelsPerMm};
}

std::pair<double, double> verticalRunMm(const Raster& raster, double xMm)
{
    const QImage& image = raster.image;
    const int centre = int(xMm * Raster::PixelsPerMm);
    int first = -1, last = -1;
    for (int x = std::max(0, centre - 5); x <= std::min(image.width() - 1, centre + 5); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isDark(image, x, y)) {
                first = first < 0 ? y : std::min(first, y);
                last = std::max(last, y);
            }
    if (first < 0)
        return {-1.0, -1.0};
    return {first / Raster::PixelsPerMm, (last + 1) / Raster::PixelsPerMm};
}

} // namespace corvella::test
