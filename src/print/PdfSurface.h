#pragma once

#include "PainterSurface.h"

#include <QPageSize>

#include <memory>

class QPdfWriter;
class QFile;

namespace corvella::print {

/// Prints into one PDF file, on paper printable to its edges unless margins are given, at a chosen device resolution. A
/// second job writes the file again. The file is written under a temporary name and takes its own when the job
/// completes: a job dropped part-way leaves no file, and a file that was there before as it was.
class PdfSurface : public PainterSurface {
public:
    explicit PdfSurface(QString filePath, int dotsPerInch = 1200,
                        QPageLayout paper = edgeToEdge(QPageSize(QPageSize::A4), Orientation::Portrait));
    ~PdfSurface() override;

    const QString& filePath() const { return m_filePath; }
    QPageLayout paperLayout(Orientation orientation) const override;

protected:
    QPaintDevice* openDevice(const QString& jobName, Orientation orientation) override;
    bool startNewPage() override;
    QString closeDevice(bool completed) override;
    QString targetName() const override;

private:
    QString m_filePath;
    int m_dotsPerInch;
    QPageLayout m_paper;
    std::unique_ptr<QFile> m_file; // the printout until it is complete
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace corvella::print
