#include "report_fields.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLocale>
#include <QMetaObject>
#include <QObject>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace velkor::reports {

namespace {

const QObject* Find(const QObject* main, const char* name) {
    return main ? main->findChild<QObject*>(QString::fromLatin1(name)) : nullptr;
}

} // namespace

bool FieldAlarm(const QObject* main, const char* name) {
    const auto* field = qobject_cast<const QWidget*>(Find(main, name));
    return field && field->palette().color(QPalette::Base) == QColor(255, 0, 0);
}

ShownText FieldText(const QObject* main, const char* name) {
    const QObject* field = Find(main, name);
    if (!field)
        return {};
    if (const auto* list = qobject_cast<const QComboBox*>(field))
        return list->currentText();
    return {field->property("text").toString(), FieldAlarm(main, name)};
}

bool FieldChecked(const QObject* main, const char* name) {
    const QObject* field = Find(main, name);
    return field && field->property("checked").toBool();
}

int ActivePage(const QObject* main, const char* name) {
    const QObject* field = Find(main, name);
    if (!field)
        return -1;
    const QVariant index = field->property("currentIndex");
    return index.isValid() ? index.toInt() : -1;
}

QString GridCell(const QObject* main, const char* name, int column, int row) {
    const auto* grid = qobject_cast<const QAbstractItemView*>(Find(main, name));
    if (!grid || !grid->model() || row < 0)
        return {};
    const QAbstractItemModel* model = grid->model();
    // A grid that keeps its header row outside the model (as the view's header) holds the
    // six data rows at model rows 0 to 5.
    const int modelRow = model->rowCount() >= 7 ? row : row - 1;
    if (modelRow < 0 || modelRow >= model->rowCount() || column < 0 ||
        column >= model->columnCount())
        return {};
    return model->index(modelRow, column).data(Qt::DisplayRole).toString();
}

QString SecondaryText(QObject* main, int column, int row) {
    if (main && main->metaObject()->indexOfMethod("secondaryText(int,int)") >= 0) {
        QString text;
        if (QMetaObject::invokeMethod(main, "secondaryText", Qt::DirectConnection,
                                      Q_RETURN_ARG(QString, text), Q_ARG(int, column),
                                      Q_ARG(int, row)))
            return text;
    }
    return GridCell(main, "SGTAINSEC", column, row);
}

QString Trimmed(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

ShownText Trimmed(const ShownText& text) {
    return {Trimmed(static_cast<const QString&>(text)), text.Alarm()};
}

NumberLocale SystemSeparators() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace velkor::reports
