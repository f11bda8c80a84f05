#include "resonance.h"

namespace velkor {

void SBCFRClick(Page&) {}
void SBCCRClick(Page&) {}
void SBCIRClick(Page&) {}
void SBCXCClick(Page&) {}
void SBCXLClick(Page&) {}
void SBCCXCClick(Page&) {}
void SBCIXLClick(Page&) {}
void SBCFXCClick(Page&) {}
void SBCFXLClick(Page&) {}

} // namespace velkor
