// The cell editor of an editable grid that reports every new text of a cell: when the editor
// opens on a cell, at each keystroke, and when it commits.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace velkor::ui {

class CellEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `onText(column, row, text)` runs for every new text.
    using TextHandler = std::function<void(int column, int row, const QString& text)>;
    CellEditDelegate(TextHandler onText, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    TextHandler onText_;
};

} // namespace velkor::ui
