#pragma once
// The floating-point error convention. Values are held in doubles; products and sums are
// evaluated in long double (the 80-bit extended type) and stored back into doubles through
// Store, which raises the error at once instead of yielding an infinity or a NaN. Underflow
// and inexact results are silent.

#include <cmath>

#include "value/Exception.h"

using Extended = long double;

class EMathError : public Exception {
 public:
  using Exception::Exception;
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError(QStringLiteral("Floating point overflow")) {}
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError(QStringLiteral("Floating point division by zero")) {}
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError(QStringLiteral("Invalid floating point operation")) {}
};
// A text that does not read as a number.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseZeroDivide();

// An extended result that must still be a number: an infinity is an overflow, a NaN an
// invalid operation.
inline Extended Checked(Extended value) {
  if (std::isnan(value)) RaiseInvalidOp();
  if (std::isinf(value)) RaiseOverflow();
  return value;
}

// Stores an extended result into a double: beyond the double range it is an overflow.
inline double Store(Extended value) {
  const double stored = static_cast<double>(Checked(value));
  if (std::isinf(stored)) RaiseOverflow();
  return stored;
}

// a / b with the errors of the convention: 0/0 is invalid, x/0 a division by zero.
inline Extended Divide(Extended a, Extended b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) RaiseInvalidOp();
    RaiseZeroDivide();
  }
  return Checked(a / b);
}
