#include "superspin.h"

#include "faults.h"
#include "numedit_arrows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionFrame>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr qint64 kQuickRepeat = 201; // ms: steps closer than this accelerate
constexpr int kBorder = 1;           // px, the thin system border

qint64 SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace

SuperSpin::SuperSpin(QWidget* parent)
    : NumEdit(parent), clock_(SteadyMilliseconds), arrows_(new SpinArrows(this)) {
    connect(arrows_, &SpinArrows::pressed, this, [this] {
        ForgetEnteringClick();
        if (!hasFocus())
            setFocus(Qt::OtherFocusReason);
    });
    connect(arrows_, &SpinArrows::step, this, [this](int direction) { Step(direction, true); });
    setTextMargins(0, 0, SpinArrows::kWidth, 0);
    RaiseToLowestHeight();
    PlaceArrows();
}

void SuperSpin::SetIncrement(long double increment) {
    if (!(increment > 0) || !std::isfinite(increment))
        return; // a zero or negative grid has no steps
    if (Bounded() && increment > maxValue_ - minValue_)
        return;
    increment_ = increment;
    step_ = increment;
    if (roundValues_)
        RoundToIncrement();
}

void SuperSpin::RoundToIncrement() {
    long double value = 0;
    try {
        value = Value();
    } catch (const velkor::ConversionError&) {
        return;
    }
    // The nearest point of the grid MinValue + k x Increment (ties to the even k).
    long double rounded = std::nearbyint((value - minValue_) / increment_) * increment_ + minValue_;
    if (Bounded() && rounded > maxValue_)
        rounded -= increment_;
    SetValue(rounded);
}

void SuperSpin::RoundOnLeaving() {
    if (!roundValues_)
        return; // an unbounded field keeps its typed value, 52,5 stays 52,5
    try {
        const long double value = Value();
        if (!Bounded() || (value >= minValue_ && value <= maxValue_))
            RoundToIncrement();
    } catch (const velkor::ConversionError&) {
    }
}

void SuperSpin::ResetAcceleration() {
    step_ = increment_;
    quickRepeats_ = 0;
}

void SuperSpin::Accelerate() {
    const qint64 now = clock_();
    if (lastStep_ && now - *lastStep_ < kQuickRepeat) {
        // Held: from the 6th quick repeat on, every second one widens the step by one
        // increment, while the step stays below a fifth of the range (so never when unbounded).
        if (step_ < (maxValue_ - minValue_) / 5) {
            ++quickRepeats_;
            if (quickRepeats_ > 4 && quickRepeats_ % 2 == 0)
                step_ += increment_;
        }
    } else {
        ResetAcceleration();
    }
    lastStep_ = now;
}

void SuperSpin::Step(int direction, bool fromArrow) {
    if (isReadOnly() && fromArrow) {
        Beep();
        return;
    }
    long double value = 0;
    try {
        value = Value();
    } catch (const velkor::ConversionError& error) {
        // No number to step from: the step ends with the error box. A held arrow is let go
        // first, so that its repeat does not open the box again behind this one.
        arrows_->Release();
        ShowUnreadable(error);
        return;
    }
    Accelerate();
    const QString before = text();
    const bool bounded = Bounded();
    if (direction > 0) {
        if (bounded && value < minValue_) {
            InvalidEntryCorrection();
        } else if (!bounded || value + step_ <= maxValue_) {
            SetValue(value + step_);
        } else if (wrap_) {
            SetValue(minValue_);
        } else if (value + increment_ <= maxValue_) {
            step_ = increment_;
            SetValue(value + increment_);
        } else {
            InvalidEntryCorrection();
        }
    } else {
        if (bounded && value > maxValue_) {
            InvalidEntryCorrection();
        } else if (!bounded || value - step_ >= minValue_) {
            SetValue(value - step_);
        } else if (wrap_) {
            SetValue(maxValue_);
        } else if (value - increment_ >= minValue_) {
            step_ = increment_;
            SetValue(value - increment_);
        } else {
            InvalidEntryCorrection();
        }
    }
    if (roundValues_)
        RoundToIncrement();
    if (text() != before)
        emit textEdited(text());
}

void SuperSpin::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        // A read-only spin field refuses every key.
        if (!IsModifierKey(event->key()))
            Beep();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        Step(event->key() == Qt::Key_Up ? 1 : -1, false);
        event->accept();
        return;
    }
    NumEdit::keyPressEvent(event);
}

void SuperSpin::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        ResetAcceleration();
    NumEdit::keyReleaseEvent(event);
}

int SuperSpin::LowestHeight() const {
    // Four borders, the font's height, a quarter of the smaller of the font's and the
    // system font's heights, and 2 px.
    const int fontHeight = fontMetrics().height();
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    return 4 * kBorder + fontHeight + std::min(fontHeight, systemHeight) / 4 + 2;
}

void SuperSpin::RaiseToLowestHeight() {
    const int lowest = LowestHeight();
    setMinimumHeight(lowest);
    if (height() < lowest)
        resize(width(), lowest);
}

void SuperSpin::PlaceArrows() {
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    arrows_->setGeometry(width() - border - SpinArrows::kWidth, border, SpinArrows::kWidth,
                         height() - 2 * border);
}

void SuperSpin::resizeEvent(QResizeEvent* event) {
    NumEdit::resizeEvent(event);
    PlaceArrows();
}

void SuperSpin::changeEvent(QEvent* event) {
    NumEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        RaiseToLowestHeight();
        PlaceArrows();
    }
}
