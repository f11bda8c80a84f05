#include "wire_current.h"

namespace velkor {

void SBDFClick(Page&) {}
void SBCNClick(Page&) {}
void SBDCClick(Page&) {}

} // namespace velkor
