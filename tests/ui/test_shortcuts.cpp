// The window's keys: F9, Ctrl+Return and Ctrl+Enter calculate the transformer page shown (and
// nothing elsewhere), in any field; Ctrl+P prints, Ctrl+Shift+P previews, Ctrl+E exports the
// PDF; each button's hint names its keys; no key acts under a box.
#include "main_window.h"
#include "manual_loader.h"
#include "support_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace window_testing;

namespace {

struct Keys {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Presses `keys` in the field `field` (given the focus) or, when empty, on the window.
void Press(QWidget* root, const QString& field, const Keys& keys) {
    QWidget* target = root;
    if (!field.isEmpty()) {
        target = FindControl(root, field);
        ShowPageOf(target);
        target->setFocus(Qt::OtherFocusReason);
    }
    QTest::keyClick(target, keys.key, keys.modifiers);
}

void ShowPage(QWidget* root, int page, int subPage = 0) {
    Control<QTabWidget>(root, "PageControl1")->setCurrentIndex(page);
    Control<QTabWidget>(root, "PageControl2")->setCurrentIndex(subPage);
    QApplication::processEvents();
}

// The class name of the next modal window `trigger` opens, which is then closed.
QString NextModal(QWidget* root, const std::function<void()>& trigger) {
    QString seen;
    // Keys reach the window once it is active again after the last box or dialog.
    root->activateWindow();
    if (!QTest::qWaitForWindowActive(root))
        return QStringLiteral("the window did not become active");
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->metaObject()->className();
            if (auto* file = qobject_cast<QFileDialog*>(modal))
                seen += ' ' + file->selectedFiles().value(0).section('/', -1);
            modal->close();
            watcher.stop();
        }
    });
    watcher.start();
    trigger();
    QApplication::processEvents();
    return seen;
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class TestShortcuts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void calculationKeys_data();
    void calculationKeys();
    void calculationKeysElsewhereDoNothing();
    void reportKeys();
    void hintsNameTheKeys();
    void keysWaitUnderABox();
};

void TestShortcuts::initTestCase() {
    // The window finds the shipped parts library as an installation's data folder.
    qputenv(velkor::kDataDirVariable, VELKOR_SOURCE_DIR "/resources");
}

void TestShortcuts::calculationKeys_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("field"); // where the key is pressed; empty: on the window
    QTest::newRow("F9 on the window") << Keys{Qt::Key_F9, {}} << QString();
    QTest::newRow("F9 in a spin field") << Keys{Qt::Key_F9, {}} << QString("VPMIN");
    QTest::newRow("Ctrl+Return in a spin field")
        << Keys{Qt::Key_Return, Qt::ControlModifier} << QString("VPMIN");
    QTest::newRow("Ctrl+Enter in a field")
        << Keys{Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier} << QString("AC");
}

void TestShortcuts::calculationKeys() {
    QFETCH(Keys, keys);
    QFETCH(QString, field);
    Window window;
    QWidget* root = window.get();

    // The ferrite page: its worked example.
    ShowPage(root, 1);
    QCOMPARE(Text(root, "NSP"), QString());
    AnswerAllBoxes([&] { Press(root, field, keys); });
    QCOMPARE(Text(root, "NSP"), Local("  12 (12,0)"));
    QCOMPARE(Text(root, "BMAXEFF"), QString("2784"));

    // The mains page: one 12 V, 2 A secondary.
    TypeIntoCell(root, "SGTAINSEC", 0, 1, "12");
    TypeIntoCell(root, "SGTAINSEC", 1, 1, "2");
    QCOMPARE(Text(root, "RAPIMPAC"), QString());
    const QString mainsField = field.isEmpty() ? QString() : QString("TAVP");
    AnswerAllBoxes([&] { Press(root, mainsField, keys); });
    QCOMPARE(Text(root, "RAPIMPAC"), Local("0,28"));

    // The flyback page: its defaults on the shipped library.
    ShowPage(root, 4);
    QCOMPARE(Text(root, "LPFB"), QString());
    const QString flybackField = field.isEmpty() ? QString() : QString("VOUTFB");
    AnswerAllBoxes([&] { Press(root, flybackField, keys); });
    QCOMPARE(Text(root, "LPFB"), Local(" 836,7"));
}

void TestShortcuts::calculationKeysElsewhereDoNothing() {
    // The inductor page has a button per quantity, the manual none: the keys leave them be.
    Window window;
    QWidget* root = window.get();
    for (const auto& [page, subPage] : {std::pair{0, 0}, {0, 1}, {3, 0}}) {
        ShowPage(root, page, subPage);
        const QList<BoxSeen> boxes = AnswerAllBoxes([&] {
            QTest::keyClick(root, Qt::Key_F9);
            QTest::keyClick(root, Qt::Key_Return, Qt::ControlModifier);
        });
        QVERIFY(boxes.isEmpty());
        QCOMPARE(Control<QTabWidget>(root, "PageControl1")->currentIndex(), page);
    }
    QCOMPARE(Text(root, "NSP"), QString());
    QCOMPARE(Text(root, "RAPIMPAC"), QString());
    QCOMPARE(Text(root, "IFREQ"), QString());
}

void TestShortcuts::reportKeys() {
    Window window;
    QWidget* root = window.get();
    ShowPage(root, 1);
    // Ctrl+P prints: with no printer installed, the box that points to the PDF.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const BoxSeen box =
            AnswerNextBox([&] { QTest::keyClick(root, Qt::Key_P, Qt::ControlModifier); });
        QVERIFY(box.shown);
        QCOMPARE(box.text,
                 QString("Nessuna stampante disponibile: usa PDF per salvare il rapporto."));
    }
    QCOMPARE(NextModal(root,
                       [&] {
                           QTest::keyClick(root, Qt::Key_P,
                                           Qt::ControlModifier | Qt::ShiftModifier);
                       }),
             QString("QPrintPreviewDialog"));
    const QString file =
        QStringLiteral("velkor-ferrite-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(NextModal(root, [&] { QTest::keyClick(root, Qt::Key_E, Qt::ControlModifier); }),
             "QFileDialog " + file);
    // Also from inside a field.
    QCOMPARE(NextModal(root,
                       [&] {
                           Press(root, "VPMIN", {Qt::Key_E, Qt::ControlModifier});
                       }),
             "QFileDialog " + file);

    // On the manual page none of them opens anything.
    ShowPage(root, 3);
    for (const Keys& keys : {Keys{Qt::Key_P, Qt::ControlModifier},
                             Keys{Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier},
                             Keys{Qt::Key_E, Qt::ControlModifier}})
        QCOMPARE(NextModal(root, [&] { QTest::keyClick(root, keys.key, keys.modifiers); }),
                 QString());
}

void TestShortcuts::hintsNameTheKeys() {
    Window window;
    QWidget* root = window.get();
    for (const char* name : {"SBCALC", "SBTACALC"}) {
        QCOMPARE(FindControl(root, name)->toolTip(), QString("Calcola (F9 o Ctrl+Invio)"));
        QCOMPARE(Control<QAbstractButton>(root, name)->text(), QString("Calcola"));
    }
    QVERIFY(FindControl(root, "SBPRINT")->toolTip().endsWith(" (Ctrl+P)"));
    QVERIFY(FindControl(root, "SBPREVIEW")->toolTip().endsWith(" (Ctrl+Maiusc+P)"));
    QVERIFY(FindControl(root, "SBPDF")->toolTip().endsWith(" (Ctrl+E)"));
    // Switched off and on with the other hints of the pages.
    Click(root, "CBHINTS");
    QCOMPARE(FindControl(root, "SBCALC")->toolTip(), QString());
    Click(root, "CBHINTS");
    QCOMPARE(FindControl(root, "SBTACALC")->toolTip(), QString("Calcola (F9 o Ctrl+Invio)"));
}

void TestShortcuts::keysWaitUnderABox() {
    // While the exit question is open, F9 and Ctrl+E reach the box, not the window.
    Window window;
    QWidget* root = window.get();
    ShowPage(root, 1);
    QString opened;
    const BoxSeen box = AnswerNextBox(
        [&] {
            QTimer::singleShot(0, qApp, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                QTest::keyClick(modal, Qt::Key_F9);
                QTimer::singleShot(0, qApp, [&] {
                    if (QWidget* top = QApplication::activeModalWidget())
                        opened = top->metaObject()->className();
                });
                QTest::keyClick(modal, Qt::Key_E, Qt::ControlModifier);
                QApplication::processEvents();
            });
            Click(root, "SBEXIT");
        },
        "&No");
    QVERIFY(box.shown);
    QCOMPARE(Text(root, "NSP"), QString());
    QVERIFY2(opened.isEmpty() || opened == "QMessageBox", qPrintable(opened));
}

QTEST_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
