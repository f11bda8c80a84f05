// Writing into a report's elements by component name.
#pragma once

#include "quick_rep.h"
#include "report_fields.h"

#include <QWidget>

namespace velkor::reports {

// The report of the form with the given objectName among the main window's children.
TQuickRep* ReportOf(const QWidget* main, const char* formName);

// Sets the text of an element of the report, and on a label whether it prints the alarm (the
// text's mark); an unknown name changes nothing.
void Put(TQuickRep* report, const char* name, const ShownText& text);

} // namespace velkor::reports
