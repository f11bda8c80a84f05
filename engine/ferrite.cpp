#include "ferrite.h"

namespace velkor {

void SBCALCClick(Page&) {}

} // namespace velkor
