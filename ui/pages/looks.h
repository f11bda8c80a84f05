// Looks that follow the palette: each control keeps the colour it stands for (the result tint,
// the alarm red, the system window text, navy ...) and takes the actual colour from the palette
// in force. Under a light palette a colour is shown as it is named; under a dark one (window
// colour darker than mid-grey) a light tint turns into a dark shade of the same hue and a dark
// caption colour into a light one, so that every text keeps its contrast. The alarm red and
// the manual's paper stay as they are on every palette.
#pragma once

#include "page.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace velkor::ui {

// Relative luminance (0 black to 1 white) and contrast ratio (1 to 21) of WCAG 2.1.
double Luminance(const QColor& colour);
double ContrastRatio(const QColor& first, const QColor& second);

// A palette is dark when its window colour is darker than mid-grey.
bool IsDark(const QPalette& palette);

// The colour `colour` stands for in `palette`, as named (no adjustment).
QColor NamedColour(Colour colour, const QPalette& palette);

// The colours a field shows for its background and text looks in `palette`.
struct FieldColours {
    QColor background;
    QColor text;
};
FieldColours ResolveField(Colour background, Colour text, const QPalette& palette);

// A caption colour readable on the window and button colours of `palette`: the colour itself
// when it contrasts enough, else a shade of its hue light or dark enough.
QColor ReadableCaption(const QColor& colour, const QPalette& palette);

// Logical looks, kept on the control and shown at once in the application's palette.
// A field's background (QPalette::Base) and text colour (Text and WindowText).
void SetFieldBackground(QWidget* field, Colour colour);
void SetFieldText(QWidget* field, Colour colour);
// Both, shown in one step.
void SetFieldLook(QWidget* field, Colour background, Colour text);
// A container's window-text or button-text colour, inherited by the controls inside.
void SetForeground(QWidget* widget, QPalette::ColorRole role, Colour colour);
// The selection colour of the controls inside `widget`: the palette's own when its selected
// text reads on it, else a shade of its hue that reads.
void SetReadableSelection(QWidget* widget);
// The caption colour of a GroupBox (bold caption).
void SetCaptionColour(QWidget* group, Colour colour);
// Black on white paper whatever the palette: a view of a document carrying its own colours.
void SetPaper(QWidget* view);
// A grid whose row 0 is a header row in the button colour.
void MarkHeaderRow(QWidget* grid);

// Shows again every look kept inside `root` (and on it) in the application's palette in force,
// and makes the hints readable: after the palette changed.
void RefreshLooks(QWidget* root);

} // namespace velkor::ui
