#include "closed_core.h"

namespace velkor {

void SBCNSNUCClick(Page&) {}
void SBCALNUCClick(Page&) {}
void SBCINUCClick(Page&) {}
void SBALTRONUCClick(Page&) {}
void RBC2NUCClick(Page&) {}

} // namespace velkor
