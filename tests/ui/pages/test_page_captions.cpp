// The ferrite page's group captions: bold navy and green titles drawn by the group boxes,
// while the controls inside keep the regular weight and the window-text colour.
#include "group_box.h"
#include "main_window.h"
#include "support_window.h"

#include <QGroupBox>
#include <QTest>

using velkor::ui::GroupBox;
using window_testing::Control;
using window_testing::Window;

class TestPageCaptions : public QObject {
    Q_OBJECT
private slots:
    void FerriteCaptions();
};

void TestPageCaptions::FerriteCaptions() {
    Window window;
    const QColor navy(0, 0, 128);
    // The green (0, 128, 0) reads at 4.47 : 1 on the light window grey: it is shown one unit
    // darker, the least step that reads at 4.5 : 1.
    const QColor green(0, 127, 0);
    const std::pair<const char*, QColor> captions[] = {
        {"GroupBox1", navy},  {"GroupBox2", navy},  {"GroupBox3", navy},
        {"GroupBox4", green}, {"GroupBox5", green},
    };
    for (const auto& [name, colour] : captions) {
        auto* group = Control<GroupBox>(window.get(), name);
        QVERIFY2(group && group->TitleBold(), name);
        QCOMPARE(group->TitleColour(), colour);
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QGroupBox*>(child))
                continue;
            QVERIFY2(!child->font().bold(), qPrintable(child->objectName()));
            QVERIFY2(child->palette().color(QPalette::WindowText) != colour,
                     qPrintable(child->objectName()));
        }
    }
}

QTEST_MAIN(TestPageCaptions)
#include "test_page_captions.moc"
