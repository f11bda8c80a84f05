// What a click shows after its partial repaint: the window as a whole fresh paint draws it.
// The result fields' panels come from a memo and group boxes skip their titles when only
// fields below the title repaint (on the mains page some reach into the gap above the frame
// line); neither may change a pixel.
#include "main_window.h"
#include "panel_memo.h"
#include "support_window.h"

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

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void clickRepaintsAsAFreshPaint_data();
    void clickRepaintsAsAFreshPaint();
    void shownIsTheBackingStore();
    void resultFieldsLookLikePlainFields();
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

void RepaintTest::resultFieldsLookLikePlainFields() {
    // Every result field after a calculation on each page, drawn as it is and then in the
    // application's own style: the same pixels.
    Window window;
    for (const char* button : {"SBCFR", "SBCISS", "SBALTRONUC", "SBCN", "SBCALC", "SBTACALC"})
        AnswerAllBoxes([&] { Click(window.get(), button); });
    int compared = 0;
    QStringList differing;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!qobject_cast<velkor::ui::PanelMemo*>(edit->style()))
            continue;
        QVERIFY(edit->isReadOnly());
        const QImage memo = edit->grab().toImage();
        edit->setStyle(QApplication::style());
        if (PixelsDiffering(memo, edit->grab().toImage()) != 0)
            differing << edit->objectName() + " \"" + edit->text() + '"';
        ++compared;
    }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.join(", ")));
    QVERIFY(compared > 40);
}

QTEST_MAIN(RepaintTest)
#include "test_repaint.moc"
