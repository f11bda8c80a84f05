#include "name_picker.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>

namespace velkor::ui {

namespace {

constexpr int kVisibleRows = 10;

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

NamePicker::NamePicker(QLineEdit* edit, Names names, Apply apply)
    : QObject(edit), edit_(edit), names_(std::move(names)), apply_(std::move(apply)),
      completer_(new QCompleter(this)), model_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("NamePicker"));
    // The list is filtered here, not by the completer: it shows every row it is given. It is
    // tied to the field but not set as the field's completer, so that the field keeps its own
    // Enter and the completer never rewrites the text.
    completer_->setModel(model_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kVisibleRows);
    completer_->setWidget(edit_); // the list itself is made when first shown
    edit_->installEventFilter(this);
    settled_ = edit_->text();

    connect(edit_, &QLineEdit::textEdited, this, &NamePicker::Offer);
    connect(edit_, &QLineEdit::returnPressed, this, &NamePicker::Commit);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &NamePicker::Pick);
}

NamePicker* NamePicker::Of(const QLineEdit* edit) {
    return edit ? edit->findChild<NamePicker*>(QStringLiteral("NamePicker"),
                                               Qt::FindDirectChildrenOnly)
                : nullptr;
}

QString NamePicker::Key(const QString& text) {
    QString key;
    key.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            key += c.toLower();
    return key;
}

void NamePicker::AskNames() {
    if (asked_)
        return;
    asked_ = true;
    QStringList names = names_ ? names_() : QStringList();
    names.removeDuplicates();
    entries_.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        if (!name.trimmed().isEmpty())
            entries_.push_back({name, Key(name)});
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        if (a.name.size() != b.name.size())
            return a.name.size() < b.name.size();
        if (const int order = a.key.compare(b.key); order != 0)
            return order < 0;
        return a.name < b.name;
    });
}

QStringList NamePicker::Matches(const QString& text) {
    AskNames();
    QStringList found;
    const QString key = Key(text);
    if (key.isEmpty())
        return found;
    for (const Entry& entry : entries_) {
        if (entry.key.contains(key)) {
            found << entry.name;
            if (found.size() == kMaxOffered)
                break;
        }
    }
    return found;
}

void NamePicker::Offer(const QString& text) {
    const QStringList found = Matches(text);
    if (found.isEmpty()) {
        HidePopup();
        return;
    }
    model_->setStringList(found);
    QAbstractItemView* popup = List();
    // As wide as the longest name offered, never narrower than the field.
    const int frame = 2 * popup->frameWidth();
    const int bar =
        found.size() > kVisibleRows ? popup->verticalScrollBar()->sizeHint().width() : 0;
    QRect place = edit_->rect();
    place.setWidth(std::max(place.width(), popup->sizeHintForColumn(0) + frame + bar));
    completer_->complete(place);
    // No row is highlighted until the user moves to one: Enter then applies the typed text.
    popup->selectionModel()->clear();
    popup->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

QAbstractItemView* NamePicker::List() {
    if (!list_) {
        list_ = completer_->popup();
        list_->installEventFilter(this); // after the completer's own: seen first
        // A window of its own: it takes the field's font rather than the desktop's.
        list_->setFont(edit_->font());
    }
    return list_;
}

void NamePicker::HidePopup() {
    if (list_ && list_->isVisible())
        list_->hide();
}

void NamePicker::Pick(const QString& name) {
    HidePopup();
    edit_->setText(name);
    settled_ = name;
    if (apply_)
        apply_();
    settled_ = edit_->text();
}

void NamePicker::Commit() {
    HidePopup();
    if (edit_->text() == settled_)
        return;
    settled_ = edit_->text();
    if (apply_)
        apply_();
    settled_ = edit_->text();
}

bool NamePicker::eventFilter(QObject* watched, QEvent* event) {
    if (list_ && watched == list_) {
        // Enter on the open list: the highlighted row is picked; without one, the typed text
        // is applied as Enter in the field does.
        if (IsEnter(event)) {
            const QModelIndex row = list_->currentIndex();
            if (row.isValid())
                Pick(row.data().toString());
            else
                Commit();
            return true;
        }
        return false;
    }
    // The field's focus comes and goes with the list opening and closing, and with the window
    // losing and regaining the desktop's focus: neither is the user entering or leaving it.
    if (watched == edit_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (event->type() == QEvent::FocusIn)
                settled_ = edit_->text();
            else
                Commit();
        }
    }
    return false;
}

} // namespace velkor::ui
