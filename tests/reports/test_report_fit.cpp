// Reports that hold their values: every report filled with the longest texts its fields can
// hold paints each value within its box, shrunk (never below 6 pt) before it is elided, and
// clear of every other label; a value whose field had the alarm look prints bold with " (!)".
#include "quick_rep.h"
#include "report_commands.h"
#include "report_fills.h"
#include "support_fake_window.h"
#include "support_pdf.h"
#include "support_report_access.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <cmath>

using velkor::testing::FakeMainWindow;
using velkor::testing::Regional;
using namespace velkor::reports;

namespace {

TQuickRep* ReportOn(const QWidget* main, const char* form) {
    return qobject_cast<TQuickRep*>(velkor::testing::Report(main, form));
}

void SetAlarm(QWidget* field, bool alarm) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, alarm ? QColor(255, 0, 0) : QColor(255, 255, 255));
    field->setPalette(palette);
}

// Every text field of the page the texts of `length` characters, from a number the field
// could show: digits with the regional separator; every third field with the alarm look.
void FillEveryField(FakeMainWindow& main, int length) {
    const QString digits = Regional("-1234567890.123456789012345678901234567890");
    QString text = digits;
    while (text.size() < length)
        text += digits.mid(1);
    text.truncate(length);
    int n = 0;
    for (QLineEdit* field : main.findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(field->parentWidget()))
            continue; // a unit list's own editor
        field->setText(text);
        SetAlarm(field, ++n % 3 == 0);
    }
    main.Set("UnitEDCORRSS", "spire");
}

double WidthMm(const QFont& font, const QString& text, QPaintDevice* device) {
    return QFontMetricsF(font, device).horizontalAdvance(text) / (device->logicalDpiX() / 25.4);
}

// The bounding box of what a label paints, mm, found from its pixels; null when it paints
// nothing.
QRectF PaintedPixels(const QRLabel* label, QImage& image) {
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        label->Paint(painter, &image, DeviceScale{image.logicalDpiX() / 25.4});
    }
    const double dotsPerMm = image.logicalDpiX() / 25.4;
    // Only the neighbourhood of its line is searched: 10 mm around.
    const QRect around =
        QRectF((label->Rect().left() - 10) * dotsPerMm, (label->Rect().top() - 10) * dotsPerMm,
               210 * dotsPerMm, (label->Rect().height() + 20) * dotsPerMm)
            .toAlignedRect()
            .intersected(image.rect());
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = around.left(); x <= around.right(); ++x) {
            if (qGray(line[x]) < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / dotsPerMm, top / dotsPerMm, (right + 1 - left) / dotsPerMm,
                  (bottom + 1 - top) / dotsPerMm);
}

} // namespace

class ReportFit : public QObject {
    Q_OBJECT
private slots:
    void longestTextsStayInTheirBoxes_data();
    void longestTextsStayInTheirBoxes();
    void shortValuesPrintAsTheyAre();
    void alarmPrintsBoldWithAMark();
    void gappedCoreAlarmsAndShortValues();
};

void ReportFit::longestTextsStayInTheirBoxes_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("subPage");
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("length"); // characters of each field's text
    for (int length : {17, 40, 320}) {
        const QByteArray suffix = " " + QByteArray::number(length);
        QTest::newRow("single layer" + suffix) << 0 << 0 << "Form2" << length;
        QTest::newRow("closed core" + suffix) << 0 << 1 << "Form2" << length;
        QTest::newRow("gapped core" + suffix) << 0 << 2 << "Form2" << length;
        QTest::newRow("ferrite" + suffix) << 1 << 0 << "Form3" << length;
        QTest::newRow("mains" + suffix) << 2 << 0 << "Form4" << length;
        QTest::newRow("flyback" + suffix) << 4 << 0 << "Form5" << length;
    }
}

void ReportFit::longestTextsStayInTheirBoxes() {
    QFETCH(int, page);
    QFETCH(int, subPage);
    QFETCH(QString, form);
    QFETCH(int, length);
    FakeMainWindow main;
    FillEveryField(main, length);
    main.SetPage(page);
    main.SetSubPage(subPage);
    FillActiveReport(&main);
    TQuickRep* report = ReportOn(&main, form.toLatin1());
    // A copy for looking at (VELKOR_REPORT_LOOK_DIR=<folder>).
    const QString look = qEnvironmentVariable("VELKOR_REPORT_LOOK_DIR");
    if (!look.isEmpty())
        QVERIFY(report->exportPdf(look + "/fit_" + QTest::currentDataTag() + ".pdf"));

    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    device.setResolution(1200);
    report->PlaceValueBoxes(&device);
    const QRectF band = report->Band()->Rect();
    QList<std::pair<QString, QRectF>> printed; // mm
    int values = 0, marked = 0;
    for (QRLabel* label : report->findChildren<QRLabel*>()) {
        if (label->Text().isEmpty())
            continue;
        const QString name = label->objectName();
        const QRectF rect = label->PrintedRect(&device);
        printed.append({name, rect});
        if (!label->IsValue())
            continue;
        ++values;
        marked += label->Alarm() ? 1 : 0;
        const QRectF box = label->Box();
        const QString shown = label->PrintedText(&device);
        const QString whole = label->Text() + (label->Alarm() ? " (!)" : "");
        QVERIFY2(box.width() > 5, qPrintable(name)); // every value has room of its own
        QVERIFY2(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(rect),
                 qPrintable(name + " leaves its box"));
        QVERIFY2(label->PrintedFont(&device).pointSizeF() >= QRLabel::kSmallestPoints,
                 qPrintable(name));
        QCOMPARE(label->PrintedFont(&device).bold(), true);
        if (label->Alarm())
            QVERIFY2(shown.endsWith(" (!)"), qPrintable(name + ": " + shown));
        if (shown != whole) {
            // Elided only when even the smallest size does not hold the whole text.
            QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(name));
            QFont smallest = label->PrintedFont(&device);
            smallest.setPointSizeF(QRLabel::kSmallestPoints);
            QVERIFY2(WidthMm(smallest, whole, &device) > box.width(), qPrintable(name));
        }
    }
    QVERIFY(values >= 8);
    QVERIFY(marked > 0);
    for (QRImage* image : report->findChildren<QRImage*>())
        printed.append({image->objectName(), image->PrintedRect()});
    for (QRMemo* memo : report->findChildren<QRMemo*>())
        printed.append({memo->objectName(), memo->Rect()});
    for (qsizetype i = 0; i < printed.size(); ++i) {
        QVERIFY2(band.contains(printed[i].second), qPrintable(printed[i].first));
        for (qsizetype j = i + 1; j < printed.size(); ++j) {
            const QRectF overlap = printed[i].second.intersected(printed[j].second);
            // Lines 6.6 mm apart may touch by a hair of their line boxes.
            QVERIFY2(overlap.width() < 0.1 || overlap.height() < 0.5,
                     qPrintable(printed[i].first + " overlaps " + printed[j].first));
        }
    }

    // What is painted, pixel by pixel, stays in the box too (a pixel's rounding allowed).
    const int dotsPerMetre = qRound(200 / 0.0254); // 200 dpi
    QImage image(static_cast<int>(std::ceil(band.width() * 200 / 25.4)) + 1,
                 static_cast<int>(std::ceil(band.height() * 200 / 25.4)) + 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    report->PlaceValueBoxes(&image);
    const double pixel = 25.4 / 200; // mm
    for (QRLabel* label : report->findChildren<QRLabel*>()) {
        if (!label->IsValue() || label->Text().isEmpty())
            continue;
        const QRectF painted = PaintedPixels(label, image);
        QVERIFY2(!painted.isNull(), qPrintable(label->objectName()));
        QVERIFY2(label->Box().adjusted(-pixel, -pixel, pixel, pixel).contains(painted),
                 qPrintable(label->objectName() + " paints out of its box"));
    }
}

// The worked examples' values fit as they are: no shrinking, no ellipsis, no mark.
void ReportFit::shortValuesPrintAsTheyAre() {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.MainsWorkedExample();
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    device.setResolution(1200);
    for (int page : {1, 2}) {
        main.SetPage(page);
        FillActiveReport(&main);
        TQuickRep* report = ReportOn(&main, page == 1 ? "Form3" : "Form4");
        report->PlaceValueBoxes(&device);
        for (QRLabel* label : report->findChildren<QRLabel*>()) {
            if (!label->IsValue())
                continue;
            QCOMPARE(label->PrintedText(&device), label->Text());
            QCOMPARE(label->PrintedFont(&device), label->Font());
        }
    }
}

// A failing check prints unlike a passing one, readable on a monochrome printer: bold with
// " (!)" after the value; the mark goes when the field has its normal look again.
void ReportFit::alarmPrintsBoldWithAMark() {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.SetPage(1);
    SetAlarm(main.findChild<QLineEdit*>("AEAC"), true);
    FillActiveReport(&main);
    TQuickRep* report = ReportOn(&main, "Form3");
    auto* marked = report->findChild<QRLabel*>("QRTFAEAC");
    auto* plain = report->findChild<QRLabel*>("QRTFAEACMIN");
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    QVERIFY(marked->Alarm());
    QCOMPARE(marked->Text(), Regional("0.1560 cm^4")); // the text as copied
    QCOMPARE(marked->PrintedText(&device), Regional("0.1560 cm^4 (!)"));
    QVERIFY(marked->PrintedFont(&device).bold());
    QVERIFY(!plain->Alarm());
    QCOMPARE(plain->PrintedText(&device), Regional("0.0544 cm^4"));

    if (velkor::testing::PopplerAvailable()) {
        const QString file = dir.filePath("ferrite.pdf");
        QVERIFY(report->exportPdf(file));
        const QString text = velkor::testing::PdfText(file);
        QVERIFY2(text.contains(Regional("0.1560 cm^4 (!)")), qPrintable(text));
        QVERIFY(!text.contains(Regional("0.0544 cm^4 (!)")));
    }

    SetAlarm(main.findChild<QLineEdit*>("AEAC"), false);
    FillActiveReport(&main);
    QVERIFY(!marked->Alarm());
    QCOMPARE(marked->PrintedText(&device), Regional("0.1560 cm^4"));
}

// The gapped-core body prints its worked values as they are, and its three checks' alarms with
// the mark.
void ReportFit::gappedCoreAlarmsAndShortValues() {
    FakeMainWindow main;
    main.GappedWorkedExample();
    main.SetSubPage(2);
    const char* const checks[][2] = {
        {"BPKGAP", "QRGOUT05"}, {"RIEMPGAP", "QRGOUT08"}, {"TGAP", "QRGOUT12"}};
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("measure.pdf"));
    device.setResolution(1200);
    FillActiveReport(&main);
    TQuickRep* report = ReportOn(&main, "Form2");
    report->PlaceValueBoxes(&device);
    for (QRLabel* label : report->findChildren<QRLabel*>()) {
        if (!label->IsValue() || !label->objectName().startsWith("QRG"))
            continue;
        QCOMPARE(label->PrintedText(&device), label->Text());
        QVERIFY(!label->Alarm());
    }
    for (const auto& check : checks) {
        SetAlarm(main.findChild<QLineEdit*>(check[0]), true);
        FillActiveReport(&main);
        auto* label = report->findChild<QRLabel*>(check[1]);
        QVERIFY2(label->Alarm(), check[0]);
        QVERIFY(label->PrintedText(&device).endsWith(" (!)"));
        SetAlarm(main.findChild<QLineEdit*>(check[0]), false);
        FillActiveReport(&main);
        QVERIFY2(!label->Alarm(), check[0]);
    }
}

QTEST_MAIN(ReportFit)
#include "test_report_fit.moc"
