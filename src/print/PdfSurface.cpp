#include "PdfSurface.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <cstdio>

namespace corvella::print {

PdfSurface::PdfSurface(QString filePath, int dotsPerInch, QPageLayout paper)
    : m_filePath(std::move(filePath))
    , m_dotsPerInch(dotsPerInch)
    , m_paper(std::move(paper))
{}

PdfSurface::~PdfSurface()
{
    abortDocument();
}

QPaintDevice* PdfSurface::openDevice(const QString& jobName, Orientation orientation)
{
    // Beside the file, so that it takes the file's name by a rename on the same disk.
    m_file = std::make_unique<QFile>(m_filePath +
                                     u".%1.partial"_qs.arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        m_file.reset();
        throw Error(
            QCoreApplication::translate("print", "The print job could not be started on %1.").arg(targetName()));
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setTitle(jobName);
    m_writer->setCreator(u"Corvella"_qs);
    m_writer->setResolution(m_dotsPerInch);
    m_writer->setPageLayout(paperLayout(orientation));
    return m_writer.get();
}

bool PdfSurface::startNewPage()
{
    return m_writer && m_writer->newPage();
}

QString PdfSurface::closeDevice(bool completed)
{
    m_writer.reset();
    const std::unique_ptr<QFile> file = std::move(m_file);
    if (!file)
        return {};
    file->close();
    // Renamed over an older file in one step. Not synced to the disk first, as QSaveFile would: a printout can be
    // made again, and waiting for a large one to reach the disk costs a second.
    if (completed && file->error() == QFileDevice::NoError &&
        std::rename(QFile::encodeName(file->fileName()).constData(), QFile::encodeName(m_filePath).constData()) == 0)
        return m_filePath;
    file->remove();
    if (completed)
        throw Error(
            QCoreApplication::translate("print", "The print job could not be completed on %1.").arg(targetName()));
    return {};
}

QPageLayout PdfSurface::paperLayout(Orientation orientation) const
{
    return turned(m_paper, orientation);
}

QString PdfSurface::targetName() const
{
    return QCoreApplication::translate("print", "the file '%1'").arg(QDir::toNativeSeparators(m_filePath));
}

} // namespace corvella::print
