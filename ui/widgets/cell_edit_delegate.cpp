#include "cell_edit_delegate.h"

#include "keypad_decimal.h"

#include <QLineEdit>

namespace velkor::ui {

CellEditDelegate::CellEditDelegate(TextHandler onText, QObject* parent)
    : QStyledItemDelegate(parent), onText_(std::move(onText)) {}

QWidget* CellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    TypeRegionalDecimalOnKeypad(editor);
    const QPersistentModelIndex cell(index);
    connect(editor, &QLineEdit::textEdited, editor, [this, cell](const QString& text) {
        if (cell.isValid())
            onText_(cell.column(), cell.row(), text);
    });
    return editor;
}

void CellEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    const QString text = index.data(Qt::EditRole).toString();
    // Only when the editor opens: later model changes must not reset what is being typed.
    if (line->property("velkorOpened").toBool())
        return;
    line->setProperty("velkorOpened", true);
    line->setText(text);
    onText_(index.column(), index.row(), text);
}

void CellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    model->setData(index, line->text(), Qt::EditRole);
    onText_(index.column(), index.row(), line->text());
}

} // namespace velkor::ui
