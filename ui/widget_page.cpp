#include "widget_page.h"

#include "looks.h"
#include "regional.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>

namespace velkor::ui {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's text as UTF-8; the numbers a handler reads are plain ASCII, copied as they are.
std::string ToUtf8(const QString& text) {
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return text.toStdString();
        out[static_cast<std::size_t>(i)] = static_cast<char>(c);
    }
    return out;
}

// Whether the list's text was typed rather than picked: a property the window's lists keep.
void SetTyped(QComboBox* list, bool typed) {
    if (list->property("velkorTyped").toBool() != typed)
        list->setProperty("velkorTyped", typed);
}

} // namespace

WidgetPage::WidgetPage(QWidget* root) : root_(root), locale_(RegionalSeparators()) {
    controls_.Add(root, root);
}

void WidgetPage::AddControls(QWidget* scope) {
    controls_.Add(root_, scope);
}

ControlIndex::Control* WidgetPage::Entry(std::string_view name) {
    ControlIndex::Control* control = controls_.Entry(name);
    if (!control)
        qWarning("WidgetPage: no control named %s", ToQString(name).toUtf8().constData());
    return control;
}

QWidget* WidgetPage::Find(std::string_view name) const {
    const ControlIndex::Control* control = const_cast<WidgetPage*>(this)->Entry(name);
    return control ? control->widget.data() : nullptr;
}

std::string WidgetPage::Text(std::string_view name) const {
    QWidget* widget = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return ToUtf8(edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return ToUtf8(label->text());
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return ToUtf8(list->currentText());
    if (auto* view = qobject_cast<QTextEdit*>(widget))
        return ToUtf8(view->toPlainText());
    return {};
}

void WidgetPage::SetText(std::string_view name, std::string_view text) {
    QWidget* widget = Find(name);
    const QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != value)
            edit->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != value)
            label->setText(value);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // A text that names an item selects it; any other text stands without a selection.
        const int item = list->findText(value, Qt::MatchExactly);
        if (item >= 0 || !list->isEditable()) {
            if (list->currentIndex() != item ||
                (list->isEditable() && list->currentText() != value))
                list->setCurrentIndex(item);
            SetTyped(list, false);
        } else {
            if (list->currentText() != value)
                list->setEditText(value);
            SetTyped(list, true);
        }
    } else if (auto* view = qobject_cast<QTextEdit*>(widget)) {
        if (view->toPlainText() != value)
            view->setPlainText(value);
    }
}

const library::PartsLibrary* WidgetPage::Library() const {
    return library_ ? library_() : nullptr;
}

int WidgetPage::ItemIndex(std::string_view name) const {
    auto* list = qobject_cast<QComboBox*>(Find(name));
    if (!list)
        return -1;
    // A typed text selects the item it names exactly; any other text leaves the list without
    // a selected position.
    if (list->isEditable() && list->property("velkorTyped").toBool()) {
        const QString typed = list->currentText();
        return typed.isEmpty() ? -1 : list->findText(typed, Qt::MatchExactly);
    }
    return list->currentIndex();
}

void WidgetPage::SetItemIndex(std::string_view name, int index) {
    auto* list = qobject_cast<QComboBox*>(Find(name));
    if (!list)
        return;
    // A position the list lacks leaves it without a selection.
    const int item = index >= 0 && index < list->count() ? index : -1;
    // Selecting also puts the item's text in place of a typed one.
    if (list->currentIndex() != item ||
        (list->isEditable() && list->currentText() != list->itemText(item)))
        list->setCurrentIndex(item);
    SetTyped(list, false);
}

bool WidgetPage::Checked(std::string_view name) const {
    auto* button = qobject_cast<QAbstractButton*>(Find(name));
    return button && button->isChecked();
}

// Looks are kept as the colours they stand for and shown in the palette in force (looks.h).
// A look the control shows already is left alone.
void WidgetPage::SetBackground(std::string_view name, Colour colour) {
    ControlIndex::Control* control = Entry(name);
    if (!control || control->background == colour)
        return;
    SetFieldBackground(control->widget, colour);
    control->background = colour;
}

void WidgetPage::SetTextColour(std::string_view name, Colour colour) {
    ControlIndex::Control* control = Entry(name);
    if (!control || control->text == colour)
        return;
    SetFieldText(control->widget, colour);
    control->text = colour;
}

void WidgetPage::SetBold(std::string_view name, bool bold) {
    if (ControlIndex::Control* control = Entry(name))
        ShowBold(*control, bold);
}

void WidgetPage::SetLook(std::string_view name, const velkor::Look& look) {
    ControlIndex::Control* control = Entry(name);
    if (!control)
        return;
    if (control->background != look.background || control->text != look.text) {
        SetFieldLook(control->widget, look.background, look.text);
        control->background = look.background;
        control->text = look.text;
    }
    ShowBold(*control, look.bold);
}

void WidgetPage::ShowBold(ControlIndex::Control& control, bool bold) {
    if (control.bold == bold)
        return;
    QWidget* widget = control.widget;
    if (widget->font().bold() != bold) {
        QFont font = widget->font();
        font.setBold(bold);
        widget->setFont(font);
    }
    control.bold = bold;
}

void WidgetPage::SetReadOnly(std::string_view name, bool readOnly) {
    auto* edit = qobject_cast<QLineEdit*>(Find(name));
    if (edit && edit->isReadOnly() != readOnly)
        edit->setReadOnly(readOnly);
}

void WidgetPage::SetVisible(std::string_view name, bool visible) {
    QWidget* widget = Find(name);
    // A control never shown or hidden by hand follows its parent: it must still be told.
    if (widget &&
        (widget->isHidden() == visible || !widget->testAttribute(Qt::WA_WState_ExplicitShowHide)))
        widget->setVisible(visible);
}

std::string WidgetPage::Cell(std::string_view grid, int column, int row) const {
    auto* table = qobject_cast<QTableWidget*>(Find(grid));
    if (!table)
        return {};
    if (const PendingCell* pending = const_cast<WidgetPage*>(this)->Pending(table, column, row))
        return ToUtf8(pending->text);
    const QTableWidgetItem* cell = table->item(row, column);
    return cell ? ToUtf8(cell->text()) : std::string();
}

WidgetPage::PendingCell* WidgetPage::Pending(QTableWidget* grid, int column, int row) {
    for (PendingCell& cell : pending_)
        if (cell.grid == grid && cell.column == column && cell.row == row)
            return &cell;
    return nullptr;
}

void WidgetPage::EndBatch() {
    WriteCells();
    batching_ = false;
}

void WidgetPage::WriteCells() {
    for (const PendingCell& pending : pending_) {
        QTableWidgetItem* cell = pending.grid->item(pending.row, pending.column);
        if (!cell) {
            cell = new QTableWidgetItem();
            pending.grid->setItem(pending.row, pending.column, cell);
        }
        if (cell->text() != pending.text)
            cell->setText(pending.text);
    }
    pending_.clear();
}

void WidgetPage::SetCell(std::string_view grid, int column, int row, std::string_view text) {
    auto* table = qobject_cast<QTableWidget*>(Find(grid));
    if (!table || row < 0 || column < 0 || row >= table->rowCount() ||
        column >= table->columnCount())
        return;
    if (PendingCell* pending = Pending(table, column, row))
        pending->text = ToQString(text);
    else
        pending_.push_back({table, column, row, ToQString(text)});
    if (!batching_)
        WriteCells();
}

void WidgetPage::ShowErrorBox(std::string_view title, std::string_view text) {
    WriteCells(); // the box stands over the cells as written so far
    ShowCriticalBox(root_, ToQString(title), ToQString(text));
}

} // namespace velkor::ui
