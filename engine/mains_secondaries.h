// Secondaries entry, power estimate and bobbin controls of the mains transformer page.
#pragma once

#include "mains_design.h"

#include <string_view>

namespace velkor {

// A new text of a cell of SGTAINSEC from its editor (each keystroke, editor open and close).
void SGTAINSECSetEditText(Page& page, SecondaryTable& secondaries, int column, int row,
                          std::string_view text);
void SBTACPTOTClick(Page& page);   // "f(AN)": power estimate from the gross core section
void RBTASINGClick(Page& page);    // "Singolo" / "Doppio": bobbin picture
void CBAUTOCARTClick(Page& page);  // "Auto Dim.": locks or unlocks the bobbin fields
void SBCLEARCARTClick(Page& page); // empties the bobbin fields

} // namespace velkor
