// SuperSpin: a NumEdit with up/down arrows that step the value by an increment.
#pragma once

#include "numedit.h"

class SuperSpin : public NumEdit {
    Q_OBJECT
public:
    explicit SuperSpin(QWidget* parent = nullptr);

    long double Increment() const { return increment_; }
    void SetIncrement(long double increment);
    bool RoundValues() const { return roundValues_; }
    void SetRoundValues(bool on) { roundValues_ = on; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool on) { wrap_ = on; }

protected:
    long double increment_ = 1;
    bool roundValues_ = false;
    bool wrap_ = false;
};
