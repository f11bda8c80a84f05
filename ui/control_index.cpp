#include "control_index.h"

#include <QList>

namespace velkor::ui {

void ControlIndex::Add(QWidget* root, QWidget* scope) {
    QList<QString> repeated;
    for (QWidget* widget : scope->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty())
            continue;
        const auto [entry, added] = controls_.try_emplace(name.toStdString(), widget);
        if (!added && entry->second != widget)
            repeated.append(name);
    }
    for (const QString& name : repeated)
        controls_[name.toStdString()] = root->findChild<QWidget*>(name);
}

QWidget* ControlIndex::Find(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second.data();
}

} // namespace velkor::ui
