// The manual page at start-up: the shipped manual when it is found, the fallback line when not;
// and the program's installation checks that report which of the two the page shows, and where
// the parts library was found and what it held.
#include "library_source.h"
#include "main_window.h"
#include "manual_check.h"
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

// Sets (or, given a null value, unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), saved_(qgetenv(name)) {
        Set(value);
    }
    ~ScopedEnv() { Set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, value);
    }
    const char* name_;
    QByteArray saved_;
};

// Skips the test when a manual is installed where the program would find it anyway.
bool InstalledManualFound() {
    for (const QString& place : velkor::ManualCandidates({velkor::InstalledDataDir()}))
        if (QFile::exists(place))
            return true;
    return false;
}

} // namespace

class TestManualPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void StartUpShowsManual();
    void StartUpWithoutManual();
    void StartUpFromDataDirVariable();
    void CheckAsked_data();
    void CheckAsked();
    void CheckReportsSource_data();
    void CheckReportsSource();
    void LibraryFoundLikeManual_data();
    void LibraryFoundLikeManual();
    void LibraryCheckReportsFolder_data();
    void LibraryCheckReportsFolder();

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
    if (InstalledManualFound())
        QSKIP("a manual is installed where the program looks");
    const ScopedEnv no_data_dir(velkor::kDataDirVariable, QByteArray());
    TForm1 window;
    auto* view = window.findChild<QTextEdit*>("REDIT1");
    QVERIFY(view != nullptr);
    QCOMPARE(view->toPlainText(), kFallback);
}

void TestManualPage::StartUpFromDataDirVariable() {
    // Started from an unrelated folder, the program finds the manual in the folder that
    // VELKOR_DATA_DIR names, before the installed one.
    const QTemporaryDir data;
    QVERIFY(data.isValid());
    const QString manual = QDir(data.path()).filePath("VELKOR_DOC.RTF");
    QVERIFY(QFile::copy(ShippedManual(), manual));
    const ScopedEnv data_dir(velkor::kDataDirVariable, data.path().toUtf8());
    TForm1 window;
    auto* view = window.findChild<QTextEdit*>("REDIT1");
    QVERIFY(view != nullptr);
    QCOMPARE(view->document()->begin().text(), "Velkor - Manuale d'uso");
    QCOMPARE(view->document()->metaInformation(QTextDocument::DocumentUrl), manual);
}

void TestManualPage::CheckAsked_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("asked");
    QTest::newRow("unset") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("set") << QByteArray("1") << true;
}

void TestManualPage::CheckAsked() {
    QFETCH(QByteArray, value);
    QFETCH(bool, asked);
    const ScopedEnv check(velkor::kCheckManualVariable, value);
    QCOMPARE(velkor::ManualCheckAsked(), asked);
}

void TestManualPage::CheckReportsSource_data() {
    // Where a manual is (c: the current folder, d: the VELKOR_DATA_DIR folder), the check's
    // status and the file its line names (empty: the fallback line).
    QTest::addColumn<QString>("places");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("from");
    QTest::newRow("data folder") << "d" << 0 << "d";
    QTest::newRow("current folder first") << "cd" << 0 << "c";
    QTest::newRow("nowhere") << "" << 1 << "";
}

void TestManualPage::CheckReportsSource() {
    QFETCH(QString, places);
    QFETCH(int, status);
    QFETCH(QString, from);
    if (status != 0 && InstalledManualFound())
        QSKIP("a manual is installed where the program looks");
    const QTemporaryDir data;
    QVERIFY(data.isValid());
    const QString in_current = QDir(current_->path()).filePath("VELKOR_DOC.RTF");
    const QString in_data = QDir(data.path()).filePath("VELKOR_DOC.RTF");
    if (places.contains('c'))
        QVERIFY(QFile::copy(ShippedManual(), in_current));
    if (places.contains('d'))
        QVERIFY(QFile::copy(ShippedManual(), in_data));
    const ScopedEnv data_dir(velkor::kDataDirVariable, data.path().toUtf8());

    QString line;
    QTextStream out(&line);
    QCOMPARE(velkor::CheckManual(out), status);
    const QString expected = from == "c" ? in_current : from == "d" ? in_data : kFallback;
    QCOMPARE(line, "VELKOR_DOC.RTF: " + expected + "\n");
}

void TestManualPage::LibraryFoundLikeManual_data() {
    // Where a "library" folder holding a library file is (c: the current folder, d: the
    // VELKOR_DATA_DIR folder; e: there, but empty of library files), and which is found.
    QTest::addColumn<QString>("places");
    QTest::addColumn<QString>("found");
    QTest::newRow("data folder") << "d"
                                 << "d";
    QTest::newRow("current folder first") << "cd"
                                          << "c";
    QTest::newRow("a folder without library files is passed over") << "ed"
                                                                   << "d";
}

void TestManualPage::LibraryFoundLikeManual() {
    QFETCH(QString, places);
    QFETCH(QString, found);
    const QTemporaryDir data;
    QVERIFY(data.isValid());
    const QString in_current = QDir(current_->path()).filePath("library");
    const QString in_data = QDir(data.path()).filePath("library");
    QVERIFY(QDir().mkpath(in_current));
    QVERIFY(QDir().mkpath(in_data));
    const auto put = [](const QString& folder, const char* file) {
        QFile out(QDir(folder).filePath(file));
        return out.open(QIODevice::WriteOnly);
    };
    if (places.contains('c'))
        QVERIFY(put(in_current, "ferrite_materials.csv"));
    if (places.contains('e'))
        QVERIFY(put(in_current, "readme.txt"));
    if (places.contains('d'))
        QVERIFY(put(in_data, "core_shapes.ndjson"));
    QCOMPARE(velkor::ui::FindLibraryFolder({data.path()}), found == "c" ? in_current : in_data);
}

void TestManualPage::LibraryCheckReportsFolder_data() {
    // What the VELKOR_DATA_DIR folder holds (shipped: the shipped library in its "library"
    // folder; empty: a "library" folder whose files are empty; none: no library), the
    // status and the counts its line gives (empty: "-", no folder).
    QTest::addColumn<QString>("holds");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("counts");
    QTest::newRow("shipped") << "shipped" << 0 << "";
    QTest::newRow("empty files") << "empty" << 1 << " (0 shapes, 0 materials)";
    QTest::newRow("none") << "none" << 1 << "-";
}

void TestManualPage::LibraryCheckReportsFolder() {
    QFETCH(QString, holds);
    QFETCH(int, status);
    QFETCH(QString, counts);
    const ScopedEnv asked(velkor::kCheckLibraryVariable, "1");
    QVERIFY(velkor::LibraryCheckAsked());
    const QTemporaryDir data;
    QVERIFY(data.isValid());
    const QString folder = QDir(data.path()).filePath("library");
    if (holds != "none") {
        QVERIFY(QDir().mkpath(folder));
        const QDir shipped(VELKOR_SOURCE_DIR "/resources/library");
        for (const QString& file : shipped.entryList(QDir::Files)) {
            const QString copy = QDir(folder).filePath(file);
            if (holds == "shipped") {
                QVERIFY(QFile::copy(shipped.filePath(file), copy));
            } else {
                QFile empty(copy);
                QVERIFY(empty.open(QIODevice::WriteOnly));
            }
        }
    }
    const ScopedEnv data_dir(velkor::kDataDirVariable, data.path().toUtf8());
    if (holds == "none" && !velkor::ui::FindLibraryFolder(velkor::DataDirs()).isEmpty())
        QSKIP("a library is installed where the program looks");

    QString line;
    QTextStream out(&line);
    QCOMPARE(velkor::CheckLibrary(out), status);
    if (counts == "-")
        QCOMPARE(line, QStringLiteral("library: -\n"));
    else if (counts.isEmpty())
        QVERIFY2(line.startsWith("library: " + folder + " (") && line.endsWith(" materials)\n") &&
                     !line.contains(" (0 shapes") && !line.contains(" 0 materials"),
                 qPrintable(line));
    else
        QCOMPARE(line, "library: " + folder + counts + "\n");
}

QTEST_MAIN(TestManualPage)
#include "test_manual_page.moc"
