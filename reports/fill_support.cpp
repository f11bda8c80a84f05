#include "fill_support.h"

namespace velkor::reports {

TQuickRep* ReportOf(const QWidget* main, const char* formName) {
    if (!main)
        return nullptr;
    const auto* form = main->findChild<QWidget*>(QString::fromLatin1(formName));
    return form ? form->findChild<TQuickRep*>("QuickRep1") : nullptr;
}

void Put(TQuickRep* report, const char* name, const QString& text) {
    if (auto* element = report->findChild<QRElement*>(QString::fromLatin1(name)))
        element->SetText(text);
}

} // namespace velkor::reports
