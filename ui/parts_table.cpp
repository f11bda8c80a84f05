#include "parts_table.h"

#include <limits>

namespace velkor::ui {

QVariant PartsTableModel::NoValue() {
    return std::numeric_limits<double>::max();
}

QString PartsTableModel::NameKey(const QString& name) {
    QString key;
    key.reserve(name.size());
    for (const QChar c : name)
        if (!c.isSpace())
            key.append(c.toLower());
    return key;
}

PartsTableModel::PartsTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void PartsTableModel::SetRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void PartsTableModel::SetCell(int row, int column, const QString& text, const QVariant& key) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    Row& cells = rows_[static_cast<std::size_t>(row)];
    cells.texts[column] = text;
    cells.keys[column] = key;
}

void PartsTableModel::SetHeader(int column, const QString& text) {
    if (column < 0 || column >= headers_.size())
        return;
    headers_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void PartsTableModel::ColumnsChanged(int first, int last) {
    if (rowCount() > 0)
        emit dataChanged(index(0, first), index(rowCount() - 1, last));
}

int PartsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PartsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant PartsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column < row.texts.size() ? row.texts[column] : kDash;
    case kSortRole:
        return column < row.keys.size() ? row.keys[column] : NoValue();
    case Qt::TextAlignmentRole: {
        // Numbers to the right, texts to the left.
        const QVariant key = column < row.keys.size() ? row.keys[column] : QVariant();
        const bool number = key.typeId() == QMetaType::Double || key.typeId() == QMetaType::Int;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant PartsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < headers_.size() ? headers_[section] : QVariant();
}

PartsFilter::PartsFilter(PartsTableModel* model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(model);
    setSortRole(kSortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void PartsFilter::SetText(const QString& text) {
    const QString key = PartsTableModel::NameKey(text);
    if (key == key_)
        return;
    key_ = key;
    invalidateFilter();
}

void PartsFilter::SetGroup(const QString& group) {
    if (group == group_)
        return;
    group_ = group;
    invalidateFilter();
}

int PartsFilter::SourceRow(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    return mapToSource(index).row();
}

bool PartsFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    const PartsTableModel::Row& cells = model_->RowAt(row);
    if (!group_.isEmpty() && cells.group != group_)
        return false;
    return key_.isEmpty() || cells.names.contains(key_);
}

} // namespace velkor::ui
