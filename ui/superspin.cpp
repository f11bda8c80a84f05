#include "superspin.h"

SuperSpin::SuperSpin(QWidget* parent) : NumEdit(parent) {}

void SuperSpin::SetIncrement(long double increment) { increment_ = increment; }
