// A picture of the window: an SVG from the program's resources drawn to the widget's size,
// crisp at any scale, on a white card when the palette is dark. A missing file draws nothing.
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <memory>

class QSvgRenderer;

namespace velkor::ui {

// What an icon's picture stands on: nothing (the window's icon), or, for a button's picture, a
// white card while the application's buttons are dark (the pictures are drawn for light
// faces, outlined in navy), so that the picture stands out on them (at least 3 : 1).
enum class IconBacking { None, CardOnDarkButtons };

// An icon drawn from an SVG of the resources (":/pictures/<file>") offering the given sizes
// (px, square, the drawing's proportions kept). Each size is drawn when it is first shown and
// kept, for each backing; the smaller offered sizes are scaled down from the largest. A
// missing file gives a null icon.
QIcon DrawnIcon(const QString& file, std::initializer_list<int> sizes,
                IconBacking backing = IconBacking::None);

class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(const QString& file, QWidget* parent = nullptr);
    ~Picture() override;
    const QString& File() const { return file_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString file_;                           // ":/pictures/<name>.svg"
    std::unique_ptr<QSvgRenderer> renderer_; // read at the first paint
};

} // namespace velkor::ui
