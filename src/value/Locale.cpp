#include "value/Locale.h"

#include <QLocale>

namespace platform {
namespace {
char16_t g_separator = u'.';
}

char16_t DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(char16_t separator) { g_separator = separator; }

void ReadDecimalSeparatorFromSystem() {
  const QString point = QLocale::system().decimalPoint();
  g_separator = (point == QLatin1String(",")) ? u',' : u'.';
}

}  // namespace platform
