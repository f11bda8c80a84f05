// Single-layer coil in air or on an open core (sub-page TabSheet3).
#pragma once

#include "page.h"

namespace velkor {

void SBCNSSSClick(Page& page); // turns
void SBCISSClick(Page& page);  // inductance
void SBCDSSClick(Page& page);  // winding diameter
void SBCLSSClick(Page& page);  // winding length
void SBCMESSClick(Page& page); // relative permeability

} // namespace velkor
