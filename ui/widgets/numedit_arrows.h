// The pair of up/down arrows at the right edge of a SuperSpin.
#pragma once

#include <QTimer>
#include <QWidget>

class SpinArrows : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 15;        // px
    static constexpr int kFirstRepeat = 400; // ms from the press to the first repeat
    static constexpr int kRepeat = 100;      // ms between later repeats

    explicit SpinArrows(QWidget* parent);

    // +1 while the upper arrow is held, -1 for the lower one, 0 when none is.
    int Held() const { return held_; }
    QTimer* RepeatTimer() { return &timer_; }
    // One tick of the repeat timer: repeats the held arrow's step while the pointer is on it.
    void Repeat();
    // Lets go of a held arrow as its release would (a box opening takes the release away).
    void Release();

signals:
    void pressed();
    void step(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ArrowAt(const QPoint& point) const;
    QRect ArrowRect(int direction) const;

    int held_ = 0;
    bool pointerOnHeld_ = false;
    QTimer timer_;
};
