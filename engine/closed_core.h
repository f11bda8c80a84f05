// Multilayer winding on a closed core of known Al (sub-page TabSheet5).
#pragma once

#include "page.h"

namespace velkor {

void SBCNSNUCClick(Page& page);   // turns from L and Al
void SBCALNUCClick(Page& page);   // Al from L and turns
void SBCINUCClick(Page& page);    // L from Al and turns
void SBALTRONUCClick(Page& page); // layers, wire length, resistance, weight, bobbin fit
// Either bobbin radio button: shows the picture of the chosen bobbin and the X and Y
// controls (labels "LabelD4NUC", "LabelD5NUC", units "UnitD4NUC", "UnitD5NUC", fields).
void RBC2NUCClick(Page& page);

} // namespace velkor
