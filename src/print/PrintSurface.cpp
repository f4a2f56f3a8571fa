#include "PrintSurface.h"

namespace corvella::print {

PrintSurface::~PrintSurface() = default;

} // namespace corvella::print
