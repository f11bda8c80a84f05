// The name picker of a free-text field: which names it offers for a text, when it asks for
// them, and when it applies the field's text (a pick from the list by key or mouse, Enter or
// leaving after a change; never an unchanged field, never the list opening or closing).
#include "name_picker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

using velkor::ui::NamePicker;

namespace {

const QStringList kNames = {"ETD 29/16/10", "ETD 29", "E 25/13/7", "E 25/7",     "EF 25",
                            "PQ 40/40",     "RM 8",   "rm 8/i",    "EC 52/24/14"};

// Two fields in a shown window: the picker's, and another to leave it for.
struct Form {
    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    NamePicker* picker = nullptr;
    int asked = 0;       // times the names were asked for
    QStringList applied; // the field's text at each apply
    explicit Form(const QString& start = QStringLiteral("EC52"), QStringList names = kNames) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->setText(start);
        picker = new NamePicker(
            field,
            [this, names] {
                ++asked;
                return names;
            },
            [this] { applied << field->text(); });
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
    }
    QAbstractItemView* List() const { return picker->List(); }
    // A key where the user's keyboard sends it: to the open list, else to the field.
    void Key(Qt::Key key) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : static_cast<QWidget*>(field), key);
    }
    void Type(const QString& text) { QTest::keyClicks(field, text); }
};

} // namespace

class TestNamePicker : public QObject {
    Q_OBJECT
private slots:
    void offersNamesHoldingTheTextShortestFirst_data();
    void offersNamesHoldingTheTextShortestFirst();
    void asksForNamesOnFirstKeystrokeOnly();
    void offersAtMostAHundredNames();
    void appliesOnEnterAfterAChange();
    void appliesOnLeavingAfterAChange();
    void leavingUnchangedAppliesNothing();
    void retypingTheSameTextAppliesNothing();
    void enterOnHighlightedRowPicksIt();
    void clickOnRowPicksIt();
    void pickByCallAppliesAsTheList();
    void withoutNamesOffersNothing();
};

void TestNamePicker::offersNamesHoldingTheTextShortestFirst_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("blanks and case ignored") << "e25/13" << QStringList{"E 25/13/7"};
    QTest::newRow("anywhere in the name") << "29" << QStringList{"ETD 29", "ETD 29/16/10"};
    QTest::newRow("shortest first, then alphabetical")
        << "25" << QStringList{"EF 25", "E 25/7", "E 25/13/7"};
    QTest::newRow("typed blanks ignored") << " r m 8 " << QStringList{"RM 8", "rm 8/i"};
    QTest::newRow("no name holds it") << "xyz" << QStringList{};
    QTest::newRow("blanks only") << "   " << QStringList{};
}

void TestNamePicker::offersNamesHoldingTheTextShortestFirst() {
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    Form form;
    QCOMPARE(form.picker->Matches(typed), offered);
}

void TestNamePicker::asksForNamesOnFirstKeystrokeOnly() {
    Form form;
    QCOMPARE(form.asked, 0);
    QVERIFY(!form.picker->NamesAsked());
    form.Type("e");
    QCOMPARE(form.asked, 1);
    QVERIFY(form.List()->isVisible());
    form.Type("td");
    QCOMPARE(form.asked, 1);
    QCOMPARE(form.List()->model()->rowCount(), 2);
    form.Type("x"); // "etdx": nothing to offer, the list closes
    QVERIFY(!form.List()->isVisible());
}

void TestNamePicker::offersAtMostAHundredNames() {
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many << QStringLiteral("T %1").arg(i);
    Form form(QString(), many);
    const QStringList offered = form.picker->Matches("t");
    QCOMPARE(offered.size(), NamePicker::kMaxOffered);
    QCOMPARE(offered.first(), QStringLiteral("T 0"));
    QCOMPARE(offered.last(), QStringLiteral("T 99")); // "T 100" is longer
}

void TestNamePicker::appliesOnEnterAfterAChange() {
    Form form;
    form.Type("e25/13/7");
    QVERIFY(form.List()->isVisible());
    form.Key(Qt::Key_Return); // the list is open, nothing highlighted: the typed text
    QCOMPARE(form.applied, QStringList{"e25/13/7"});
    QVERIFY(!form.List()->isVisible());
    form.Key(Qt::Key_Return); // unchanged since applied
    QCOMPARE(form.applied.size(), 1);
    form.Type("x"); // no name holds it: the list is closed, Enter reaches the field
    QVERIFY(!form.List()->isVisible());
    form.Key(Qt::Key_Return);
    QCOMPARE(form.applied, (QStringList{"e25/13/7", "e25/13/7x"}));
}

void TestNamePicker::appliesOnLeavingAfterAChange() {
    Form form;
    form.Type("rm8");
    QVERIFY(form.List()->isVisible());
    QVERIFY(form.applied.isEmpty()); // the list opening took the focus: not a leave
    form.Key(Qt::Key_Tab);           // leaves with the list open
    QTRY_VERIFY(form.other->hasFocus());
    QCOMPARE(form.applied, QStringList{"rm8"});
    QVERIFY(!form.List()->isVisible());
    form.field->setFocus(Qt::MouseFocusReason);
    form.other->setFocus(Qt::MouseFocusReason); // in and out without a change
    QCOMPARE(form.applied.size(), 1);
}

void TestNamePicker::leavingUnchangedAppliesNothing() {
    Form form;
    form.other->setFocus(Qt::TabFocusReason);
    form.field->setFocus(Qt::TabFocusReason);
    form.Key(Qt::Key_Return);
    form.Key(Qt::Key_Tab);
    QVERIFY(form.applied.isEmpty());
    QCOMPARE(form.field->text(), QStringLiteral("EC52"));
    QCOMPARE(form.asked, 0); // no keystroke, no names
}

void TestNamePicker::retypingTheSameTextAppliesNothing() {
    Form form;
    form.Type("EC52"); // over the selected "EC52": the same text
    form.Key(Qt::Key_Return);
    QVERIFY(form.applied.isEmpty());
}

void TestNamePicker::enterOnHighlightedRowPicksIt() {
    Form form;
    form.Type("etd");
    QVERIFY(form.List()->isVisible());
    QVERIFY(!form.List()->currentIndex().isValid()); // nothing highlighted on opening
    form.Key(Qt::Key_Down);
    form.Key(Qt::Key_Down);
    form.Key(Qt::Key_Return);
    QCOMPARE(form.field->text(), QStringLiteral("ETD 29/16/10"));
    QCOMPARE(form.applied, QStringList{"ETD 29/16/10"});
    QVERIFY(!form.List()->isVisible());
    form.Key(Qt::Key_Tab); // applied already: leaving applies nothing more
    QCOMPARE(form.applied.size(), 1);
}

void TestNamePicker::clickOnRowPicksIt() {
    Form form;
    form.Type("pq");
    QAbstractItemView* list = form.List();
    QVERIFY(list->isVisible());
    const QModelIndex row = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QCOMPARE(form.field->text(), QStringLiteral("PQ 40/40"));
    QCOMPARE(form.applied, QStringList{"PQ 40/40"});
}

void TestNamePicker::pickByCallAppliesAsTheList() {
    Form form;
    form.picker->Pick("RM 8");
    form.picker->Pick("RM 8"); // each pick applies, changed or not
    QCOMPARE(form.applied, (QStringList{"RM 8", "RM 8"}));
    QCOMPARE(NamePicker::Of(form.field), form.picker);
    QCOMPARE(NamePicker::Of(form.other), nullptr);
}

void TestNamePicker::withoutNamesOffersNothing() {
    Form form(QStringLiteral("EC52"), {});
    form.Type("e");
    QVERIFY(!form.List()->isVisible());
    form.Key(Qt::Key_Return); // the text still applies: the owner finds it names nothing
    QCOMPARE(form.applied, QStringList{"e"});
}

QTEST_MAIN(TestNamePicker)
#include "test_name_picker.moc"
