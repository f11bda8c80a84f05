#include "report_commands.h"

namespace velkor::reports {

void FillActiveReport(QWidget*) {}
void SBPRINTClick(QWidget*) {}
void SBPREVIEWClick(QWidget*) {}
void SBPRINTSETUPClick(QWidget*) {}

} // namespace velkor::reports
