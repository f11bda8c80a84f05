// Writing into a report's elements by component name.
#pragma once

#include "quick_rep.h"

#include <QWidget>

namespace velkor::reports {

// The report of the form with the given objectName among the main window's children.
TQuickRep* ReportOf(const QWidget* main, const char* formName);

// Sets the text of an element of the report; an unknown name changes nothing.
void Put(TQuickRep* report, const char* name, const QString& text);

} // namespace velkor::reports
