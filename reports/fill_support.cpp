#include "fill_support.h"

namespace velkor::reports {

TQuickRep* ReportOf(const QWidget* main, const char* formName) {
    if (!main)
        return nullptr;
    const auto* form = main->findChild<QWidget*>(QString::fromLatin1(formName));
    return form ? form->findChild<TQuickRep*>("QuickRep1") : nullptr;
}

void Put(TQuickRep* report, const char* name, const ShownText& text) {
    auto* element = report->findChild<QRElement*>(QString::fromLatin1(name));
    if (!element)
        return;
    element->SetText(text);
    if (auto* label = qobject_cast<QRLabel*>(element))
        label->SetAlarm(text.Alarm());
}

} // namespace velkor::reports
