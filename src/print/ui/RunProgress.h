#pragma once

#include "print/Printout.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

namespace corvella::print {

/// What a window shows while it prints: above `AskAbovePages` pages a question first states the page count, and a run
/// of more than `DialogAbovePages` pages shows the pages done in a modal progress dialog with Cancel, which keeps the
/// windows painting between pages. A busy cursor stays up for the whole run.
class RunProgress {
public:
    static constexpr qint64 DialogAbovePages = 3;
    static constexpr qint64 AskAbovePages = 500;

    explicit RunProgress(QWidget* window);
    ~RunProgress();
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    /// For the run; valid while this object lives.
    PageProgress callback();

    /// The dialog of the running run, if it shows one.
    QProgressDialog* dialog() const { return m_dialog.get(); }

private:
    bool advance(qint64 done, qint64 total);
    bool start(qint64 total);

    QWidget* m_window;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate; // the dialog is brought up to date, and events handled, a few times a second
    bool m_busyCursor = false;
};

} // namespace corvella::print
