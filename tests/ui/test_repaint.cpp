// What a click shows after its partial repaint: the window as a whole fresh paint draws it.
// The written fields' panels come from a memo, the fields paint their own backdrop (so their
// parents do not repaint beneath them), and group boxes skip their titles when only fields
// below the title repaint (on the mains page some reach into the gap above the frame line);
// none of it may change a pixel from what plain fields over their parents show.
#include "main_window.h"
#include "panel_memo.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace window_testing;

namespace {

// The pixels that differ between two images of the same size (alpha left out); -1 when the
// sizes differ.
int PixelsDiffering(QImage a, QImage b) {
    if (a.size() != b.size())
        return -1;
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// What the window shows now (its backing store, as the offscreen screen keeps it) and what a
// whole fresh paint of it draws.
QImage Shown(QWidget* window) {
    return window->screen()->grabWindow(window->winId()).toImage();
}
QImage Fresh(QWidget* window) {
    return window->grab().toImage();
}

// The memo's fields of `window`.
QList<QLineEdit*> MemoFields(QWidget* window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        if (qobject_cast<velkor::ui::PanelMemo*>(edit->style()))
            fields << edit;
    return fields;
}

// A fresh paint of the window with every memo field turned into a plain field of the
// application's style, painted over by its parents (the window keeps them plain).
QImage PlainFresh(QWidget* window) {
    for (QLineEdit* edit : MemoFields(window))
        edit->setStyle(QApplication::style());
    return Fresh(window);
}

// Records the widgets that receive a paint event: the line edits counted, the others named.
class PaintLog : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        if (qobject_cast<QLineEdit*>(watched))
            ++fields;
        else if (watched->objectName() != "qt_scrollarea_viewport") // a grid's cells
            others << QString(watched->metaObject()->className()) + ' ' + watched->objectName();
        return false;
    }
    int fields = 0;
    QStringList others;
};

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void clickRepaintsAsAFreshPaint_data();
    void clickRepaintsAsAFreshPaint();
    void shownIsTheBackingStore();
    void writtenFieldsLookLikePlainFields();
    void clickRepaintsOnlyWhatItChanged_data();
    void clickRepaintsOnlyWhatItChanged();
    void backdropTakenAgainAfterAChange_data();
    void backdropTakenAgainAfterAChange();
};

void RepaintTest::clickRepaintsAsAFreshPaint_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("texts"); // typed into `field` before each click
    QTest::newRow("ferrite") << "SBCALC"
                             << "VPMIN" << QStringList{"11", "9", "12"};
    QTest::newRow("ferrite, alarms") << "SBCALC"
                                     << "AC" << QStringList{"30", "1", "30"};
    QTest::newRow("mains") << "SBTACALC"
                           << "TAVP" << QStringList{"220", "110", "240"};
    QTest::newRow("resonance") << "SBCFR"
                               << "ICAP" << QStringList{"22", "47", "10"};
    QTest::newRow("single layer") << "SBCISS"
                                  << "NSSS" << QStringList{"20", "30", "10"};
    QTest::newRow("closed core") << "SBALTRONUC"
                                 << "NSNUC" << QStringList{"20", "30", "10"};
}

void RepaintTest::clickRepaintsAsAFreshPaint() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QStringList, texts);
    Window window;
    for (const QString& text : texts) {
        TypeInto(window.get(), field, text);
        AnswerAllBoxes([&] { Click(window.get(), button); });
        QApplication::processEvents();
        QCOMPARE(PixelsDiffering(Shown(window.get()), Fresh(window.get())), 0);
    }
    // The second and third clicks repainted fields over the same backdrop: from the memo.
    auto* memo = window->findChild<velkor::ui::PanelMemo*>();
    QVERIFY(memo);
    QVERIFY(memo->Reused() > 0);
    // And the fields that painted their own backdrops show what plain fields would.
    const QImage shown = Shown(window.get());
    QCOMPARE(PixelsDiffering(shown, PlainFresh(window.get())), 0);
}

void RepaintTest::shownIsTheBackingStore() {
    // A change not yet painted shows in a fresh paint only: the comparison above is not
    // between two fresh paints.
    Window window;
    QApplication::processEvents();
    QCOMPARE(PixelsDiffering(Shown(window.get()), Fresh(window.get())), 0);
    Control<QLineEdit>(window.get(), "IFREQ")->setText("123456");
    QVERIFY(PixelsDiffering(Shown(window.get()), Fresh(window.get())) > 0);
}

void RepaintTest::writtenFieldsLookLikePlainFields() {
    // Every page after its calculations, as shown with the memo's fields (each painting its
    // own backdrop by now) and as plain fields over their parents: the same pixels.
    Window window;
    const char* pages[][2] = {{"SBCFR", "SBCN"}, {"SBCALC", "SBCALC"}, {"SBTACALC", "SBTACALC"}};
    QList<QImage> shown;
    int opaque = 0;
    auto* memo = window->findChild<velkor::ui::PanelMemo*>();
    QVERIFY(memo);
    for (const auto& buttons : pages) {
        for (const char* button : buttons)
            AnswerAllBoxes([&] { Click(window.get(), button); });
        ShowPageOf(FindControl(window.get(), buttons[0]));
        QApplication::processEvents();
        QApplication::processEvents(); // the fields painted whole turn opaque
        for (QLineEdit* edit : MemoFields(window.get()))
            opaque += edit->isVisible() && memo->KeepsBackdrop(edit);
        window->update();
        QApplication::processEvents();
        shown << Shown(window.get());
    }
    QVERIFY(opaque > 40);
    const QList<QLineEdit*> fields = MemoFields(window.get());
    QVERIFY(fields.size() > 40);
    for (QLineEdit* edit : fields)
        edit->setStyle(QApplication::style());
    for (int page = 0; page < 3; ++page) {
        ShowPageOf(FindControl(window.get(), pages[page][0]));
        QApplication::processEvents();
        QCOMPARE(PixelsDiffering(shown[page], Fresh(window.get())), 0);
    }
}

void RepaintTest::clickRepaintsOnlyWhatItChanged_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("setUp"); // field and text pairs typed before the first click
    QTest::addColumn<QString>("field");     // then typed into before the second
    QTest::addColumn<QString>("text");
    QTest::newRow("ferrite") << "SBCALC" << QStringList{} << "VPMIN"
                             << "11";
    QTest::newRow("mains") << "SBTACALC" << QStringList{"SGTAINSEC 0 1", "12", "SGTAINSEC 1 1", "2"}
                           << "TAVP"
                           << "240";
    QTest::newRow("resonance") << "SBCFR" << QStringList{"ICAP", "10", "IIND", "100"} << "ICAP"
                               << "47";
}

void RepaintTest::clickRepaintsOnlyWhatItChanged() {
    // Once the fields have painted whole, a new value repaints the fields (and grid cells) it
    // changed and nothing beneath them: no group box, page or tab control.
    QFETCH(QString, button);
    QFETCH(QStringList, setUp);
    QFETCH(QString, field);
    QFETCH(QString, text);
    Window window;
    for (int i = 0; i + 1 < setUp.size(); i += 2) {
        const QStringList cell = setUp[i].split(' ');
        if (cell.size() == 3)
            TypeIntoCell(window.get(), cell[0], cell[1].toInt(), cell[2].toInt(), setUp[i + 1]);
        else
            TypeInto(window.get(), setUp[i], setUp[i + 1]);
    }
    QVERIFY(AnswerAllBoxes([&] { Click(window.get(), button); }).isEmpty());
    QApplication::processEvents();
    QApplication::processEvents();
    TypeInto(window.get(), field, text);
    QApplication::processEvents();
    PaintLog log;
    // Clicked as a shortcut does, so that the button's own pressed look paints nothing.
    QVERIFY(
        AnswerAllBoxes([&] { Control<QAbstractButton>(window.get(), button)->click(); }).isEmpty());
    QApplication::processEvents();
    QVERIFY(log.fields > 0);
    QVERIFY2(log.others.isEmpty(), qPrintable(log.others.join(", ")));
    QCOMPARE(PixelsDiffering(Shown(window.get()), PlainFresh(window.get())), 0);
}

void RepaintTest::backdropTakenAgainAfterAChange_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("dark palette") << "palette";
    QTest::newRow("parent palette") << "parent";
    QTest::newRow("moved") << "move";
    QTest::newRow("window deactivated") << "deactivate";
}

void RepaintTest::backdropTakenAgainAfterAChange() {
    // What lies beneath a field may change; the field then lets its parents paint beneath it
    // again and takes the new backdrop: the window still shows what plain fields would.
    QFETCH(QString, change);
    const QPalette initial = QApplication::palette();
    Window window;
    TypeInto(window.get(), "ICAP", "10");
    TypeInto(window.get(), "IIND", "100");
    QVERIFY(AnswerAllBoxes([&] { Click(window.get(), "SBCFR"); }).isEmpty());
    QApplication::processEvents();
    QApplication::processEvents();
    auto* memo = window->findChild<velkor::ui::PanelMemo*>();
    auto* edit = Control<QLineEdit>(window.get(), "IFREQ");
    QVERIFY(memo && edit && memo->KeepsBackdrop(edit));
    QWidget* parent = edit->parentWidget();
    if (change == "palette") {
        QPalette dark = initial;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            dark.setColor(role, QColor(40, 44, 52));
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(role, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    } else if (change == "parent") {
        QPalette tinted = parent->palette();
        tinted.setColor(QPalette::Window, QColor(200, 230, 200));
        tinted.setColor(QPalette::Button, QColor(200, 230, 200));
        parent->setPalette(tinted);
        parent->setAutoFillBackground(true);
    } else if (change == "move") {
        edit->move(edit->pos() + QPoint(3, 2));
    } else {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(edit, &deactivate);
    }
    if (change != "palette") // the window takes a new application palette in its own time
        QVERIFY(!memo->KeepsBackdrop(edit));
    QApplication::processEvents();
    QApplication::processEvents();
    window->update();
    QApplication::processEvents();
    QVERIFY(memo->KeepsBackdrop(edit));
    // A field's own look is no change beneath it.
    edit->setPalette(QPalette(QColor(255, 255, 0)));
    QVERIFY(memo->KeepsBackdrop(edit));
    const QString before = edit->text();
    TypeInto(window.get(), "ICAP", "22");
    QVERIFY(AnswerAllBoxes([&] { Click(window.get(), "SBCFR"); }).isEmpty());
    QVERIFY(edit->text() != before);
    QApplication::processEvents();
    const int differing = PixelsDiffering(Shown(window.get()), PlainFresh(window.get()));
    QApplication::setPalette(initial);
    QCOMPARE(differing, 0);
}

QTEST_MAIN(RepaintTest)
#include "test_repaint.moc"
