// The inductance transfers between the resonance group and the two coil sub-pages: the text
// of a field and the position of its unit list are copied unchanged, without parsing.
#pragma once

#include "page.h"

namespace velkor {

void SBPASSAIRClick(Page& page);   // IIND/CBUIR -> ISS/CBUISS and INUC/CBUINUC
void SBPASSAISSClick(Page& page);  // ISS/CBUISS -> IIND/CBUIR
void SBPASSAINUCClick(Page& page); // INUC/CBUINUC -> IIND/CBUIR

} // namespace velkor
