// The library dialog's tables: rows of texts, each cell with a key to sort by, each row with
// the names it answers to; and the proxy that sorts them and keeps the rows a filter matches.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace velkor::ui {

inline const QString kDash = QStringLiteral("—");

// The role holding a cell's sort key: a number for a number, lower case for a text.
inline constexpr int kSortRole = Qt::UserRole;

// A read-only table. A cell without a value shows "—" (kDash) and sorts after every number
// (NoValue()).
class PartsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QStringList texts; // one per column
        QVariantList keys; // one per column
        QString names;     // name keys (blanks removed, lower case), one per line
        QString group;     // the family the drop-down filter selects; empty for none
        int index = -1;    // the record's place in the library
    };

    // A key sorting after every number: a cell shown as "—".
    static QVariant NoValue();
    // A name as the pickers compare it: blanks removed, lower case.
    static QString NameKey(const QString& name);

    PartsTableModel(QStringList headers, QObject* parent = nullptr);

    void SetRows(std::vector<Row> rows);
    // One cell, with its key: a column whose values follow another choice (Al in a material).
    void SetCell(int row, int column, const QString& text, const QVariant& key);
    void SetHeader(int column, const QString& text);
    // Tells the views that the cells of these columns changed (after SetCell).
    void ColumnsChanged(int first, int last);
    const Row& RowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    std::vector<Row> rows_;
};

// Sorts by kSortRole; keeps the rows whose names hold the filter text anywhere (blanks and
// case ignored, as the pickers match) and, when a group is chosen, whose group it is.
class PartsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PartsFilter(PartsTableModel* model, QObject* parent = nullptr);
    void SetText(const QString& text);
    void SetGroup(const QString& group); // empty: every group
    // The source row of a view's row, or -1.
    int SourceRow(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    PartsTableModel* model_;
    QString key_;
    QString group_;
};

} // namespace velkor::ui
