// The rich-text reader: each feature on small documents, then hostile input.
#include "rtf_reader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using velkor::ReadRtf;

namespace {

// The document as text with its character formats marked: <b>, <i>, <u> around bold, italic
// and underlined runs, "\n" between paragraphs.
QString Marked(const QTextDocument& document) {
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            out += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QString open, close;
            if (format.fontWeight() >= QFont::Bold) {
                open += "<b>";
                close.prepend("</b>");
            }
            if (format.fontItalic()) {
                open += "<i>";
                close.prepend("</i>");
            }
            if (format.fontUnderline()) {
                open += "<u>";
                close.prepend("</u>");
            }
            out += open + fragment.text() + close;
        }
    }
    return out;
}

// The format of the character at position (0 is the first).
QTextCharFormat FormatAt(QTextDocument& document, int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void Text_data();
    void Text();
    void Alignment_data();
    void Alignment();
    void Indents();
    void Colours();
    void Fonts();
    void TablesAfterText();
    void FontSizes_data();
    void FontSizes();
    void PlainText_data();
    void PlainText();
    void Hostile_data();
    void Hostile();
    void TwentyMegabytes_data();
    void TwentyMegabytes();
    void ReplacesEarlierContent();
};

void TestRtfReader::Text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("marked");
    const QString nbsp(QChar(0x00A0));
    // clang-format off
    QTest::newRow("plain") << QByteArray("{\\rtf1 Hello}") << "Hello";
    QTest::newRow("header words") << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0 Hi}") << "Hi";
    QTest::newRow("par") << QByteArray("{\\rtf1 a\\par b}") << "a\nb";
    QTest::newRow("empty par") << QByteArray("{\\rtf1 a\\par\\par b}") << "a\n\nb";
    QTest::newRow("backslash newline") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
    QTest::newRow("line") << QByteArray("{\\rtf1 a\\line b}") << QString("a") + QChar(QChar::LineSeparator) + "b";
    QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
    QTest::newRow("source line ends ignored") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
    QTest::newRow("bold group") << QByteArray("{\\rtf1 a {\\b bold} c}") << "a <b>bold</b> c";
    QTest::newRow("bold toggle") << QByteArray("{\\rtf1 \\b x\\b0 y}") << "<b>x</b>y";
    QTest::newRow("italic") << QByteArray("{\\rtf1 \\i x\\i0 y}") << "<i>x</i>y";
    QTest::newRow("underline") << QByteArray("{\\rtf1 \\ul u\\ulnone n}") << "<u>u</u>n";
    QTest::newRow("underline off") << QByteArray("{\\rtf1 \\ul u\\ul0 n}") << "<u>u</u>n";
    QTest::newRow("plain resets") << QByteArray("{\\rtf1 \\b\\i\\ul x\\plain y}") << "<b><i><u>x</u></i></b>y";
    QTest::newRow("nesting restores") << QByteArray("{\\rtf1 {\\b a{\\i b}c}d}") << "<b>a</b><b><i>b</i></b><b>c</b>d";
    QTest::newRow("hex escapes") << QByteArray("{\\rtf1 \\'e0 \\'E8 \\'b5}") << QString::fromUtf8("à è µ");
    QTest::newRow("windows-1252 high") << QByteArray("{\\rtf1 \\'80\\'93x\\'94\\'96}") << QString::fromUtf8("€“x”–");
    QTest::newRow("raw high byte") << QByteArray("{\\rtf1 caf\xe9}") << QString::fromUtf8("café");
    QTest::newRow("literal symbols") << QByteArray("{\\rtf1 \\\\ \\{ \\}}") << "\\ { }";
    QTest::newRow("special symbols") << QByteArray("{\\rtf1 a\\~b\\_c}") << QString("a") + nbsp + "b" + QChar(0x2011) + "c";
    QTest::newRow("symbol words") << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\ldblquote\\rdblquote\\lquote\\rquote}") << QString::fromUtf8("—–•“”‘’");
    QTest::newRow("unicode") << QByteArray("{\\rtf1 \\u960? r}") << QString::fromUtf8("π r");
    QTest::newRow("unicode delimiter") << QByteArray("{\\rtf1 \\uc0\\u960 x}") << QString::fromUtf8("πx");
    QTest::newRow("unicode skip two") << QByteArray("{\\rtf1 \\uc2\\u960xx!}") << QString::fromUtf8("π!");
    QTest::newRow("unicode hex fallback") << QByteArray("{\\rtf1 \\u233\\'e9x}") << QString::fromUtf8("éx");
    QTest::newRow("unicode negative") << QByteArray("{\\rtf1 \\u-3?}") << QString(QChar(0xFFFD)) ;
    QTest::newRow("unicode pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8694?}") << QString::fromUtf8("\xF0\x9F\x98\x8A");
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1 \\u-10179?x}") << QString(QChar(0xFFFD)) + "x";
    QTest::newRow("uc scoped to group") << QByteArray("{\\rtf1 {\\uc0 a}\\u960?b}") << QString::fromUtf8("aπb");
    QTest::newRow("ignorable destination") << QByteArray("{\\rtf1{\\*\\generator Foo 1.0;}A}") << "A";
    QTest::newRow("info") << QByteArray("{\\rtf1{\\info{\\title T}{\\author X}}A}") << "A";
    QTest::newRow("stylesheet") << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}}A}") << "A";
    QTest::newRow("picture") << QByteArray("{\\rtf1 A{\\pict\\pngblip 89504e47}B}") << "AB";
    QTest::newRow("field instruction") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "link";
    QTest::newRow("unknown words") << QByteArray("{\\rtf1 \\foo12 A\\barbaz B\\x-3 C}") << "ABC";
    QTest::newRow("binary data") << QByteArray("{\\rtf1 a\\bin3 {}}b}") << "ab";
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b}") << "ab";
    QTest::newRow("font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier;}}x}") << "x";
    QTest::newRow("colour table") << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}x}") << "x";
    QTest::newRow("controls dropped") << QByteArray("{\\rtf1 a\x01\x02\x7f" "b\\u0?c}") << QString("a") + QChar(0x7f) + "bc";
    QTest::newRow("frame markers dropped") << QByteArray("{\\rtf1 a\\u-560?\\u-559?b}") << "ab";
    // clang-format on
}

void TestRtfReader::Text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, marked);
    QTextDocument document;
    QVERIFY(ReadRtf(rtf, document));
    QCOMPARE(Marked(document), marked);
}

void TestRtfReader::Alignment_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QList<int>>("alignments");
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight,
              justify = Qt::AlignJustify;
    QTest::newRow("each") << QByteArray("{\\rtf1 \\qc c\\par\\qr r\\par\\qj j\\par\\ql l}")
                          << QList<int>{centre, right, justify, left};
    QTest::newRow("pard resets") << QByteArray("{\\rtf1 \\qc a\\par\\pard b}")
                                 << QList<int>{centre, left};
    QTest::newRow("kept without pard")
        << QByteArray("{\\rtf1 \\qr a\\par b}") << QList<int>{right, right};
    QTest::newRow("group restores")
        << QByteArray("{\\rtf1 {\\qc a\\par}b}") << QList<int>{centre, left};
    QTest::newRow("set at the paragraph end")
        << QByteArray("{\\rtf1 a\\qc\\par b}") << QList<int>{centre, centre};
}

void TestRtfReader::Alignment() {
    QFETCH(QByteArray, rtf);
    QFETCH(QList<int>, alignments);
    QTextDocument document;
    ReadRtf(rtf, document);
    QList<int> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        found << int(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    QCOMPARE(found, alignments);
}

void TestRtfReader::Indents() {
    QTextDocument document;
    // 720 twips are half an inch, 48 pixels at 96 pixels per inch.
    ReadRtf("{\\rtf1 \\li720\\fi-360\\ri1440\\sb300\\sa150 x\\par\\pard y}", document);
    const QTextBlockFormat first = document.begin().blockFormat();
    QCOMPARE(first.leftMargin(), 48.0);
    QCOMPARE(first.textIndent(), -24.0);
    QCOMPARE(first.rightMargin(), 96.0);
    QCOMPARE(first.topMargin(), 20.0);
    QCOMPARE(first.bottomMargin(), 10.0);
    QCOMPARE(first.tabPositions().size(), 1); // a tab on the first line reaches the indent
    const QTextBlockFormat second = document.begin().next().blockFormat();
    QCOMPARE(second.leftMargin(), 0.0);
    QCOMPARE(second.textIndent(), 0.0);
}

void TestRtfReader::Colours() {
    QTextDocument document;
    ReadRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "\\cf1 r\\cf2 b\\cf0 a{\\cf1 r}a\\cf9 z}",
            document);
    QCOMPARE(document.toPlainText(), "rbaraz");
    QCOMPARE(FormatAt(document, 0).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(FormatAt(document, 1).foreground().color(), QColor(0, 0, 255));
    QVERIFY(!FormatAt(document, 2).hasProperty(QTextFormat::ForegroundBrush)); // automatic
    QCOMPARE(FormatAt(document, 3).foreground().color(), QColor(255, 0, 0));
    QVERIFY(!FormatAt(document, 4).hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!FormatAt(document, 5).hasProperty(QTextFormat::ForegroundBrush)); // no entry 9
}

void TestRtfReader::Fonts() {
    QTextDocument document;
    ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}"
            "{\\f2\\fmodern Courier New;}}d\\f2 c\\f0 a\\plain t}",
            document);
    QCOMPARE(document.toPlainText(), "dcat");
    QCOMPARE(FormatAt(document, 0).fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QCOMPARE(FormatAt(document, 1).fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(FormatAt(document, 1).fontStyleHint(), QFont::Monospace);
    QCOMPARE(FormatAt(document, 2).fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(FormatAt(document, 3).fontFamilies().toStringList(), QStringList{"Times New Roman"});
}

void TestRtfReader::TablesAfterText() {
    // A run of a format seen before a table entry existed takes the entry once it exists.
    QTextDocument document;
    ReadRtf("{\\rtf1\\f1\\cf1 a\\par{\\fonttbl{\\f1\\fmodern Courier New;}}b\\par"
            "{\\colortbl;\\red255\\green0\\blue0;}c}",
            document);
    QCOMPARE(document.toPlainText(), "a\nb\nc");
    QVERIFY(FormatAt(document, 0).fontFamilies().toStringList().isEmpty());
    QVERIFY(!FormatAt(document, 0).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(FormatAt(document, 2).fontFamilies().toStringList(), QStringList{"Courier New"});
    QVERIFY(!FormatAt(document, 2).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(FormatAt(document, 4).fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(FormatAt(document, 4).foreground().color(), QColor(255, 0, 0));
}

void TestRtfReader::FontSizes_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<double>("points");
    QTest::newRow("default") << QByteArray("{\\rtf1 x}") << 12.0;
    QTest::newRow("half points") << QByteArray("{\\rtf1 \\fs21 x}") << 10.5;
    QTest::newRow("large") << QByteArray("{\\rtf1 \\fs40 x}") << 20.0;
    QTest::newRow("zero is default") << QByteArray("{\\rtf1 \\fs0 x}") << 12.0;
    QTest::newRow("negative is default") << QByteArray("{\\rtf1 \\fs-8 x}") << 12.0;
    QTest::newRow("fifty digits clamp")
        << QByteArray("{\\rtf1 \\fs" + QByteArray(50, '9') + " x}") << 500.0;
    QTest::newRow("plain resets") << QByteArray("{\\rtf1 \\fs40\\plain x}") << 12.0;
}

void TestRtfReader::FontSizes() {
    QFETCH(QByteArray, rtf);
    QFETCH(double, points);
    QTextDocument document;
    ReadRtf(rtf, document);
    QCOMPARE(document.toPlainText(), "x");
    QCOMPARE(FormatAt(document, 0).fontPointSize(), points);
}

void TestRtfReader::PlainText_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("text") << QByteArray("Hello {\\b x}") << "Hello {\\b x}";
    QTest::newRow("rtf later") << QByteArray(" {\\rtf1 x}") << " {\\rtf1 x}";
    QTest::newRow("line ends") << QByteArray("a\r\nb\rc\nd") << "a\nb\nc\nd";
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9") << QString::fromUtf8("café");
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80") << QString::fromUtf8("café €");
    QTest::newRow("controls dropped") << QByteArray("a\x00\x01\tb", 5) << "a\tb";
}

void TestRtfReader::PlainText() {
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(!ReadRtf(data, document));
    QCOMPARE(document.toPlainText(), text);
}

void TestRtfReader::Hostile_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected"); // the text, or empty when only survival counts

    const QByteArray digits(50, '9');
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}}} b}") << "a b";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {{{\\b a") << "a";
    QTest::newRow("nested 100000")
        << "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + " end}"
        << "deep end";
    QTest::newRow("nested 100000 unclosed") << "{\\rtf1 x" + QByteArray(100000, '{') << "x";
    QTest::newRow("fifty-digit numbers")
        << "{\\rtf1 \\li" + digits + "\\fi-" + digits + "\\cf" + digits + "\\f" + digits + "\\uc" +
               digits + " x\\u" + digits + "?y\\bin" + digits + " z}"
        << QString("x") + QChar(0xFFFD);
    QTest::newRow("endings") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("ending hex") << QByteArray("{\\rtf1 a\\'4") << "a";
    QTest::newRow("ending hex mark") << QByteArray("{\\rtf1 a\\'") << "a";
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zz}") << "azz";
    QTest::newRow("ending word") << QByteArray("{\\rtf1 a\\par") << "a\n";
    QTest::newRow("bare header") << QByteArray("{\\rtf") << "";
    QTest::newRow("long word") << "{\\rtf1 \\" + QByteArray(100000, 'a') + " x}"
                               << "x";
    QTest::newRow("many fonts") << "{\\rtf1{\\fonttbl" + QByteArray("\\f1 A;").repeated(100000) +
                                       "}x}"
                                << "x";
    QTest::newRow("many colours") << "{\\rtf1{\\colortbl" + QByteArray("\\red1;").repeated(100000) +
                                         "}x}"
                                  << "x";
    QTest::newRow("long font name")
        << "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(100000, 'n') + ";}}\\f0 x}"
        << "x";

    QByteArray garbage(1 << 20, '\0');
    QRandomGenerator random(20260);
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));
    QTest::newRow("binary garbage") << garbage << "";
    QTest::newRow("rtf then garbage") << "{\\rtf1 " + garbage << "";
    QByteArray braces(1 << 20, '{');
    for (qsizetype i = 0; i < braces.size(); i += 3)
        braces[i] = '}';
    QTest::newRow("brace storm") << "{\\rtf1 " + braces << "";
}

void TestRtfReader::Hostile() {
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    ReadRtf(data, document);
    document.setTextWidth(600); // lay it out, as the view would
    (void)document.size();
    // A sanity bound, not a benchmark: each of these takes well under a second.
    QVERIFY2(timer.elapsed() < 10'000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    if (!expected.isEmpty())
        QCOMPARE(document.toPlainText(), expected);
}

void TestRtfReader::TwentyMegabytes_data() {
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QString>("first");
    QTest::newRow("formatted lines")
        << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}")
        << QByteArray("{\\b Bold} plain \\'e0\\u960? {\\i italic \\cf1 text}\\par\r\n")
        << QString::fromUtf8("Bold plain àπ italic text");
    QTest::newRow("one paragraph")
        << QByteArray("{\\rtf1 ") << QByteArray("abcd efgh\n") << QString();
    QTest::newRow("plain text lines") << QByteArray() << QByteArray("abcd efgh\n") << "abcd efgh";
}

void TestRtfReader::TwentyMegabytes() {
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, piece);
    QFETCH(QString, first);
    QByteArray data = start;
    data.reserve(20 * 1024 * 1024 + 100);
    while (data.size() < 20 * 1024 * 1024)
        data += piece;
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    ReadRtf(data, document);
    document.setTextWidth(600);
    (void)document.size();
    // A sanity bound, not a benchmark: about a second is expected.
    QVERIFY2(timer.elapsed() < 30'000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    // What fits within the reader's limits is shown, from the start.
    const velkor::RtfLimits limits;
    QVERIFY(document.characterCount() > 100'000);
    QVERIFY(document.characterCount() <= limits.max_chars + limits.max_blocks);
    QVERIFY(document.blockCount() <= limits.max_blocks + 1);
    if (!first.isEmpty())
        QCOMPARE(document.begin().text(), first);
}

void TestRtfReader::ReplacesEarlierContent() {
    QTextDocument document;
    document.setPlainText("File VELKOR_DOC.RTF non trovato.");
    ReadRtf("{\\rtf1 New}", document);
    QCOMPARE(document.toPlainText(), "New");
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
