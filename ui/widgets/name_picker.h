// NamePicker: gives a free-text line edit a list of names to pick from as the user types, and
// tells when the field's text is to be applied. The field stays free text: any text may stand.
//
// The list offers every name holding the typed text anywhere, blanks and case ignored
// ("e25/13" offers "E 25/13/7"), shortest names first. The names are asked for on the first
// keystroke, never before. The text is applied (the `apply` callback runs, reading the field)
// when the user picks a name from the list (click, or Enter on a highlighted row), or presses
// Enter or leaves the field after its text changed; a field left unchanged applies nothing.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAbstractItemView;
class QCompleter;
class QLineEdit;
class QStringListModel;

namespace velkor::ui {

class NamePicker : public QObject {
    Q_OBJECT
public:
    using Names = std::function<QStringList()>;
    using Apply = std::function<void()>;

    // At most this many names are offered at once; typing more narrows the list.
    static constexpr int kMaxOffered = 100;

    // Attaches itself to `edit` (and is deleted with it).
    NamePicker(QLineEdit* edit, Names names, Apply apply);

    // The picker attached to `edit`, or null.
    static NamePicker* Of(const QLineEdit* edit);

    // The names offered for `text`, shortest first (then in alphabetical order); none for an
    // empty text. Asks for the names on the first call.
    QStringList Matches(const QString& text);
    bool NamesAsked() const { return asked_; }

    // Writes `name` into the field and applies it, as picking it from the list does: a dialog
    // offering parts by other means uses this.
    void Pick(const QString& name);

    QCompleter* Completer() const { return completer_; }
    // The list, made on first need.
    QAbstractItemView* List();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QString name;
        QString key; // without blanks, in lower case
    };
    static QString Key(const QString& text);
    void AskNames();
    void Offer(const QString& text);
    void HidePopup();
    // Enter, or leaving the field: applies the text when it changed since it was last applied
    // or since the field took the focus.
    void Commit();

    QLineEdit* edit_;
    Names names_;
    Apply apply_;
    QCompleter* completer_;
    QStringListModel* model_;
    QAbstractItemView* list_ = nullptr; // the completer's, once made
    std::vector<Entry> entries_;        // shortest first
    QString settled_;                   // the text as last applied, or as found on taking the focus
    bool asked_ = false;
};

} // namespace velkor::ui
