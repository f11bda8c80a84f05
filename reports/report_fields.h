// Reading the main window's fields by component name. The reports copy texts as the page
// shows them; a field that cannot be found reads as empty (or unchecked, or index -1).
#pragma once

#include "numbers.h"

#include <QString>

class QObject;

namespace velkor::reports {

// The text a field shows: an edit or spin field's text, a label's caption, the text shown by
// a drop-down list.
QString FieldText(const QObject* main, const char* name);
// Whether a check box or radio button is checked.
bool FieldChecked(const QObject* main, const char* name);
// The active page of a tabbed control, -1 when there is none.
int ActivePage(const QObject* main, const char* name);
// A cell of a string grid whose row 0 is its fixed header row (column, row as the grid
// numbers them); empty outside the grid.
QString GridCell(const QObject* main, const char* name, int column, int row);
// A text of the mains page's table of entered secondaries (column 0 voltage, 1 current; rows
// 1 to 6). The window answers through its invokable `secondaryText(int column, int row)`;
// a window without it answers from the entry grid SGTAINSEC.
QString SecondaryText(QObject* main, int column, int row);

// The text without its leading and trailing blanks and control characters (codes up to 32).
QString Trimmed(const QString& text);

// The regional separators used for reading and writing numbers.
NumberLocale SystemSeparators();

} // namespace velkor::reports
