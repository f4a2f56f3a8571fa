// The small readers of the settings row and the typed fields: colour texts, whole numbers and measurements, typed
// numbers and dates, template lengths and number pictures, under the C, Turkish and US locales.
#include "FuzzInput.h"

#include "core/Error.h"
#include "print/ColourText.h"
#include "print/SettingsRange.h"
#include "print/SheetCatalogue.h"
#include "search/QueryBuilder.h"
#include "store/Connection.h"
#include "store/FieldDef.h"
#include "store/NumberFormat.h"

#include <cmath>

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::FuzzInput input(data, size);
    const QLocale locale = fuzz::localeFor(input.byte());
    QLocale::setDefault(locale);
    const QString text = input.text();
    const QString picture = input.text().left(64);

    try {
        const int colour = print::colourFromText(text);
        if (print::colourFromText(print::colourToText(colour)) != colour)
            fuzz::fail("a colour does not survive its stored text", text);
        print::toQColor(colour);
    } catch (const Error&) {
    }

    // The settings row holds numbers as text or as doubles.
    const print::SettingsMeasure measure = print::ranges::offsetMm(u"Sol_Bosluk"_qs, u"Left Margin"_qs);
    for (const QVariant& stored : {QVariant(text), QVariant(locale.toDouble(text))}) {
        try {
            const int whole = print::checkedWholeNumber([&stored](const QString&) { return stored; }, measure);
            if (whole < measure.lowest || whole > measure.highest)
                fuzz::fail("a whole number outside its range", text);
        } catch (const Error&) {
        }
    }
    store::roundHalfEven(locale.toDouble(text));

    try {
        const QString number = search::numberText(text);
        bool ok = false;
        if (!std::isfinite(QLocale::c().toDouble(number, &ok)) || !ok)
            fuzz::fail("a typed number written as no number", number);
    } catch (const Error&) {
    }

    const double length = print::templateLengthMm(text);
    Q_UNUSED(length);
    store::cdate(text);
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (ok)
        store::formatFloat(picture, value, locale);
    return 0;
}
