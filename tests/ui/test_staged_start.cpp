// The program's start builds the inductor page first and the rest after the first paint. After
// the first turn of the event loop that window must be the one CreateForms() builds: the same
// named controls of the same classes, with the same texts, states, looks, list items, grid
// cells and report forms. Reaching for a page or a print command sooner builds it on the spot.
#include "main_window.h"
#include "report_elements.h"
#include "staged_start.h"
#include "support_window.h"

#include <QComboBox>
#include <QMap>
#include <QMetaProperty>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace window_testing;

namespace {

// Properties that tell two windows shown side by side apart without any fault.
bool Situational(const char* property) {
    return qstrcmp(property, "isActiveWindow") == 0 || qstrcmp(property, "focus") == 0;
}

// A readable description of every state of one named object: its class, its properties (those
// that can be compared), its dynamic properties, list items, grid cells and report places.
QMap<QString, QVariant> Describe(QObject* object) {
    // A window never shown has no frame yet: its frame's size means nothing.
    auto* widget = qobject_cast<QWidget*>(object);
    const bool frameless = widget && widget->isWindow() && widget->isHidden();
    QMap<QString, QVariant> states;
    states.insert("class", object->metaObject()->className());
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || Situational(property.name()) ||
            (frameless && QByteArray(property.name()).startsWith("frame")) ||
            !property.metaType().isEqualityComparable() ||
            (property.metaType().flags() &
             (QMetaType::IsPointer | QMetaType::PointerToQObject))) // each window has its own
            continue;
        states.insert(property.name(), property.read(object));
    }
    for (const QByteArray& name : object->dynamicPropertyNames())
        states.insert("dynamic " + name, object->property(name));
    if (widget) {
        states.insert("hidden", widget->isHidden());
        states.insert("parent",
                      widget->parentWidget() ? widget->parentWidget()->objectName() : QString());
    }
    if (auto* list = qobject_cast<QComboBox*>(object)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        states.insert("items", items);
    }
    if (auto* grid = qobject_cast<QTableWidget*>(object)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (const QTableWidgetItem* cell = grid->item(row, column))
                    states.insert(
                        QString("cell %1,%2").arg(column).arg(row),
                        QVariantList{cell->text(), int(cell->flags()), cell->background().color()});
    }
    if (auto* element = qobject_cast<velkor::reports::QRElement*>(object))
        states.insert("rect", element->Rect());
    return states;
}

// Every named object under `root` (the window, its pages and its report forms) by name.
QMap<QString, QMap<QString, QVariant>> DescribeAll(QWidget* root) {
    QMap<QString, QMap<QString, QVariant>> all;
    all.insert(root->objectName(), Describe(root));
    for (QObject* object : root->findChildren<QObject*>()) {
        if (!object->objectName().isEmpty() && !object->objectName().startsWith("qt_"))
            all.insert(object->objectName() + " in " + object->parent()->objectName(),
                       Describe(object));
    }
    return all;
}

// The named widgets that take the focus, in the order the Tab key visits them.
QStringList TabChain(QWidget* window) {
    QStringList names;
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty())
            names << widget->objectName();
    return names;
}

// Starts the window as the program does, shows it and runs the loop until its first paint
// and the turn after it have passed.
TForm1* StartShown() {
    TForm1* window = StartForms();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return window;
    // The turn after the first paint (with a paint that came late, one more).
    for (int turn = 0; turn < 2 && !window->Complete(); ++turn)
        QCoreApplication::processEvents();
    return window;
}

} // namespace

class TestStagedStart : public QObject {
    Q_OBJECT

private slots:
    void firstPaintHoldsOnlyTheVisiblePage();
    void completedWindowEqualsCreateForms();
    void reachingSoonerBuildsOnTheSpot_data();
    void reachingSoonerBuildsOnTheSpot();
    void closingBeforeCompletion();
};

void TestStagedStart::firstPaintHoldsOnlyTheVisiblePage() {
    QPointer<TForm1> window = StartForms();
    QVERIFY(!window->Complete());
    QVERIFY(window->findChild<QWidget*>("IFREQ"));
    QVERIFY(window->findChild<QWidget*>("SBEXIT"));
    QVERIFY(!window->findChild<QWidget*>("VPMIN"));
    QVERIFY(!window->findChild<QWidget*>("Form2"));
    // All five tabs show their captions from the first paint on.
    auto* tabs = window->findChild<QTabWidget*>("PageControl1");
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(2), " Trasformatori di alimentazione ");
    delete window;
}

void TestStagedStart::completedWindowEqualsCreateForms() {
    QPointer<TForm1> staged = StartShown();
    QVERIFY(staged->Complete());
    Window whole;
    const auto expected = DescribeAll(whole.get());
    const auto actual = DescribeAll(staged);
    QCOMPARE(actual.keys(), expected.keys());
    for (auto entry = expected.begin(); entry != expected.end(); ++entry) {
        const QMap<QString, QVariant>& want = entry.value();
        const QMap<QString, QVariant>& got = actual.value(entry.key());
        QVERIFY2(got.keys() == want.keys(), qPrintable(entry.key()));
        for (auto state = want.begin(); state != want.end(); ++state)
            QVERIFY2(got.value(state.key()) == state.value(),
                     qPrintable(entry.key() + ": " + state.key() +
                                " differs: " + QDebug::toString(got.value(state.key())) +
                                " against " + QDebug::toString(state.value())));
    }
    QCOMPARE(TabChain(staged), TabChain(whole.get()));
    QVERIFY(!staged->windowIcon().isNull());
    QCOMPARE(staged->windowIcon().availableSizes(), whole->windowIcon().availableSizes());
    // The calculations reach the pages built later.
    QCOMPARE(staged->Fields().Text("VPMIN"), whole->Fields().Text("VPMIN"));
    QCOMPARE(staged->Fields().Cell("SGTAOUTSEC", 2, 0), std::string("Spire"));
    delete staged;
}

void TestStagedStart::reachingSoonerBuildsOnTheSpot_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("tab") << "tab";
    QTest::newRow("sub-page") << "sub-page";
    QTest::newRow("command") << "command";
    QTest::newRow("calculation") << "SBCFR";
    QTest::newRow("hints off") << "CBHINTS";
}

void TestStagedStart::reachingSoonerBuildsOnTheSpot() {
    QFETCH(QString, how);
    // Shown, but the loop has not turned yet: only the first page exists.
    QPointer<TForm1> window = StartForms();
    window->show();
    QVERIFY(!window->Complete());
    auto* tabs = window->findChild<QTabWidget*>("PageControl1");
    if (how == "tab") {
        tabs->setCurrentIndex(2);
        QVERIFY(window->Complete());
        // Built while shown, the page's controls show as they would have.
        QVERIFY(window->findChild<QWidget*>("TAVP")->isVisible());
        QVERIFY(window->findChild<QWidget*>("TAIMG1")->isVisible());
        QVERIFY(!window->findChild<QWidget*>("TAIMG2")->isVisible());
    } else if (how == "sub-page") {
        window->findChild<QTabWidget*>("PageControl2")->setCurrentIndex(1);
        QVERIFY(window->Complete());
        QVERIFY(window->findChild<QWidget*>("INUC")->isVisible());
        QVERIFY(window->findChild<QWidget*>("IMG1")->isVisible());
        QVERIFY(!window->findChild<QWidget*>("IMG2")->isVisible());
    } else if (how == "CBHINTS") {
        // Hints switched off first: the pages built afterwards come without them too.
        Click(window, how);
        QTRY_VERIFY(window->Complete());
        QCOMPARE(window->findChild<QWidget*>("VPMIN")->toolTip(), QString());
        QCOMPARE(window->findChild<QWidget*>("SBPRINT")->toolTip(),
                 QString("Stampa un report relativo alla pagina visualizzata. (Ctrl+P)"));
        QCOMPARE(window->findChild<QWidget*>("SBCALC")->toolTip(), QString());
    } else if (how == "command") {
        // Print commands run as every command does; theirs finds its report form.
        bool formFound = false;
        window->Run([&](velkor::Page&) { formFound = window->findChild<QWidget*>("Form2"); });
        QVERIFY(formFound);
    } else {
        AnswerAllBoxes([&] { Click(window, how); });
        QVERIFY(window->Complete());
        QVERIFY(window->findChild<QWidget*>("Form2"));
        QVERIFY(window->findChild<QWidget*>("Form4"));
    }
    // The turn after the first paint then has nothing left to build.
    QCoreApplication::processEvents();
    QCOMPARE(window->findChildren<QWidget*>("Form3").size(), 1);
    QCOMPARE(window->findChildren<QWidget*>("SBCALC").size(), 1);
    delete window;
}

void TestStagedStart::closingBeforeCompletion() {
    QPointer<TForm1> window = StartForms();
    window->show();
    window->close(); // deleted on close, its completion pending
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestStagedStart)
#include "test_staged_start.moc"
