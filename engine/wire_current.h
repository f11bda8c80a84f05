// Current, current density and diameter of a round wire (group " Correnti ").
#pragma once

#include "page.h"

namespace velkor {

void SBDFClick(Page& page); // diameter from current and density
void SBCNClick(Page& page); // current from diameter and density
void SBDCClick(Page& page); // density from diameter and current

} // namespace velkor
