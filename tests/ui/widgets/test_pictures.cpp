// The drawn icons (each size drawn when first shown, smaller sizes scaled from the largest)
// and the group boxes' own frame and title look.
#include "group_box.h"
#include "picture.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>
#include <QTest>

#include <cstdlib>

using velkor::ui::DrawnIcon;
using velkor::ui::GroupBox;

namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

// The pixels of two images of the same size where a colour channel differs by more than `by`.
int PixelsDiffering(const QImage& a, const QImage& b, int by) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count +=
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) > by;
        }
    }
    return count;
}

// The mean difference of the colour channels, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return total / (4.0 * a.width() * a.height());
}

QImage DirectDrawing(const QString& file, int side) {
    QSvgRenderer renderer(":/pictures/" + file);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// A group box of the window's kind on a plain parent, as the window shows it.
QImage GroupPicture(QGroupBox* group) {
    QWidget parent;
    QFont font("Liberation Sans");
    font.setPointSize(8);
    parent.setFont(font);
    parent.resize(260, 150);
    group->setParent(&parent);
    group->setGeometry(4, 4, 246, 128);
    return parent.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour, int within) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= within &&
                std::abs(pixel.green() - colour.green()) <= within &&
                std::abs(pixel.blue() - colour.blue()) <= within)
                return true;
        }
    }
    return false;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void IconSizes_data();
    void IconSizes();
    void MissingIconIsNull();
    void ScaledSizesMatchDrawing();
    void DisabledLook();
    void GroupFrameAsFusion();
    void GroupTitleLook();
    void DrawingOnPaper_data();
    void DrawingOnPaper();
};

void TestPictures::IconSizes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("sizes"); // px
    QTest::newRow("button") << "btn_calc.svg" << QList<int>{16};
    QTest::newRow("window") << "velkor.svg" << QList<int>{16, 32, 64, 128};
}

void TestPictures::IconSizes() {
    QFETCH(QString, file);
    QFETCH(QList<int>, sizes);
    const QIcon icon =
        sizes.size() == 1 ? DrawnIcon(file, {16}) : DrawnIcon(file, {16, 32, 64, 128});
    QVERIFY(!icon.isNull());
    QList<QSize> offered;
    for (int side : sizes)
        offered << QSize(side, side);
    QCOMPARE(icon.availableSizes(), offered);
    for (int side : sizes) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY2(OpaquePixels(image) > side * side / 4, qPrintable(QString::number(side)));
    }
}

void TestPictures::MissingIconIsNull() {
    const QIcon icon = DrawnIcon("no_such_picture.svg", {16});
    QVERIFY(icon.isNull());
    QVERIFY(icon.pixmap(QSize(16, 16), 1.0).isNull());
}

void TestPictures::ScaledSizesMatchDrawing() {
    // The smaller window icon sizes come from the largest, and look like a drawing at their size.
    const QIcon icon = DrawnIcon("velkor.svg", {16, 32, 64, 128});
    for (int side : {16, 32, 64, 128}) {
        const QImage scaled = icon.pixmap(QSize(side, side), 1.0)
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage drawn = DirectDrawing("velkor.svg", side);
        QVERIFY2(MeanDifference(scaled, drawn) < 8.0, qPrintable(QString::number(side)));
    }
    // The same picture again is the one kept, not a new drawing.
    QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).cacheKey(),
             icon.pixmap(QSize(32, 32), 1.0).cacheKey());
}

void TestPictures::DisabledLook() {
    const QIcon icon = DrawnIcon("btn_print.svg", {16});
    const QImage normal = icon.pixmap(QSize(16, 16), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), normal.size());
    QVERIFY(disabled != normal);
}

void TestPictures::GroupFrameAsFusion() {
    if (QApplication::style()->name() != QLatin1String("fusion"))
        QSKIP("the own frame stands in for Fusion's only");
    const QImage fusion = GroupPicture(new QGroupBox(" Dati nucleo "));
    const QImage own = GroupPicture(new GroupBox(" Dati nucleo "));
    QCOMPARE(own.size(), fusion.size());
    // The same line in the same place: only a few pixels by the corners differ, and slightly.
    QCOMPARE(PixelsDiffering(own, fusion, 8), 0);
    QVERIFY2(PixelsDiffering(own, fusion, 2) <= 24,
             qPrintable(QString::number(PixelsDiffering(own, fusion, 2))));
}

void TestPictures::GroupTitleLook() {
    const QColor navy(0, 0, 128);
    auto* group = new GroupBox(" Primario ");
    auto* inside = new QLabel("Spire", group);
    inside->setGeometry(12, 40, 60, 16);
    group->SetTitleLook(true, navy);
    QVERIFY(group->TitleBold());
    QCOMPARE(group->TitleColour(), navy);
    // The controls inside keep the regular weight and the window-text colour.
    QVERIFY(!group->font().bold());
    QVERIFY(!inside->font().bold());
    QVERIFY(inside->palette().color(QPalette::WindowText) != navy);
    const QImage styled = GroupPicture(group);
    const QRect title(4, 4, 120, 16); // px, the title's line
    QVERIFY(HasColour(styled, title, navy, 40));
    QVERIFY(!HasColour(styled, QRect(16, 44, 50, 12), navy, 40)); // the label inside
    const QImage plain = GroupPicture(new GroupBox(" Primario "));
    QVERIFY(!HasColour(plain, title, navy, 40));
}

void TestPictures::DrawingOnPaper_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<bool>("card");
    QTest::newRow("light") << QColor(239, 239, 239) << false;
    QTest::newRow("dark") << QColor(53, 53, 53) << true;
}

void TestPictures::DrawingOnPaper() {
    // The drawings carry black strokes: on a dark window they stand on a white card.
    QFETCH(QColor, window);
    QFETCH(bool, card);
    velkor::ui::Picture picture("image2_transformers.svg");
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Window, window);
    picture.setPalette(palette);
    picture.setAutoFillBackground(true);
    picture.resize(88, 105);
    const QImage drawn = picture.grab().toImage();
    int white = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            white += drawn.pixelColor(x, y) == QColor(Qt::white);
    // The card covers most of the picture; the light window shows the drawing's own strokes only.
    const int area = drawn.width() * drawn.height();
    QVERIFY2(card ? white > area / 2 : white == 0, qPrintable(QString::number(white)));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
