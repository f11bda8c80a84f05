// Reading a report the way a user of its contract does: form by objectName, its QuickRep1,
// elements by component name and their `text` property.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace velkor::testing {

inline QObject* Report(const QWidget* main, const char* form) {
    const auto* widget = main->findChild<QWidget*>(form);
    return widget ? widget->findChild<QObject*>("QuickRep1") : nullptr;
}

inline QString ReportText(const QWidget* main, const char* form, const char* element) {
    const QObject* report = Report(main, form);
    const QObject* item = report ? report->findChild<QObject*>(element) : nullptr;
    return item ? item->property("text").toString() : QString("<missing %1>").arg(element);
}

inline QString ReportPicture(const QWidget* main, const char* form, const char* element) {
    const QObject* report = Report(main, form);
    const QObject* item = report ? report->findChild<QObject*>(element) : nullptr;
    return item ? item->property("picture").toString() : QString("<missing %1>").arg(element);
}

} // namespace velkor::testing
