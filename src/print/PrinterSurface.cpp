#include "PrinterSurface.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/ConnectionString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <vector>

namespace corvella::print {

PrinterSurface::PrinterSurface(QString fallbackFolder)
    : m_fallbackFolder(std::move(fallbackFolder))
    , m_clock([] { return QDateTime::currentDateTime(); })
    , m_lookup(defaultPrintQueue)
    , m_submit(submitToCups)
{}

PrinterSurface::~PrinterSurface()
{
    abortDocument();
}

QPaintDevice* PrinterSurface::openDevice(const QString& jobName, Orientation orientation)
{
    m_outputFile.clear();
    m_spoolFile.clear();
    m_queue = m_lookup();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setCreator(u"Corvella"_qs);
    if (!m_queue) {
        if (m_fallbackFolder.isEmpty())
            throw Error(QCoreApplication::translate("print", "There is no default printer currently selected"));
        if (!QDir().mkpath(m_fallbackFolder))
            throw Error(QCoreApplication::translate("print", "Cannot create the folder '%1'.")
                            .arg(QDir::toNativeSeparators(m_fallbackFolder)));
        m_outputFile = fallbackFilePath(m_fallbackFolder, jobName, m_clock());
        m_printer->setOutputFileName(m_outputFile);
        // Paper has no unprintable edge in a file.
        m_printer->setFullPage(true);
        m_printer->setPageLayout(edgeToEdge(QPageSize(QPageSize::A4), orientation));
    } else {
        // Reserves a name no other job holds; the PDF engine writes the file afresh.
        QTemporaryFile spool(
            QDir(m_spoolFolder.isEmpty() ? QDir::tempPath() : m_spoolFolder).filePath(u"corvella-print-XXXXXX.pdf"_qs));
        spool.setAutoRemove(false);
        if (!spool.open())
            throw Error(QCoreApplication::translate("print", "The print job could not be started on %1: %2")
                            .arg(targetName(), spool.errorString()));
        m_spoolFile = spool.fileName();
        // Laid out as the printer would lay it out itself: its paper, drawn inside its printable margins.
        m_printer->setOutputFileName(m_spoolFile);
        m_printer->setPageLayout(turned(m_queue->layout, orientation));
        if (m_queue->greyscale)
            m_printer->setColorMode(QPrinter::GrayScale);
        m_jobOptions = printJobOptions(*m_queue, orientation);
    }
    m_jobName = jobName;
    m_printer->setDocName(jobName);
    return m_printer.get();
}

bool PrinterSurface::startNewPage()
{
    return m_printer && m_printer->newPage();
}

QString PrinterSurface::closeDevice(bool completed)
{
    m_printer.reset();
    const QString output = std::exchange(m_outputFile, QString());
    const QString spool = std::exchange(m_spoolFile, QString());
    const std::optional<PrintQueue> queue = std::exchange(m_queue, std::nullopt);
    if (!spool.isEmpty()) {
        const ScopeExit removeSpool([&spool] { QFile::remove(spool); });
        if (completed)
            m_submit(queue->name, spool, m_jobName, m_jobOptions);
        return {};
    }
    if (completed)
        return output;
    // The fallback file was new to this job; half a printout is no use to anyone.
    if (!output.isEmpty())
        QFile::remove(output);
    return {};
}

QPageLayout PrinterSurface::paperLayout(Orientation orientation) const
{
    if (m_printer)
        return m_printer->pageLayout();
    const std::optional<PrintQueue> queue = m_lookup();
    return queue ? turned(queue->layout, orientation) : edgeToEdge(QPageSize(QPageSize::A4), orientation);
}

QString PrinterSurface::targetName() const
{
    if (!m_outputFile.isEmpty())
        return QCoreApplication::translate("print", "the file '%1'").arg(QDir::toNativeSeparators(m_outputFile));
    return QCoreApplication::translate("print", "the default printer");
}

std::optional<PrintQueue> defaultPrintQueue()
{
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull())
        return std::nullopt;
    const QPrinter printer(installed, QPrinter::HighResolution);
    return PrintQueue{installed.printerName(), printer.pageLayout(), installed.defaultDuplexMode(),
                      installed.defaultColorMode() == QPrinter::GrayScale};
}

PrintJobOptions printJobOptions(const PrintQueue& queue, Orientation orientation)
{
    const bool landscape = orientation == Orientation::Landscape;
    QByteArray sides = "one-sided";
    if (queue.duplex == QPrinter::DuplexLongSide || (queue.duplex == QPrinter::DuplexAuto && !landscape))
        sides = "two-sided-long-edge";
    else if (queue.duplex == QPrinter::DuplexShortSide || queue.duplex == QPrinter::DuplexAuto)
        sides = "two-sided-short-edge";
    PrintJobOptions options{{"media", queue.layout.pageSize().key().toUtf8()}, {"sides", sides}};
    if (landscape)
        options.emplace_back("landscape", QByteArray());
    return options;
}

void submitToCups(const QString& queue, const QString& pdfFile, const QString& title, const PrintJobOptions& options)
{
    std::vector<cups_option_t> cupsOptions;
    cupsOptions.reserve(size_t(options.size()));
    for (const auto& [name, value] : options)
        cupsOptions.push_back({const_cast<char*>(name.constData()), const_cast<char*>(value.constData())});
    // An instance ("queue/instance") carries its own settings but prints through its queue.
    const QByteArray queueName = queue.section(u'/', 0, 0).toUtf8();
    const int job = cupsPrintFile(queueName.constData(), QFile::encodeName(pdfFile).constData(),
                                  title.toUtf8().constData(), int(cupsOptions.size()), cupsOptions.data());
    if (job == 0)
        throw Error(QCoreApplication::translate("print", "The printer '%1' did not take the print job: %2")
                        .arg(queue, QString::fromUtf8(cupsLastErrorString())));
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
