// Resonance and reactance of an LC pair (group " Risonanza e Reattanze ").
#pragma once

#include "page.h"

namespace velkor {

void SBCFRClick(Page& page);  // F from C and L
void SBCCRClick(Page& page);  // C from F and L
void SBCIRClick(Page& page);  // L from F and C
void SBCXCClick(Page& page);  // XC from F and C
void SBCXLClick(Page& page);  // XL from F and L
void SBCCXCClick(Page& page); // C from F and XC
void SBCIXLClick(Page& page); // L from F and XL
void SBCFXCClick(Page& page); // F from C and XC
void SBCFXLClick(Page& page); // F from L and XL

} // namespace velkor
