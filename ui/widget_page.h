// WidgetPage: the calculations' view of the main window. Implements velkor::Page over the
// window's widgets, found by objectName (the component name) through an index made once. Each
// write changes a control only when its value differs, so an unchanged field costs no repaint.
#pragma once

#include "control_index.h"
#include "error_box.h"
#include "page.h"

#include <QString>
#include <functional>
#include <vector>

class QTableWidget;
class QWidget;

namespace velkor::ui {

class WidgetPage : public Page {
public:
    // `root` is the main window; every named control inside it is reachable.
    explicit WidgetPage(QWidget* root);
    // Makes the controls built inside `scope` after this view reachable.
    void AddControls(QWidget* scope);

    const NumberLocale& Locale() const override { return locale_; }
    std::string Text(std::string_view name) const override;
    void SetText(std::string_view name, std::string_view text) override;
    int ItemIndex(std::string_view name) const override;
    void SetItemIndex(std::string_view name, int index) override;
    bool Checked(std::string_view name) const override;
    void SetBackground(std::string_view name, Colour colour) override;
    void SetTextColour(std::string_view name, Colour colour) override;
    void SetBold(std::string_view name, bool bold) override;
    void SetLook(std::string_view name, const velkor::Look& look) override;
    void SetReadOnly(std::string_view name, bool readOnly) override;
    void SetVisible(std::string_view name, bool visible) override;
    std::string Cell(std::string_view grid, int column, int row) const override;
    void SetCell(std::string_view grid, int column, int row, std::string_view text) override;
    void ShowErrorBox(std::string_view title, std::string_view text) override;
    const library::PartsLibrary* Library() const override;

    // Where Library() comes from: the window's library, read on first need.
    void SetLibrarySource(std::function<const library::PartsLibrary*()> source) {
        library_ = std::move(source);
    }

    // Between these two, grid cells are written once, at the end (or before an error box):
    // a cell a handler clears and then writes again changes, and repaints, once.
    void BeginBatch() { batching_ = true; }
    void EndBatch();

private:
    struct PendingCell {
        QTableWidget* grid;
        int column, row;
        QString text;
    };
    PendingCell* Pending(QTableWidget* grid, int column, int row);
    void WriteCells();

    QWidget* Find(std::string_view name) const;
    // The control's entry, with the looks this view last gave it.
    ControlIndex::Control* Entry(std::string_view name);
    static void ShowBold(ControlIndex::Control& control, bool bold);

    QWidget* root_;
    ControlIndex controls_;
    NumberLocale locale_;
    bool batching_ = false;
    std::vector<PendingCell> pending_; // in the order written; a few dozen at most
    std::function<const library::PartsLibrary*()> library_;
};

} // namespace velkor::ui
