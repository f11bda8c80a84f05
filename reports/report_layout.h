// Building a report's layout: captions, value labels, boxes, memos and pictures placed on
// the band of a TQuickRep, and the header frame common to the three reports.
#pragma once

#include "quick_rep.h"

#include <QHash>
#include <QString>

namespace velkor::reports {

class LayoutBuilder {
public:
    explicit LayoutBuilder(TQuickRep* report) : report_(report) {}

    // A fixed caption, Times New Roman 12 pt; named QRLabel<n> with the next free number.
    QRLabel* Caption(double left, double top, const QString& text, bool bold = false);
    // A caption with its own component name.
    QRLabel* NamedCaption(const QString& name, double left, double top, const QString& text,
                          bool bold = false);
    // A caption with a value label beside it at `valueLeft`: the caption ends before it.
    QRLabel* Row(double captionLeft, double top, const QString& caption, double valueLeft,
                 const QString& value);
    // A value label, Times New Roman 12 pt bold; its design text is its own name. It is
    // fitted to its box when printed (QRLabel).
    QRLabel* Value(const QString& name, double left, double top);
    // A rectangle outline; named QRShape<n> with the next free number unless named.
    QRShape* Box(double left, double top, double width, double height, QString name = {});
    QRMemo* Memo(const QString& name, QRectF rect, double points);
    QRImage* Image(const QString& name, QRectF rect, const QString& picture);

    TQuickRep* Report() const { return report_; }

private:
    QString NextName(const QString& prefix);

    TQuickRep* report_;
    // The last number given to each prefix: every number below it is taken, so the search for
    // the next free one starts after it.
    QHash<QString, int> lastNumber_;
};

// The header frame: the header box, the logo, "CALCOLI   MAGNETICI", the subtitle centred
// under the title and the date of printing.
void AddHeader(LayoutBuilder& layout, const QString& subtitle, double subtitleLeft,
               double subtitleWidth);

inline constexpr double kLabelHeight = 5.0; // mm, a 12 pt label

} // namespace velkor::reports
