#include "control_index.h"

#include <QList>

namespace velkor::ui {

void ControlIndex::Add(QWidget* root, QWidget* scope) {
    QList<QString> repeated;
    for (QWidget* widget : scope->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty())
            continue;
        const auto [entry, added] =
            controls_.try_emplace(name.toStdString(), Control{widget, {}, {}, {}});
        if (!added && entry->second.widget != widget)
            repeated.append(name);
    }
    for (const QString& name : repeated)
        controls_[name.toStdString()] = Control{root->findChild<QWidget*>(name), {}, {}, {}};
}

ControlIndex::Control* ControlIndex::Entry(std::string_view name) {
    const auto found = controls_.find(name);
    return found == controls_.end() || !found->second.widget ? nullptr : &found->second;
}

} // namespace velkor::ui
