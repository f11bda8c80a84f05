// Ferrite transformer design of a switching supply (" Trasformatori ferrite ").
#pragma once

#include "page.h"

namespace velkor {

// Click of "Calcola" (SBCALC): reads the thirteen spin fields, writes the sixteen results and
// the looks of AEAC and BMAXEFF. Faults are not caught here: they reach the window.
void SBCALCClick(Page& page);

} // namespace velkor
