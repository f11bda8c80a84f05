#include "mains_design.h"

namespace velkor {

void SBTACALCClick(Page&, const SecondaryTable&) {}

} // namespace velkor
