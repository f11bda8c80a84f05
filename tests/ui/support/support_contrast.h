// Contrast measured on what the window draws (WCAG 2.1): every visible control that shows
// text is drawn as shown and again with its texts in no colour, and each text pixel is measured
// against what lies behind it, buttons and drop-downs included; the graphics that identify a
// control (radio and check indicators, the buttons' pictures along their edge, the spin and
// list arrows) against what surrounds them.
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

class QWidget;

namespace window_testing {

constexpr double kNormalText = 4.5; // WCAG AA, normal text
constexpr double kAlarmText = 3.0;  // the alarm red with white bold text, at best 4.0
constexpr double kGraphic = 3.0;    // WCAG 1.4.11, a control's graphic against its surroundings

// What a picture shows: its most frequent colour, and its pixel of highest contrast to it.
struct Reading {
    QColor background;
    QColor text;
    double contrast = 1;
};
Reading Read(const QImage& picture);

// Every text and graphic of `window`, as now shown, below its contrast: one line each, named
// after `where`. With VELKOR_CONTRASTS set, every measure is listed.
QStringList Unreadable(QWidget* window, const QString& where);

} // namespace window_testing
