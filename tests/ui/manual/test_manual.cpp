// Where the manual is found, and the shipped manual itself.
#include "manual_loader.h"
#include "rtf_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

void Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void Candidates();
    void DataDirs_data();
    void DataDirs();
    void InstalledDataDirIsAbsolute();
    void Lookup_data();
    void Lookup();
    void NullView();
    void ShippedFirstHeading();
    void ShippedReadsCleanly();
    void ShippedFlybackChapter();
    void ShippedBesideTheBuiltProgram();

private:
    QString start_dir_;
    std::unique_ptr<QTemporaryDir> current_;
    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<QTemporaryDir> second_;
};

void TestManual::init() {
    start_dir_ = QDir::currentPath();
    current_ = std::make_unique<QTemporaryDir>();
    data_ = std::make_unique<QTemporaryDir>();
    second_ = std::make_unique<QTemporaryDir>();
    QVERIFY(current_->isValid() && data_->isValid() && second_->isValid());
    QVERIFY(QDir::setCurrent(current_->path()));
}

void TestManual::cleanup() {
    QDir::setCurrent(start_dir_);
    current_.reset();
    data_.reset();
    second_.reset();
}

void TestManual::Candidates() {
    // The data directories come last, in their order; an empty one is skipped.
    const QStringList candidates = velkor::ManualCandidates({"/opt/data", "", "/usr/share/v"});
    const QStringList expected{
        "VELKOR_DOC.RTF",
        QDir(QCoreApplication::applicationDirPath()).filePath("VELKOR_DOC.RTF"),
        "/opt/data/VELKOR_DOC.RTF",
        "/usr/share/v/VELKOR_DOC.RTF",
    };
    QCOMPARE(candidates, expected);
}

void TestManual::DataDirs_data() {
    // VELKOR_DATA_DIR comes before the installed directory; unset or empty, it adds nothing.
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    const QString installed = velkor::InstalledDataDir();
    QTest::newRow("unset") << false << "" << QStringList{installed};
    QTest::newRow("empty") << true << "" << QStringList{installed};
    QTest::newRow("named") << true << "/tmp/root/usr/share/velkor"
                           << QStringList{"/tmp/root/usr/share/velkor", installed};
}

void TestManual::DataDirs() {
    QFETCH(bool, set);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    const QByteArray saved = qgetenv(velkor::kDataDirVariable);
    if (set)
        qputenv(velkor::kDataDirVariable, value.toUtf8());
    else
        qunsetenv(velkor::kDataDirVariable);
    const QStringList dirs = velkor::DataDirs();
    if (saved.isNull())
        qunsetenv(velkor::kDataDirVariable);
    else
        qputenv(velkor::kDataDirVariable, saved);
    QCOMPARE(dirs, expected);
}

void TestManual::InstalledDataDirIsAbsolute() {
    // The package puts the manual under /usr/share/velkor; any build looks in an absolute
    // folder ending in share/velkor, never in one relative to where it is started.
    const QString dir = velkor::InstalledDataDir();
    QVERIFY2(QDir::isAbsolutePath(dir), qPrintable(dir));
    QVERIFY2(dir.endsWith("/share/velkor"), qPrintable(dir));
}

void TestManual::Lookup_data() {
    // Which places hold a manual (c: current directory, s: the first data directory, d: the
    // second, D: a folder named like the manual in the current directory), and what the view
    // shows afterwards.
    QTest::addColumn<QString>("places");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("shown");
    QTest::newRow("current wins") << "cd" << true << "From current";
    QTest::newRow("current only") << "c" << true << "From current";
    QTest::newRow("data directory") << "d" << true << "From data";
    QTest::newRow("unreadable current") << "Dd" << true << "From data";
    QTest::newRow("first data directory wins") << "sd" << true << "From first data";
    QTest::newRow("current before data") << "csd" << true << "From current";
    QTest::newRow("unreadable current, first data") << "Ds" << true << "From first data";
    QTest::newRow("none anywhere") << "" << false << kFallback;
    QTest::newRow("unreadable only") << "D" << false << kFallback;
}

void TestManual::Lookup() {
    QFETCH(QString, places);
    QFETCH(bool, loaded);
    QFETCH(QString, shown);
    if (places.contains('c'))
        Write(current_->filePath("VELKOR_DOC.RTF"), "{\\rtf1 From {\\b current}}");
    if (places.contains('D'))
        QVERIFY(QDir(current_->path()).mkdir("VELKOR_DOC.RTF"));
    if (places.contains('d'))
        Write(data_->filePath("VELKOR_DOC.RTF"), "{\\rtf1 From data}");
    if (places.contains('s'))
        Write(second_->filePath("VELKOR_DOC.RTF"), "{\\rtf1 From first data}");

    QTextEdit view;
    view.setPlainText(kFallback);
    QCOMPARE(velkor::LoadManual(&view, {second_->path(), data_->path()}), loaded);
    QCOMPARE(view.toPlainText(), shown);
    // The document names the file it came from, and nothing when none was read.
    const QString source = view.document()->metaInformation(QTextDocument::DocumentUrl);
    QCOMPARE(source.isEmpty(), !loaded);
    if (loaded)
        QCOMPARE(QFileInfo(source).fileName(), "VELKOR_DOC.RTF");
    QCOMPARE(view.textCursor().position(), 0); // the view opens at the top
}

void TestManual::NullView() {
    QVERIFY(!velkor::LoadManual(nullptr, {data_->path()}));
}

void TestManual::ShippedFirstHeading() {
    QVERIFY(QFile::copy(ShippedManual(), data_->filePath("VELKOR_DOC.RTF")));
    QTextEdit view;
    view.setPlainText(kFallback);
    QVERIFY(velkor::LoadManual(&view, {data_->path()}));
    const QTextBlock first = view.document()->begin();
    QCOMPARE(first.text(), "Velkor - Manuale d'uso");
    QCOMPARE(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(first.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
}

void TestManual::ShippedReadsCleanly() {
    QFile file(ShippedManual());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(velkor::ReadRtf(file.readAll(), document));
    const QString text = document.toPlainText();
    QVERIFY(!text.contains(QChar::ReplacementCharacter)); // every escape is a real character
    QVERIFY(!text.contains('\\') && !text.contains('{') && !text.contains('}'));
    for (const char* heading :
         {"1. Come si usa", "2. Pagina Induttanze", "3. Pagina Trasformatori ferrite",
          "4. Pagina Trasformatori di alimentazione", "5. Verifiche di progetto",
          "6. Stampa dei report", "7. Il separatore decimale"})
        QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);
    // Figures of the worked examples, as the program shows them under Italian settings.
    for (const char* figure :
         {"50,329 KHz", "0,785", "142,4", "0,415", "0,1560", "1451520,0", "1202", "31,2", "Stampa",
          "Preview", "Setup", "Capacità", "0,8181", "157,4", "1 × 0,80 (AWG 20)",
          "37 × 0,28 (AWG 29)", "δ = √(ρ / (π · f · µ0))"})
        QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
    // The window's keys, named as the buttons' hints name them, and the PDF button.
    for (const char* keys : {"Tasti rapidi", "F9", "Ctrl+Invio", "Ctrl+P", "Ctrl+Maiusc+P",
                             "Ctrl+E", "velkor-<pagina>-<data>.pdf"})
        QVERIFY2(text.contains(QString::fromUtf8(keys)), keys);
}

void TestManual::ShippedFlybackChapter() {
    QFile file(ShippedManual());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(velkor::ReadRtf(file.readAll(), document));
    const QString text = document.toPlainText();
    // Its heading, a formula with the rounding signs and a worked value of each case.
    for (const char* figure :
         {"12. Pagina Flyback", "Np = ⌈Lp · Ipk₀ / (Bmax · Ae)⌉", "Lp = VINmin · Dmax / (ΔI₀ · f)",
          "1 × 0,355 (AWG 27)", "358,6", "5907,7", "Campo errato o nullo : VIN max"})
        QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
}

void TestManual::ShippedBesideTheBuiltProgram() {
    // The build copies the manual beside the program, the second place looked at.
    const QString built = QStringLiteral(VELKOR_BINARY_DIR "/app/VELKOR_DOC.RTF");
    QVERIFY2(QFile::exists(built), qPrintable(built));
    QFile a(built), b(ShippedManual());
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

QTEST_MAIN(TestManual)
#include "test_manual.moc"
