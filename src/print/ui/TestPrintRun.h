#pragma once

#include <QString>

class QWidget;

namespace corvella::print {

/// One run of the label printer test: starts the companion program, which prints the test page and then creates
/// the signal file, and waits for that file while the event loop runs and a small dialog offers Cancel.
class TestPrintRun {
public:
    TestPrintRun(QWidget* parent, QString program, QString signalFolder);

    /// Returns true once the companion has signalled and false when the user stopped waiting. Raises an error when
    /// the program cannot start or ends without signalling; a signal file left from an earlier run is deleted first.
    bool run();

    /// The PDF file the companion saved its page to, when no printer took it.
    const QString& savedFile() const { return m_savedFile; }

private:
    QWidget* m_parent;
    QString m_program;
    QString m_signalFolder;
    QString m_savedFile;
};

} // namespace corvella::print
