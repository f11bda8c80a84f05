// The manual page at start-up: the shipped manual when it is found, the fallback line when not.
#include "main_window.h"
#include "manual_loader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const QString kFallback = "File VELKOR_DOC.RTF non trovato.";

QString ShippedManual() {
    return QStringLiteral(VELKOR_SOURCE_DIR "/resources/VELKOR_DOC.RTF");
}

} // namespace

class TestManualPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void StartUpShowsManual();
    void StartUpWithoutManual();

private:
    QString start_dir_;
    std::unique_ptr<QTemporaryDir> current_;
};

void TestManualPage::init() {
    start_dir_ = QDir::currentPath();
    current_ = std::make_unique<QTemporaryDir>();
    QVERIFY(current_->isValid());
    QVERIFY(QDir::setCurrent(current_->path()));
}

void TestManualPage::cleanup() {
    QDir::setCurrent(start_dir_);
    current_.reset();
}

void TestManualPage::StartUpShowsManual() {
    // Started from a folder holding the manual, the fourth page shows it from the top.
    QVERIFY(QFile::copy(ShippedManual(), current_->filePath("VELKOR_DOC.RTF")));
    TForm1 window;
    auto* view = window.findChild<QTextEdit*>("REDIT1");
    QVERIFY(view != nullptr);
    QCOMPARE(view->document()->begin().text(), "Velkor - Manuale d'uso");
    QCOMPARE(view->textCursor().position(), 0);
    QVERIFY(view->isReadOnly());
}

void TestManualPage::StartUpWithoutManual() {
    for (const QString& place : velkor::ManualCandidates(velkor::InstalledDataDir()))
        if (QFile::exists(place))
            QSKIP(qPrintable("a manual is installed at " + place));
    TForm1 window;
    auto* view = window.findChild<QTextEdit*>("REDIT1");
    QVERIFY(view != nullptr);
    QCOMPARE(view->toPlainText(), kFallback);
}

QTEST_MAIN(TestManualPage)
#include "test_manual_page.moc"
