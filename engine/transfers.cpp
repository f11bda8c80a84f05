#include "transfers.h"

namespace velkor {

void SBPASSAIRClick(Page& page) {
    const std::string text = page.Text("IIND");
    const int position = page.ItemIndex("CBUIR");
    page.SetText("ISS", text);
    page.SetText("INUC", text);
    page.SetItemIndex("CBUISS", position);
    page.SetItemIndex("CBUINUC", position);
}

void SBPASSAISSClick(Page& page) {
    page.SetText("IIND", page.Text("ISS"));
    page.SetItemIndex("CBUIR", page.ItemIndex("CBUISS"));
}

void SBPASSAINUCClick(Page& page) {
    page.SetText("IIND", page.Text("INUC"));
    page.SetItemIndex("CBUIR", page.ItemIndex("CBUINUC"));
}

} // namespace velkor
