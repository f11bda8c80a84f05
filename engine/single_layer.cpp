#include "single_layer.h"

namespace velkor {

void SBCNSSSClick(Page&) {}
void SBCISSClick(Page&) {}
void SBCDSSClick(Page&) {}
void SBCLSSClick(Page&) {}
void SBCMESSClick(Page&) {}

} // namespace velkor
