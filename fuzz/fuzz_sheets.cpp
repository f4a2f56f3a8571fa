// Label sheet templates and paper sizes as the system's template files hold them (XML). A sheet the settings can
// print must give label settings that fit on its page.
#include "FuzzInput.h"

#include "core/Error.h"
#include "print/SheetCatalogue.h"

#include <QBuffer>

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::FuzzInput input(data, size);
    QByteArray paperBytes = input.piece();
    QByteArray templateBytes = input.rest();
    QBuffer paperFile(&paperBytes);
    paperFile.open(QIODevice::ReadOnly);
    QBuffer templateFile(&templateBytes);
    templateFile.open(QIODevice::ReadOnly);

    print::PaperSizes papers;
    try {
        papers = print::readPaperSizes(paperFile, u"paper-sizes.xml"_qs);
    } catch (const Error&) {
    }
    QList<print::CatalogueSheet> sheets;
    try {
        sheets = print::readTemplates(templateFile, u"templates.xml"_qs, papers);
    } catch (const Error&) {
        return 0;
    }
    for (const print::CatalogueSheet& sheet : std::as_const(sheets)) {
        // The program turns a sheet into settings only when nothing stands against it, as require() does.
        if (!sheet.usable() || !print::unusableReason(sheet).isEmpty())
            continue;
        const print::LabelSheet settings = print::labelSheetOf(sheet);
        if (settings.labelWidthMm <= 0 || settings.labelHeightMm <= 0 || settings.pageWidthMm <= 0 ||
            settings.pageHeightMm <= 0)
            fuzz::fail("a usable sheet gives labels or a page without size", sheet.code());
    }
    return 0;
}
