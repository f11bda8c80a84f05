// Arithmetic faults and conversion errors of the engine.
//
// A calculation step that divides by zero, takes the root of a negative number or overflows
// the double-precision range throws one of these at the step where it happens. Handlers that
// report faults under a field name catch `Fault`; the others let it reach the window, whose
// general error box shows `description()` followed by a full stop.
#pragma once

#include <stdexcept>
#include <string>

namespace velkor {

class Fault : public std::runtime_error {
public:
    explicit Fault(const std::string& description) : std::runtime_error(description) {}
    std::string description() const { return what(); }
};

class DivisionByZero : public Fault {
public:
    DivisionByZero() : Fault("Floating point division by zero") {}
};

class InvalidOperation : public Fault {
public:
    InvalidOperation() : Fault("Invalid floating point operation") {}
};

class Overflow : public Fault {
public:
    Overflow() : Fault("Floating point overflow") {}
};

// A spin field's text that does not convert to a number.
class ConversionError : public Fault {
public:
    explicit ConversionError(const std::string& text)
        : Fault("'" + text + "' is not a valid floating point value") {}
};

} // namespace velkor
