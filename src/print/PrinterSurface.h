#pragma once

#include "PainterSurface.h"

#include <QDateTime>

#include <functional>
#include <memory>

class QPrinter;

namespace corvella::print {

/// Prints on the system's default printer. Without an installed printer, a job goes to a PDF file in the fallback
/// folder when one is set, and otherwise fails with the platform's "There is no default printer currently selected".
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QString fallbackFolder = QString());
    ~PrinterSurface() override;

    const QString& fallbackFolder() const { return m_fallbackFolder; }
    /// The clock that dates the fallback files; tests fix it.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

protected:
    QPaintDevice* openDevice(const QString& jobName, Orientation orientation) override;
    bool startNewPage() override;
    void abandonDevice() override;
    QString closeDevice(bool completed) override;
    QSizeF printableSizeMm(Orientation orientation) const override;
    QString targetName() const override;

private:
    QString m_fallbackFolder;
    std::function<QDateTime()> m_clock;
    std::unique_ptr<QPrinter> m_printer;
    QString m_outputFile;
};

/// The file a job saved for want of a printer is written to: the job name (characters a file name cannot hold
/// replaced by "_") and the time, in `folder`, never an existing file.
QString fallbackFilePath(const QString& folder, const QString& jobName, const QDateTime& time);

/// The folder jobs are saved in when no printer is installed: "Prints" beside the contact file's folder, in the data
/// folder (store/DataFolder.h).
QString printsFolder();

/// What the user is told when a printout was saved to a file.
QString savedPrintoutMessage(const QString& filePath);

} // namespace corvella::print
