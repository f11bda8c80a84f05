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

// An icon drawn from an SVG of the resources (":/pictures/<file>") offering the given sizes
// (px, square, the drawing's proportions kept). Each size is drawn when it is first shown and
// kept; the smaller offered sizes are scaled down from the largest. A missing file gives a null
// icon.
QIcon DrawnIcon(const QString& file, std::initializer_list<int> sizes);

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
