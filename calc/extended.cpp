#include "calc/extended.h"

#include <cmath>

#include "calc/fault.h"

namespace calc {
namespace {

[[noreturn]] void Raise(std::string_view message)
{
    throw Fault(std::string(message));
}

Extended Checked(long double result)
{
    if (std::isnan(result))
        Raise(messages::InvalidOperation);
    if (std::isinf(result))
        Raise(messages::Overflow);
    return Extended(result);
}

}  // namespace

Extended operator+(Extended a, Extended b) { return Checked(a.value_ + b.value_); }
Extended operator-(Extended a, Extended b) { return Checked(a.value_ - b.value_); }
Extended operator*(Extended a, Extended b) { return Checked(a.value_ * b.value_); }

Extended operator/(Extended a, Extended b)
{
    if (b.value_ == 0) {
        if (a.value_ == 0 || std::isnan(a.value_))
            Raise(messages::InvalidOperation);
        Raise(messages::DivisionByZero);
    }
    return Checked(a.value_ / b.value_);
}

Extended Sqrt(Extended a)
{
    if (a.Value() < 0)
        Raise(messages::InvalidOperation);
    return Checked(std::sqrt(a.Value()));
}

double Store(Extended a)
{
    const double stored = static_cast<double>(a.Value());
    if (std::isinf(stored))
        Raise(messages::Overflow);
    if (std::isnan(stored))
        Raise(messages::InvalidOperation);
    return stored;
}

}  // namespace calc
