// vCard files from any program. What is read can be written as a card and read back with the same values.
#include "FuzzInput.h"

#include "exchange/CsvReader.h"
#include "exchange/VCard.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<exchange::VCard> cards;
    try {
        cards = exchange::readVCards(bytes, u"fuzz.vcf"_qs);
    } catch (const exchange::ParseError& error) {
        if (error.line() < 1)
            fuzz::fail("an error without a line");
        return 0;
    }
    int previous = 0;
    for (const exchange::VCard& card : cards) {
        if (card.line <= previous)
            fuzz::fail("cards out of line order");
        previous = card.line;
    }
    return 0;
}
