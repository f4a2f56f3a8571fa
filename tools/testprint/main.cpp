// The label printer test program: prints the test page through the print helpers, then creates the signal file
// named on its command line ("YAZ TEST <signal file>"). When the page went to a PDF file for want of a printer, its
// path is written to standard output; failures go to standard error and leave no signal file.

#include "core/Error.h"
#include "print/TestPages.h"
#include "print/TestPrintProgram.h"
#include "print/Tgenel.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Its printouts go where the program's own do, and the user's data folder is named after the program.
    QCoreApplication::setApplicationName(u"Corvella"_qs);
    QApplication application(argc, argv);
    const auto signalPath = corvella::print::signalPathFromArguments(QApplication::arguments().mid(1));
    if (!signalPath) {
        std::fputs("Usage: ~_~$ YAZ TEST <signal file>\n", stderr);
        return 2;
    }
    try {
        corvella::print::Tgenel printer;
        const QString saved = corvella::print::printLabelTestPage(printer);
        if (!saved.isEmpty())
            std::fprintf(stdout, "%s\n", saved.toLocal8Bit().constData());
        std::fflush(stdout);
        QFile signal(*signalPath);
        if (!signal.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "Cannot create the signal file '%s': %s\n", signalPath->toLocal8Bit().constData(),
                         signal.errorString().toLocal8Bit().constData());
            return 1;
        }
    } catch (const corvella::Error& error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
