// SuperSpin: a NumEdit with up/down arrows that step the value by an increment, with
// acceleration, optional wrap-around and optional rounding to the increment grid.
#pragma once

#include "numedit.h"

#include <functional>
#include <optional>

class SpinArrows;

class SuperSpin : public NumEdit {
    Q_OBJECT
public:
    explicit SuperSpin(QWidget* parent = nullptr);

    // Step of the arrows and grid of the rounding. A change is ignored when it is not a
    // positive number, or when the field is bounded and it exceeds MaxValue - MinValue.
    long double Increment() const { return increment_; }
    void SetIncrement(long double increment);
    bool RoundValues() const { return roundValues_; }
    void SetRoundValues(bool on) { roundValues_ = on; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool on) { wrap_ = on; }
    // Off: typing is refused with a beep; only the arrows change the value.
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on) { editorEnabled_ = on; }

    // What the upper and lower arrows and the Up and Down keys do.
    void StepUp(bool fromArrow = false) { Step(1, fromArrow); }
    void StepDown(bool fromArrow = false) { Step(-1, fromArrow); }
    // Value := round((Value - MinValue) / Increment) x Increment + MinValue, halves to even.
    void RoundToIncrement();

    // The acceleration reads the time in milliseconds from this clock (steady by default).
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    long double CurrentStep() const { return step_; }
    int QuickRepeats() const { return quickRepeats_; }
    SpinArrows* Arrows() const { return arrows_; }
    // The lowest height the field takes for its font.
    int LowestHeight() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool TypingAllowed() const override { return editorEnabled_; }
    bool EitherSeparatorIsDecimal() const override { return format_ != Format::Thousands; }
    void RoundOnLeaving() override;

    long double increment_ = 1;
    bool roundValues_ = false;
    bool wrap_ = false;

private:
    void Step(int direction, bool fromArrow);
    void Accelerate();
    void ResetAcceleration();
    void PlaceArrows();
    void RaiseToLowestHeight();

    bool editorEnabled_ = true;
    long double step_ = 1;
    int quickRepeats_ = 0;
    std::optional<qint64> lastStep_;
    std::function<qint64()> clock_;
    SpinArrows* arrows_ = nullptr;
};
