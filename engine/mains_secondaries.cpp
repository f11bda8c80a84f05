#include "mains_secondaries.h"

namespace velkor {

void SGTAINSECSetEditText(Page&, SecondaryTable&, int, int, std::string_view) {}
void SBTACPTOTClick(Page&) {}
void RBTASINGClick(Page&) {}
void CBAUTOCARTClick(Page&) {}
void SBCLEARCARTClick(Page&) {}

} // namespace velkor
