// Reading the main window's fields by component name. The reports copy texts as the page
// shows them; a field that cannot be found reads as empty (or unchecked, or index -1). A text
// carries whether its field showed the alarm look, so that its value prints the alarm too.
#pragma once

#include "numbers.h"

#include <QString>

class QObject;

namespace velkor::reports {

// A text as the page shows it, marked when its field had the alarm look (the alarm red
// background) as it was read. Joined with units, blanks or other field texts it keeps the
// mark (either mark for two field texts), so that the value label it fills prints the alarm.
class ShownText : public QString {
public:
    ShownText() = default;
    ShownText(const QString& text, bool alarm = false) // NOLINT: plain texts convert
        : QString(text), alarm_(alarm) {}
    ShownText(const char* text) : QString(QString::fromUtf8(text)) {} // NOLINT: as QString's
    bool Alarm() const { return alarm_; }

    friend ShownText operator+(const ShownText& a, const QString& b) {
        return {static_cast<const QString&>(a) + b, a.alarm_};
    }
    friend ShownText operator+(const QString& a, const ShownText& b) {
        return {a + static_cast<const QString&>(b), b.alarm_};
    }
    friend ShownText operator+(const ShownText& a, const ShownText& b) {
        return {static_cast<const QString&>(a) + static_cast<const QString&>(b),
                a.alarm_ || b.alarm_};
    }
    friend ShownText operator+(const ShownText& a, const char* b) {
        return a + QString::fromUtf8(b);
    }
    friend ShownText operator+(const ShownText& a, QChar b) {
        return {static_cast<const QString&>(a) + b, a.alarm_};
    }

private:
    bool alarm_ = false;
};

// The text a field shows: an edit or spin field's text, a label's caption, the text shown by
// a drop-down list; marked when the field shows the alarm look.
ShownText FieldText(const QObject* main, const char* name);
// Whether the field shows the alarm look: the alarm red as its background, on every palette.
bool FieldAlarm(const QObject* main, const char* name);
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
ShownText Trimmed(const ShownText& text);

// The regional separators used for reading and writing numbers.
NumberLocale SystemSeparators();

} // namespace velkor::reports
