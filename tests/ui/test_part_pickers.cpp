// The parts library on the ferrite page, through the real window and real keys: a core and a
// material typed and applied with Enter, by leaving the field, or picked from the list with
// the keyboard or the mouse write their canonical names, Ae, the window area, Al and Bsat as
// a user would type them (regional separator), and "Calcola" then designs with them. An
// unknown name, an unchanged field and the start-up apply nothing; a missing library folder
// leaves the pickers empty and the page working, a damaged one offers what could be read. The
// library is never read at start-up.
#include "library_source.h"
#include "main_window.h"
#include "manual_loader.h"
#include "name_picker.h"
#include "parts_library.h"
#include "staged_start.h"
#include "support_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace window_testing;

namespace {

// The core data fields and their defaults (decimal comma).
const std::pair<const char*, const char*> kCoreDefaults[] = {
    {"Edit1", "EC52"}, {"Edit2", "3C8"}, {"AE", "52"},
    {"AC", "30"},      {"AL", "2800"},   {"BSAT", "4100"},
};

QAbstractItemView* List(QWidget* root, const QString& field) {
    auto* picker = velkor::ui::NamePicker::Of(Control<QLineEdit>(root, field));
    return picker ? picker->List() : nullptr;
}

// A key where the keyboard sends it: to the open list, else to the field.
void Key(QWidget* root, const QString& field, Qt::Key key) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : FindControl(root, field), key);
}

// Types `text` into the field and presses Enter.
void Enter(QWidget* root, const QString& field, const QString& text) {
    TypeInto(root, field, text);
    Key(root, field, Qt::Key_Return);
}

// Types `text` into the field and leaves it with Tab.
void Leave(QWidget* root, const QString& field, const QString& text) {
    TypeInto(root, field, text);
    Key(root, field, Qt::Key_Tab);
}

} // namespace

class TestPartPickers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void nothingAppliedAtStart();
    void stagedStartGetsPickersWithoutReading();
    void workedExampleTypedWithEnter();
    void materialLeftThenCorePickedWithKeys();
    void materialPickedWithMouse();
    void unknownNameAppliesNothing();
    void nameAppliedTwice();
    void missingLibraryFolder();
    void damagedLibraryOffersWhatCouldBeRead();
    void screenshotsWithListOpen();

private:
    QTemporaryDir emptyFolder_;
    QByteArray dataDir_;
};

void TestPartPickers::initTestCase() {
    QVERIFY(emptyFolder_.isValid());
    QVERIFY(QDir::setCurrent(emptyFolder_.path())); // no library in the current folder
    dataDir_ = VELKOR_SOURCE_DIR "/resources";
    qputenv(velkor::kDataDirVariable, dataDir_);
}

void TestPartPickers::nothingAppliedAtStart() {
    Window window;
    QWidget* root = window.get();
    QVERIFY(window->Complete());
    QVERIFY(!window->LibraryRead());
    // Into each name field and out again, without a change.
    for (const char* name : {"Edit1", "Edit2"}) {
        TypeInto(root, name, Text(root, name));
        Key(root, name, Qt::Key_Return);
        Key(root, name, Qt::Key_Tab);
    }
    for (const auto& [name, text] : kCoreDefaults)
        QCOMPARE(Text(root, name), Local(text));
    // Typing read the library; EC52 names a library core, yet it stays a label.
    QVERIFY(window->LibraryRead());
}

void TestPartPickers::stagedStartGetsPickersWithoutReading() {
    // The program's start: the ferrite page is built after the first paint, with its pickers.
    const std::unique_ptr<TForm1> window(StartForms());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(!Control<QLineEdit>(window.get(), "Edit1"));
    window->CompleteBuild();
    for (const char* name : {"Edit1", "Edit2"})
        QVERIFY(velkor::ui::NamePicker::Of(Control<QLineEdit>(window.get(), name)));
    QVERIFY(!window->LibraryRead());
}

void TestPartPickers::workedExampleTypedWithEnter() {
    Window window;
    QWidget* root = window.get();
    Enter(root, "Edit1", "e25/13/7");
    QCOMPARE(Text(root, "Edit1"), QStringLiteral("E 25/13/7"));
    QCOMPARE(Text(root, "AE"), Local("51,8"));
    QCOMPARE(Text(root, "AC"), Local("95,3"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("2800")); // "3C8" is no library material
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("4100"));
    QCOMPARE(Text(root, "NSP"), QString()); // nothing calculated

    Enter(root, "Edit2", "n87");
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("N87"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3898"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("1860"));
    QCOMPARE(Text(root, "AE"), Local("51,8"));

    const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
    QVERIFY2(!box.shown, qPrintable(box.text));
    QCOMPARE(Text(root, "NSP"), Local("  13 (12,7)"));
    QCOMPARE(Text(root, "BMAXEFF"), QStringLiteral("2580"));
}

void TestPartPickers::materialLeftThenCorePickedWithKeys() {
    Window window;
    QWidget* root = window.get();
    Leave(root, "Edit2", "3c90");
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("3C90"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3800"));
    QCOMPARE(Text(root, "AE"), QStringLiteral("52")); // the core field was not applied...
    // ...but its "EC52" names a library core: Al is that core's in 3C90.
    const velkor::library::PartsLibrary* parts = window->Fields().Library();
    QVERIFY(parts && parts->FindShape("EC52") && parts->FindMaterial("3C90"));
    const double al =
        velkor::library::AlEstimate(*parts->FindShape("EC52"), *parts->FindMaterial("3C90"));
    QCOMPARE(Text(root, "AL"), QString::number(std::lround(al)));

    TypeInto(root, "Edit1", "etd29");
    QAbstractItemView* list = List(root, "Edit1");
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("ETD 29"));
    Key(root, "Edit1", Qt::Key_Down);
    Key(root, "Edit1", Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(Text(root, "Edit1"), QStringLiteral("ETD 29/16/10"));
    QCOMPARE(Text(root, "AE"), Local("76,5"));
    QCOMPARE(Text(root, "AC"), Local("145,2"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("2385"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3800"));
}

void TestPartPickers::materialPickedWithMouse() {
    Window window;
    QWidget* root = window.get();
    Enter(root, "Edit1", "ETD 29/16/10");
    TypeInto(root, "Edit2", "c9");
    QAbstractItemView* list = List(root, "Edit2");
    QVERIFY(list && list->isVisible());
    const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                      "3C90", 1, Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    list->scrollTo(rows.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(rows.first()).center());
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("3C90"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3800"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("2385"));
}

void TestPartPickers::unknownNameAppliesNothing() {
    Window window;
    QWidget* root = window.get();
    Enter(root, "Edit1", "XYZ 99");
    Leave(root, "Edit2", "ferrite");
    QCOMPARE(Text(root, "Edit1"), QStringLiteral("XYZ 99"));
    QCOMPARE(Text(root, "Edit2"), QStringLiteral("ferrite"));
    for (const auto& [name, text] : kCoreDefaults)
        if (QLatin1String(name) != "Edit1" && QLatin1String(name) != "Edit2")
            QCOMPARE(Text(root, name), Local(text));
}

void TestPartPickers::nameAppliedTwice() {
    Window window;
    QWidget* root = window.get();
    Enter(root, "Edit2", "N87");
    Enter(root, "Edit1", "E25/13/7");
    TypeInto(root, "AE", "60"); // the user changes a value the core wrote
    TypeInto(root, "AL", "2000");
    Enter(root, "Edit1", "E 25/13/7"); // the same text as shown: no change, nothing applied
    QCOMPARE(Text(root, "AE"), QStringLiteral("60"));
    Enter(root, "Edit1", "e 25/13/7"); // typed anew: applied again, the same way
    QCOMPARE(Text(root, "Edit1"), QStringLiteral("E 25/13/7"));
    QCOMPARE(Text(root, "AE"), Local("51,8"));
    QCOMPARE(Text(root, "AC"), Local("95,3"));
    QCOMPARE(Text(root, "AL"), QStringLiteral("1860"));
    QCOMPARE(Text(root, "BSAT"), QStringLiteral("3898"));
}

void TestPartPickers::missingLibraryFolder() {
    const QTemporaryDir empty;
    QVERIFY(empty.isValid());
    qputenv(velkor::kDataDirVariable, QFile::encodeName(empty.path()));
    if (!velkor::ui::FindLibraryFolder(velkor::DataDirs()).isEmpty()) {
        qputenv(velkor::kDataDirVariable, dataDir_);
        QSKIP("a library is installed on this machine");
    }
    {
        Window window;
        QWidget* root = window.get();
        TypeInto(root, "Edit1", "e");
        QVERIFY(window->LibraryRead());
        QAbstractItemView* list = List(root, "Edit1");
        QVERIFY(list && !list->isVisible());
        Key(root, "Edit1", Qt::Key_Return);
        Leave(root, "Edit2", "N87");
        QCOMPARE(Text(root, "Edit1"), QStringLiteral("e"));
        QCOMPARE(Text(root, "Edit2"), QStringLiteral("N87"));
        QCOMPARE(Text(root, "BSAT"), QStringLiteral("4100"));
        const BoxSeen box = AnswerNextBox([&] { Click(root, "SBCALC"); });
        QVERIFY2(!box.shown, qPrintable(box.text));
        QCOMPARE(Text(root, "NSP"), Local("  12 (12,0)"));
    }
    qputenv(velkor::kDataDirVariable, dataDir_);
}

void TestPartPickers::damagedLibraryOffersWhatCouldBeRead() {
    // One whole record, one cut short, a line that is no record; the materials file empty.
    QFile shipped(VELKOR_SOURCE_DIR "/resources/library/core_shapes.ndjson");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QByteArray whole, cut;
    while (!shipped.atEnd()) {
        const QByteArray line = shipped.readLine();
        if (line.contains("\"name\": \"E 25/13/7\""))
            whole = line;
        else if (line.contains("\"name\": \"ETD 29/16/10\""))
            cut = line.left(line.size() / 2);
    }
    QVERIFY(!whole.isEmpty() && !cut.isEmpty());
    const QTemporaryDir data;
    QVERIFY(data.isValid() && QDir(data.path()).mkdir("library"));
    const QDir folder(QDir(data.path()).filePath("library"));
    QFile shapes(folder.filePath("core_shapes.ndjson"));
    QVERIFY(shapes.open(QIODevice::WriteOnly));
    shapes.write("{\"name\": \n" + whole + "not a record\n" + cut);
    shapes.close();
    QFile materials(folder.filePath("ferrite_materials.csv"));
    QVERIFY(materials.open(QIODevice::WriteOnly));
    materials.close();
    qputenv(velkor::kDataDirVariable, QFile::encodeName(data.path()));
    {
        Window window;
        QWidget* root = window.get();
        TypeInto(root, "Edit1", "e");
        QAbstractItemView* list = List(root, "Edit1");
        QVERIFY(list && list->isVisible());
        QStringList offered;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            offered << list->model()->index(row, 0).data().toString();
        QCOMPARE(offered, (QStringList{"EF 25", "E 25/7", "E 25/13/7"}));
        Key(root, "Edit1", Qt::Key_Return);
        Enter(root, "Edit1", "etd29");
        QCOMPARE(Text(root, "AE"), QStringLiteral("52"));
        Enter(root, "Edit2", "n87");
        QCOMPARE(Text(root, "Edit2"), QStringLiteral("n87"));
        QCOMPARE(Text(root, "BSAT"), QStringLiteral("4100"));
        Enter(root, "Edit1", "e25/13/7");
        QCOMPARE(Text(root, "Edit1"), QStringLiteral("E 25/13/7"));
        QCOMPARE(Text(root, "AE"), Local("51,8"));
        QCOMPARE(Text(root, "AL"), QStringLiteral("2800"));
    }
    qputenv(velkor::kDataDirVariable, dataDir_);
}

// With VELKOR_SCREENSHOTS=folder (run on a real display, such as Xvfb), pictures of the
// ferrite page with the core list open, under the light palette and a dark Fusion one.
void TestPartPickers::screenshotsWithListOpen() {
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VELKOR_SCREENSHOTS not set");
    const QPalette light = QApplication::palette();
    QPalette dark;
    const QColor grey(53, 53, 53), white(255, 255, 255);
    for (auto [role, colour] : {std::pair{QPalette::Window, grey},
                                {QPalette::Base, QColor(42, 42, 42)},
                                {QPalette::Button, grey},
                                {QPalette::WindowText, white},
                                {QPalette::Text, white},
                                {QPalette::ButtonText, white},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, QColor(35, 35, 35)}})
        dark.setColor(role, colour);
    for (const char* look : {"light", "dark"}) {
        QApplication::setPalette(QLatin1String(look) == "dark" ? dark : light);
        Window window;
        QWidget* root = window.get();
        Enter(root, "Edit2", "n87");
        TypeInto(root, "Edit1", "e25");
        QAbstractItemView* list = List(root, "Edit1");
        QVERIFY(list && list->isVisible());
        QTest::qWait(200);
        const QRect frame = root->frameGeometry();
        const QPixmap shot =
            root->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("pickers_%1.png").arg(look))));
        Key(root, "Edit1", Qt::Key_Escape);
    }
    QApplication::setPalette(light);
}

QTEST_MAIN(TestPartPickers)
#include "test_part_pickers.moc"
