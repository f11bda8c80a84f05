#include "report_layout.h"

namespace velkor::reports {

namespace {

// Names the layouts give to particular fixed captions; numbered captions skip them.
bool Reserved(const QString& name) {
    static const QStringList reserved = {"QRLabel1", "QRLabel8", "QRLabel20", "QRLabel26"};
    return reserved.contains(name);
}

} // namespace

QString LayoutBuilder::NextName(const QString& prefix) {
    int& last = lastNumber_[prefix];
    for (int n = last + 1;; ++n) {
        const QString name = prefix + QString::number(n);
        if (!Reserved(name) && !report_->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) {
            last = n;
            return name;
        }
    }
}

QRLabel* LayoutBuilder::Caption(double left, double top, const QString& text, bool bold) {
    return NamedCaption(NextName("QRLabel"), left, top, text, bold);
}

QRLabel* LayoutBuilder::NamedCaption(const QString& name, double left, double top,
                                     const QString& text, bool bold) {
    return new QRLabel(report_, name, QRectF(left, top, 0, kLabelHeight),
                       report_->Font("Times New Roman", 12, bold), text);
}

QRLabel* LayoutBuilder::Row(double captionLeft, double top, const QString& caption,
                            double valueLeft, const QString& value) {
    const double gap = 1.0; // mm between a caption and its value
    Caption(captionLeft, top, caption)->SetFitWidth(valueLeft - captionLeft - gap);
    return Value(value, valueLeft, top);
}

QRLabel* LayoutBuilder::Value(const QString& name, double left, double top) {
    QRLabel* value = NamedCaption(name, left, top, name, true);
    value->SetValue(true);
    return value;
}

QRShape* LayoutBuilder::Box(double left, double top, double width, double height, QString name) {
    if (name.isEmpty())
        name = NextName("QRShape");
    return new QRShape(report_, name, QRectF(left, top, width, height));
}

QRMemo* LayoutBuilder::Memo(const QString& name, QRectF rect, double points) {
    return new QRMemo(report_, name, rect, report_->Font("Courier New", points, true));
}

QRImage* LayoutBuilder::Image(const QString& name, QRectF rect, const QString& picture) {
    return new QRImage(report_, name, rect, picture);
}

void AddHeader(LayoutBuilder& layout, const QString& subtitle, double subtitleLeft,
               double subtitleWidth) {
    TQuickRep* report = layout.Report();
    layout.Box(1.3, 1.3, 186.8, 29.4, "QRShape1");
    layout.Image("QRImage1", QRectF(2.6, 2.6, 26.5, 26.5), ":/pictures/logo.svg");
    new QRLabel(report, "QRLabel1", QRectF(65.1, 4.8, 61.6, 6.6),
                report->Font("Times New Roman", 16, true), "CALCOLI   MAGNETICI",
                QRLabel::Align::Centre);
    new QRLabel(report, "QRITIPOCALC", QRectF(subtitleLeft, 21.2, subtitleWidth, 6.3),
                report->Font("Times New Roman", 16), subtitle, QRLabel::Align::Centre);
    new QRSysData(report, "QRSysData1", QRectF(156.1, 22.5, 0, 4.5), report->ReportFontDefault());
}

} // namespace velkor::reports
