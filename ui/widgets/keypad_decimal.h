// The numeric keypad's decimal key in a plain line edit that holds a number: it types the
// regional decimal separator, whatever the keyboard layout puts on that key.
#pragma once

class QLineEdit;

namespace velkor::ui {

// Makes the keypad's decimal key of `field` type the regional decimal separator.
void TypeRegionalDecimalOnKeypad(QLineEdit* field);

} // namespace velkor::ui
