#include "PrinterSurface.h"

#include "core/Error.h"
#include "store/ConnectionString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace corvella::print {

namespace {

QPageLayout::Orientation layoutOrientation(Orientation orientation)
{
    return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

PrinterSurface::PrinterSurface(QString fallbackFolder)
    : m_fallbackFolder(std::move(fallbackFolder))
    , m_clock([] { return QDateTime::currentDateTime(); })
{}

PrinterSurface::~PrinterSurface()
{
    abortDocument();
}

QPaintDevice* PrinterSurface::openDevice(const QString& jobName, Orientation orientation)
{
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    m_outputFile.clear();
    if (installed.isNull()) {
        if (m_fallbackFolder.isEmpty())
            throw Error(QCoreApplication::translate("print", "There is no default printer currently selected"));
        if (!QDir().mkpath(m_fallbackFolder))
            throw Error(QCoreApplication::translate("print", "Cannot create the folder '%1'.")
                            .arg(QDir::toNativeSeparators(m_fallbackFolder)));
        m_outputFile = fallbackFilePath(m_fallbackFolder, jobName, m_clock());
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_outputFile);
        m_printer->setCreator(u"Corvella"_qs);
        // Paper has no unprintable edge in a file.
        m_printer->setFullPage(true);
        m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), layoutOrientation(orientation),
                                             QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    } else {
        m_printer = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
        m_printer->setPageOrientation(layoutOrientation(orientation));
    }
    m_printer->setDocName(jobName);
    return m_printer.get();
}

bool PrinterSurface::startNewPage()
{
    return m_printer && m_printer->newPage();
}

void PrinterSurface::abandonDevice()
{
    // Where the platform cannot withdraw a job (CUPS spools it as painting ends), this does nothing.
    if (m_printer)
        m_printer->abort();
}

QString PrinterSurface::closeDevice(bool completed)
{
    m_printer.reset();
    const QString output = std::exchange(m_outputFile, QString());
    if (completed)
        return output;
    // The fallback file was new to this job; half a printout is no use to anyone.
    if (!output.isEmpty())
        QFile::remove(output);
    return {};
}

QSizeF PrinterSurface::printableSizeMm(Orientation orientation) const
{
    if (m_printer)
        return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).size();
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull()) {
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        return orientation == Orientation::Landscape ? a4.transposed() : a4;
    }
    QPrinter printer(installed, QPrinter::HighResolution);
    printer.setPageOrientation(layoutOrientation(orientation));
    return printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

QString PrinterSurface::targetName() const
{
    if (!m_outputFile.isEmpty())
        return QCoreApplication::translate("print", "the file '%1'").arg(QDir::toNativeSeparators(m_outputFile));
    return QCoreApplication::translate("print", "the default printer");
}

QString fallbackFilePath(const QString& folder, const QString& jobName, const QDateTime& time)
{
    QString name = jobName.trimmed();
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' || c == u'.'))
            c = u'_';
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u"Print"_qs);
    const QString base = QDir(folder).filePath(name + u' ' + time.toString(u"yyyy-MM-dd HH.mm.ss"_qs));
    QString path = base + u".pdf"_qs;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + u" (%1).pdf"_qs.arg(n);
    return path;
}

QString printsFolder()
{
    return store::dataFolder() + u"Prints/"_qs;
}

QString savedPrintoutMessage(const QString& filePath)
{
    return QCoreApplication::translate("print", "No printer is installed. The printout was saved as a PDF file:\n%1")
        .arg(QDir::toNativeSeparators(filePath));
}

} // namespace corvella::print
