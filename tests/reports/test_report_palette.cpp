// The reports are black on white paper whatever the desktop: each page, filled after the worked
// examples, paints the same picture under the light palette and under a dark one. A report
// printed again after its picture changed paints the new one.
#include "quick_rep.h"
#include "report_commands.h"
#include "support_fake_window.h"
#include "support_report_access.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

using velkor::reports::TQuickRep;
using velkor::testing::FakeMainWindow;

namespace {

QPalette Dark() {
    QPalette dark;
    const QColor window(53, 53, 53), white(255, 255, 255);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base,
                            QPalette::AlternateBase, QPalette::ToolTipBase})
        dark.setColor(role, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::ToolTipText, QPalette::BrightText})
        dark.setColor(role, white);
    return dark;
}

// The report of the page shown, filled and painted at 96 dpi.
QImage Painted(FakeMainWindow& main, const char* form) {
    velkor::reports::FillActiveReport(&main);
    auto* report = qobject_cast<TQuickRep*>(velkor::testing::Report(&main, form));
    if (!report)
        return {};
    QImage image(QSize(794, 1123), QImage::Format_RGB32); // A4 at 96 dpi
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    report->Render(painter, &image);
    return image;
}

// The report page of `form` after the worked examples.
QImage PaintedReport(int page, const char* form) {
    FakeMainWindow main;
    main.FerriteWorkedExample();
    main.MainsWorkedExample();
    main.Set("IFREQ", "100");
    main.Set("ICAP", "47");
    main.Set("IIND", "53,9");
    main.SetPage(page);
    return Painted(main, form);
}

// The inductor report with the closed core shown, its bobbin square or round.
QImage PaintedBobbin(FakeMainWindow& main, bool square) {
    main.SetPage(0);
    main.SetSubPage(1);
    main.Check("RBC1NUC", square);
    main.Check("RBC2NUC", !square);
    return Painted(main, "Form2");
}

} // namespace

class TestReportPalette : public QObject {
    Q_OBJECT
private slots:
    void blackOnWhiteOnEveryPalette_data();
    void blackOnWhiteOnEveryPalette();
    void aChangedPictureIsPaintedAfresh();
};

void TestReportPalette::blackOnWhiteOnEveryPalette_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("form");
    QTest::newRow("inductor") << 0 << "Form2";
    QTest::newRow("ferrite") << 1 << "Form3";
    QTest::newRow("mains") << 2 << "Form4";
}

void TestReportPalette::blackOnWhiteOnEveryPalette() {
    QFETCH(int, page);
    QFETCH(QString, form);
    const QPalette light = QApplication::palette();
    const QImage onLight = PaintedReport(page, form.toLatin1().constData());
    QVERIFY(!onLight.isNull());
    QApplication::setPalette(Dark());
    const QImage onDark = PaintedReport(page, form.toLatin1().constData());
    QApplication::setPalette(light);
    QVERIFY(onDark == onLight);
    // Dark text is there, on white.
    int dark = 0;
    for (int y = 0; y < onDark.height(); ++y)
        for (int x = 0; x < onDark.width(); ++x)
            dark += qGray(onDark.pixel(x, y)) < 64;
    QVERIFY2(dark > 1000, qPrintable(QString::number(dark)));
    QCOMPARE(onDark.pixelColor(2, 2), QColor(Qt::white));
}

void TestReportPalette::aChangedPictureIsPaintedAfresh() {
    FakeMainWindow main;
    const QImage square = PaintedBobbin(main, true);
    const QImage round = PaintedBobbin(main, false); // the same report, printed again
    FakeMainWindow fresh;
    QVERIFY(!round.isNull());
    QVERIFY(round != square);
    QVERIFY(round == PaintedBobbin(fresh, false));
}

QTEST_MAIN(TestReportPalette)
#include "test_report_palette.moc"
