// The "PDF" button of the real window: the file proposed as velkor-<pagina>-<data>.pdf in the
// documents folder, the page the preview shows written there, a dialog cancelled or a folder
// that cannot be written leaving no file (the latter with a box that says so), nothing on the
// manual page.
#include "main_window.h"
#include "pdf_export.h"
#include "quick_rep.h"
#include "support_pdf.h"
#include "support_report_access.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <unistd.h>

using namespace velkor::reports;

namespace {

struct Window {
    std::unique_ptr<TForm1> main{CreateForms()};
    void SetPage(int index) const {
        main->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(index);
    }
    void Click(const char* name) const { main->findChild<QAbstractButton*>(name)->click(); }
};

// What the export's file dialog proposed, and what was chosen in it.
struct Chosen {
    bool opened = false;
    QString folder;
    QString name;
};

// Clicks "PDF" with the next file dialog answered by `file` (empty: cancelled); a box the
// export shows afterwards is read into `box` and closed.
Chosen Export(const Window& window, const QString& file, QString* box = nullptr) {
    Chosen chosen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !chosen.opened) {
            chosen.opened = true;
            QCOMPARE(dialog->objectName(), QString("PdfFileDialog"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            const QFileInfo proposed(dialog->selectedFiles().value(0));
            chosen.folder = proposed.absolutePath();
            chosen.name = proposed.fileName();
            if (file.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept(); // as its Save button does
            }
        } else if (auto* message = qobject_cast<QMessageBox*>(modal)) {
            if (box)
                *box = message->text();
            message->accept();
            watcher.stop();
        }
    });
    watcher.start();
    window.Click("SBPDF");
    QCoreApplication::processEvents();
    return chosen;
}

// Runs `action` as an unprivileged user when the test runs as root, to whom every folder is
// writable; as itself otherwise.
void AsUnprivileged(const std::function<void()>& action) {
    constexpr uid_t kNobody = 65534;
    const bool root = geteuid() == 0;
    if (root)
        QVERIFY(setresuid(kNobody, kNobody, 0) == 0);
    action();
    if (root)
        QVERIFY(setresuid(0, 0, 0) == 0);
}

} // namespace

class ReportExport : public QObject {
    Q_OBJECT
private slots:
    void fileNames_data();
    void fileNames();
    void writesThePreviewedPage();
    void cancelledWritesNothing();
    void unwritableFolderSaysSo();
    void manualPageDoesNothing();
};

void ReportExport::fileNames_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::newRow("inductors") << 0 << "velkor-induttanze-2026-03-04.pdf";
    QTest::newRow("ferrite") << 1 << "velkor-ferrite-2026-03-04.pdf";
    QTest::newRow("mains") << 2 << "velkor-alimentazione-2026-03-04.pdf";
    QTest::newRow("flyback") << 4 << "velkor-flyback-2026-03-04.pdf";
    QTest::newRow("manual") << 3 << QString();
    QTest::newRow("no page") << -1 << QString();
}

void ReportExport::fileNames() {
    QFETCH(int, page);
    QFETCH(QString, name);
    QCOMPARE(PdfFileName(page, QDate(2026, 3, 4)), name);
}

void ReportExport::writesThePreviewedPage() {
    if (!velkor::testing::PopplerAvailable())
        QSKIP("pdftotext is needed to read the report back");
    Window window;
    window.main->show();
    window.SetPage(1);
    window.Click("SBCALC");
    QTemporaryDir dir;
    const QString file = dir.filePath("ferrite.pdf");
    const Chosen chosen = Export(window, file);
    QVERIFY(chosen.opened);
    QCOMPARE(chosen.name, PdfFileName(1, QDate::currentDate()));
    QCOMPARE(chosen.folder, QFileInfo(PdfFolder()).absoluteFilePath());
    QVERIFY(QFileInfo(chosen.folder).isDir());

    QCOMPARE(velkor::testing::PdfPages(file), 1);
    const QString text = velkor::testing::PdfText(file, false);
    for (const char* sample : {"Calcolo trasformatori in ferrite", "2784 Gauss", "182403 ohm"})
        QVERIFY2(text.contains(QString::fromUtf8(sample)), qPrintable(sample + ("\n" + text)));
    // The page the preview shows: the same report, filled from the same fields.
    const auto* report =
        qobject_cast<TQuickRep*>(velkor::testing::Report(window.main.get(), "Form3"));
    QVERIFY(report && report->LaidOut());
    QCOMPARE(velkor::testing::ReportText(window.main.get(), "Form3", "QRTFBMAX"),
             QString("2784 Gauss"));
}

void ReportExport::cancelledWritesNothing() {
    Window window;
    window.main->show();
    window.SetPage(2);
    QTemporaryDir dir;
    const Chosen chosen = Export(window, QString());
    QVERIFY(chosen.opened);
    QCOMPARE(chosen.name, PdfFileName(2, QDate::currentDate()));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void ReportExport::unwritableFolderSaysSo() {
    Window window;
    window.main->show();
    window.SetPage(0);
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));
    const QString file = dir.filePath("induttanze.pdf");
    QString box;
    Chosen chosen;
    AsUnprivileged([&] { chosen = Export(window, file, &box); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(chosen.opened);
    QVERIFY(!QFile::exists(file));
    QVERIFY2(box.startsWith(QString::fromUtf8("Il rapporto non è stato salvato: nella cartella ")),
             qPrintable(box));
    QVERIFY2(box.contains(QDir::toNativeSeparators(dir.path())), qPrintable(box));
}

void ReportExport::manualPageDoesNothing() {
    Window window;
    window.main->show();
    window.SetPage(3);
    QString box;
    const Chosen chosen = Export(window, QStringLiteral("/tmp/never.pdf"), &box);
    QVERIFY(!chosen.opened);
    QVERIFY(box.isEmpty());
    QVERIFY(!QFile::exists("/tmp/never.pdf"));
}

QTEST_MAIN(ReportExport)
#include "test_report_export.moc"
