#pragma once
// Picture formats of the form library's float formatting, for windows that show a fixed
// number of decimals: "0.000000" (FormatFixed(x, 6)) keeps exactly six decimals, trailing
// zeros included; "0.0000E+00" (FormatScientific(x, 4)) shows one digit, the decimal
// separator, four decimals, "E", the exponent's sign and at least two exponent digits. The
// value is first taken to 15 significant digits, then rounded half away from zero. Both use
// the regional decimal separator.

#include <QString>

QString FormatFixed(double value, int decimals);
QString FormatScientific(double value, int decimals);
