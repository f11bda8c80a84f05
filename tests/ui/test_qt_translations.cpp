// Qt's own texts in Italian once the program's catalogue is installed: the exit question's
// standard buttons, a field's context menu and the printer set-up dialog (whose confirming
// button keeps "OK"). The catalogue is Debian's qt6-translations-l10n, which the build set-up
// installs; the program's own texts stay as they are.
#include "main_window.h"
#include "qt_translations.h"
#include "support_window.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace window_testing;

namespace {

// With VELKOR_SCREENSHOTS set, a picture of `window` in that folder, to look at.
void Look(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("VELKOR_SCREENSHOTS");
    if (!folder.isEmpty())
        window->grab().save(QStringLiteral("%1/qt_italian_%2.png").arg(folder, name));
}

} // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exitQuestionSaysSiAndNo();
    void fieldMenuInItalian();
    void setupDialogInItalianWithOk();
};

void TestQtTranslations::initTestCase() {
    QVERIFY2(velkor::ui::InstallQtTranslations(*qApp),
             "Qt's qtbase_it.qm (Debian's qt6-translations-l10n) is needed");
}

void TestQtTranslations::exitQuestionSaysSiAndNo() {
    Window window;
    QTimer::singleShot(0, qApp, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            Look(box, "exit");
    });
    const BoxSeen box = AnswerNextBox([&] { Click(window.get(), "SBEXIT"); }, "&No");
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Confirm"));
    QCOMPARE(box.text, QString("Esco ?"));
    QCOMPARE(box.buttons, QStringList({QString::fromUtf8("&Sì"), "&No"}));
    QVERIFY(window.Alive());
    const BoxSeen yes =
        AnswerNextBox([&] { Click(window.get(), "SBEXIT"); }, QString::fromUtf8("&Sì"));
    QVERIFY(yes.shown);
    QTRY_VERIFY(!window.Alive() || !window->isVisible());
}

void TestQtTranslations::fieldMenuInItalian() {
    Window window;
    auto* field = Control<QLineEdit>(window.get(), "IFREQ");
    QVERIFY(field);
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text().remove('&').section('\t', 0, 0);
    for (const char* expected : {"Annulla", "Taglia", "Copia", "Incolla"})
        QVERIFY2(texts.contains(QString::fromUtf8(expected)), qPrintable(texts.join(", ")));
}

void TestQtTranslations::setupDialogInItalianWithOk() {
    Window window;
    Control<QTabWidget>(window.get(), "PageControl1")->setCurrentIndex(1);
    QStringList captions;
    QString title;
    QTimer::singleShot(0, qApp, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        Look(dialog, "setup");
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            for (QAbstractButton* button : buttons->buttons())
                captions << button->text();
        dialog->reject();
    });
    Click(window.get(), "SBPRINTSETUP");
    QCOMPARE(title, QString("Stampa"));
    QVERIFY2(captions.contains("OK"), qPrintable(captions.join(", ")));
    QVERIFY2(captions.contains("Annulla"), qPrintable(captions.join(", ")));
    QVERIFY2(!captions.contains("&Stampa") && !captions.contains("&Print"),
             qPrintable(captions.join(", ")));
}

QTEST_MAIN(TestQtTranslations)
#include "test_qt_translations.moc"
