// The program's modal error boxes, shared by the window and the fields: a failed operation
// ends with one of them, and the user closes it with its only button.
#pragma once

#include <QString>

class QWidget;

namespace velkor::ui {

// A modal error box: error icon, `title`, `text` and one OK button; returns when it closes.
void ShowCriticalBox(QWidget* parent, const QString& title, const QString& text);

// The general error box of a fault that ends an operation: the program's title over `text`
// (the fault's description with its full stop, "'E' is not a valid floating point value.").
void ShowGeneralErrorBox(QWidget* parent, const QString& text);

} // namespace velkor::ui
