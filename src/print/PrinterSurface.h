#pragma once

#include "PainterSurface.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QPrinter>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace corvella::print {

/// A print queue as a job is laid out for it: its paper with the printable margins (portrait) and its defaults.
struct PrintQueue {
    QString name;
    QPageLayout layout;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    bool greyscale = false;
};

using PrintJobOptions = QList<std::pair<QByteArray, QByteArray>>;

/// Hands a finished job's PDF file to the print system under `title`; throws Error when the queue refuses it.
using SubmitPrintJob = std::function<void(const QString& queue, const QString& pdfFile, const QString& title,
                                          const PrintJobOptions& options)>;

/// Prints on the system's default printer. Without an installed printer, a job goes to a PDF file in the fallback
/// folder when one is set, and otherwise fails with the platform's "There is no default printer currently selected".
///
/// A printer's job is drawn into a PDF file of its own and handed to CUPS only once it completes, so that a job
/// dropped part way (Cancel, an error) sends nothing: CUPS takes a job whole, and Qt's own CUPS printer sends
/// whatever was drawn when painting ends, aborted or not.
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QString fallbackFolder = QString());
    ~PrinterSurface() override;

    const QString& fallbackFolder() const { return m_fallbackFolder; }
    /// The clock that dates the fallback files; tests fix it.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    /// Where the printer is found, and where jobs go; tests stand in for CUPS with these.
    void setQueueLookup(std::function<std::optional<PrintQueue>()> lookup) { m_lookup = std::move(lookup); }
    void setSubmitter(SubmitPrintJob submit) { m_submit = std::move(submit); }
    /// The folder a printer's job is drawn in until it is handed over; the system's temporary folder by default.
    void setSpoolFolder(QString folder) { m_spoolFolder = std::move(folder); }

    QPageLayout paperLayout(Orientation orientation) const override;

protected:
    QPaintDevice* openDevice(const QString& jobName, Orientation orientation) override;
    bool startNewPage() override;
    QString closeDevice(bool completed) override;
    QString targetName() const override;

private:
    QString m_fallbackFolder;
    std::function<QDateTime()> m_clock;
    std::function<std::optional<PrintQueue>()> m_lookup;
    SubmitPrintJob m_submit;
    QString m_spoolFolder;
    std::unique_ptr<QPrinter> m_printer;
    QString m_outputFile;              // the fallback file
    std::optional<PrintQueue> m_queue; // of the running job
    QString m_spoolFile;
    PrintJobOptions m_jobOptions;
    QString m_jobName;
};

/// The system's default printer, when one is installed.
std::optional<PrintQueue> defaultPrintQueue();

/// What CUPS is told besides the file: the paper, the sides and the orientation, as Qt's CUPS printer tells it.
PrintJobOptions printJobOptions(const PrintQueue& queue, Orientation orientation);

/// Hands a file to CUPS with cupsPrintFile.
void submitToCups(const QString& queue, const QString& pdfFile, const QString& title, const PrintJobOptions& options);

/// The file a job saved for want of a printer is written to: the job name (characters a file name cannot hold
/// replaced by "_") and the time, in `folder`, never an existing file.
QString fallbackFilePath(const QString& folder, const QString& jobName, const QDateTime& time);

/// The folder jobs are saved in when no printer is installed: "Prints" beside the contact file's folder, in the data
/// folder (store/DataFolder.h).
QString printsFolder();

/// What the user is told when a printout was saved to a file.
QString savedPrintoutMessage(const QString& filePath);

} // namespace corvella::print
