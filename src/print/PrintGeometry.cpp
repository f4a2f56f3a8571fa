#include "PrintGeometry.h"

#include "store/FieldDef.h"

namespace corvella::print {

int dotsFromMm(double mm)
{
    return int(store::roundHalfEven(mm * DotsPerMm));
}

int mmFromDots(double dots)
{
    return int(store::roundHalfEven(dots / DotsPerMm));
}

} // namespace corvella::print
