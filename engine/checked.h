// Checked extended-precision arithmetic.
//
// `Ext` wraps a long double (80-bit on x86-64). Every operation checks its result: a zero
// divisor throws DivisionByZero (0/0 throws InvalidOperation), a NaN result InvalidOperation,
// an infinite result Overflow. `Store` rounds to double precision the way a calculation stores
// a working value, throwing Overflow beyond the double range.
#pragma once

#include "decimal_digits.h"
#include "faults.h"

#include <cmath>
#include <cstdint>

namespace velkor {

class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double v) : v_(v) {} // NOLINT: implicit from plain numbers on purpose
    constexpr long double value() const { return v_; }

    friend Ext operator+(Ext a, Ext b) { return Checked(a.v_ + b.v_); }
    friend Ext operator-(Ext a, Ext b) { return Checked(a.v_ - b.v_); }
    friend Ext operator*(Ext a, Ext b) { return Checked(a.v_ * b.v_); }
    friend Ext operator/(Ext a, Ext b) {
        if (b.v_ == 0.0L) {
            if (a.v_ == 0.0L || std::isnan(a.v_))
                throw InvalidOperation();
            throw DivisionByZero();
        }
        return Checked(a.v_ / b.v_);
    }
    friend Ext operator-(Ext a) { return Ext(-a.v_); }
    Ext& operator+=(Ext b) { return *this = *this + b; }
    Ext& operator-=(Ext b) { return *this = *this - b; }
    Ext& operator*=(Ext b) { return *this = *this * b; }
    Ext& operator/=(Ext b) { return *this = *this / b; }
    friend bool operator<(Ext a, Ext b) { return a.v_ < b.v_; }
    friend bool operator>(Ext a, Ext b) { return a.v_ > b.v_; }
    friend bool operator<=(Ext a, Ext b) { return a.v_ <= b.v_; }
    friend bool operator>=(Ext a, Ext b) { return a.v_ >= b.v_; }
    friend bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }

    // Throws for NaN and infinity; passes every finite value.
    static Ext Checked(long double v) {
        if (std::isnan(v))
            throw InvalidOperation();
        if (std::isinf(v))
            throw Overflow();
        return Ext(v);
    }

private:
    long double v_ = 0.0L;
};

// π and 2π to full extended precision.
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kTwoPi = 6.28318530717958647692528676655900577L;

// Square root; a negative argument is an invalid operation.
inline Ext Sqrt(Ext x) {
    if (x.value() < 0.0L)
        throw InvalidOperation();
    return Ext::Checked(std::sqrt(x.value()));
}

// x raised to a real power; a negative base with a fractional exponent is invalid.
inline Ext Power(Ext x, Ext y) {
    if (x.value() < 0.0L && std::trunc(y.value()) != y.value())
        throw InvalidOperation();
    if (x.value() == 0.0L && y.value() < 0.0L)
        throw DivisionByZero();
    return Ext::Checked(std::pow(x.value(), y.value()));
}

// Rounds to double precision, as storing a working value does.
inline double Store(Ext x) {
    const long double v = x.value();
    if (std::isnan(v))
        throw InvalidOperation();
    if (std::fabs(v) > static_cast<long double>(1.7976931348623157e308))
        throw Overflow();
    return static_cast<double>(v);
}

// The value taken to `significant` digits (1 to 18), halves to even; zero, infinities and NaN
// as they are. The whole numbers of a product that is whole up to floating-point noise come
// back exactly: 22.000000000000004 to 12 digits is 22.
inline long double RoundSignificant(long double value, int significant) {
    const auto leading = LeadingDigits(value, significant);
    if (!leading)
        return value;
    const auto digits = static_cast<long double>(leading->digits);
    const int exponent = leading->exponent;
    // digits and 10^n up to 10^19 are exact in extended precision; one rounded product or
    // quotient, so a whole result is exactly that whole number.
    long double rounded = 0;
    if (exponent >= 0)
        rounded = exponent <= 19 ? digits * static_cast<long double>(PowerOfTen(exponent))
                                 : digits * std::pow(10.0L, exponent);
    else
        rounded = -exponent <= 19 ? digits / static_cast<long double>(PowerOfTen(-exponent))
                                  : digits * std::pow(10.0L, exponent);
    return value < 0 ? -rounded : rounded;
}

// Rounds toward +infinity to a 32-bit signed whole number, from the value taken to 12
// significant digits first, so that a whole number up to floating-point noise stays that
// number; beyond the 32-bit range it overflows.
inline std::int32_t Ceil32(Ext x) {
    const long double c = std::ceil(RoundSignificant(x.value(), 12));
    if (!(c >= -2147483648.0L && c <= 2147483647.0L))
        throw Overflow();
    return static_cast<std::int32_t>(c);
}

// Rounds toward -infinity to a 32-bit signed whole number; beyond that range it overflows.
inline std::int32_t Floor32(Ext x) {
    const long double c = std::floor(x.value());
    if (!(c >= -2147483648.0L && c <= 2147483647.0L))
        throw Overflow();
    return static_cast<std::int32_t>(c);
}

} // namespace velkor
