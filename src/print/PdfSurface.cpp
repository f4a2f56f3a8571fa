#include "PdfSurface.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace corvella::print {

PdfSurface::PdfSurface(QString filePath, int dotsPerInch, QPageSize pageSize)
    : m_filePath(std::move(filePath))
    , m_dotsPerInch(dotsPerInch)
    , m_pageSize(std::move(pageSize))
{}

PdfSurface::~PdfSurface()
{
    abortDocument();
}

QPaintDevice* PdfSurface::openDevice(const QString& jobName, Orientation orientation)
{
    m_file = std::make_unique<QSaveFile>(m_filePath);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_file.reset();
        throw Error(
            QCoreApplication::translate("print", "The print job could not be started on %1.").arg(targetName()));
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setTitle(jobName);
    m_writer->setCreator(u"Corvella"_qs);
    m_writer->setResolution(m_dotsPerInch);
    m_writer->setPageLayout(
        QPageLayout(m_pageSize, orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return m_writer.get();
}

bool PdfSurface::startNewPage()
{
    return m_writer && m_writer->newPage();
}

QString PdfSurface::closeDevice(bool completed)
{
    m_writer.reset();
    const std::unique_ptr<QSaveFile> file = std::move(m_file);
    if (!file || !completed)
        return {}; // the temporary file goes with it
    if (!file->commit())
        throw Error(
            QCoreApplication::translate("print", "The print job could not be completed on %1.").arg(targetName()));
    return m_filePath;
}

QSizeF PdfSurface::printableSizeMm(Orientation orientation) const
{
    const QSizeF size = m_pageSize.size(QPageSize::Millimeter);
    return orientation == Orientation::Landscape ? size.transposed() : size;
}

QString PdfSurface::targetName() const
{
    return QCoreApplication::translate("print", "the file '%1'").arg(QDir::toNativeSeparators(m_filePath));
}

} // namespace corvella::print
