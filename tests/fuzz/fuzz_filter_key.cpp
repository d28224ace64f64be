// FilterNumericKey on any edit state and key, then as keys typed one by one at the end of
// an edit: the filter only ever returns 0 or the (translated) key, and a text built from
// accepted keys is always a number still being typed ("-", or a text that reads). Last, the
// number that the unit search reads from the input as a typed search, typed key by key into
// an edit: every key is taken and the whole reads.
#include "FuzzHost.h"
#include "FuzzSupport.h"
#include "numeric/Numeric.h"
#include "value/SearchText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  FuzzSetUp(data[0]);
  FuzzSetUpHost();
  const char16_t separator = platform::DecimalSeparator();

  // One key on an arbitrary state.
  const char16_t key = static_cast<char16_t>(data[1] | (data[2] & 0x1 ? 0x100 : 0));
  const QString state = QString::fromLatin1(reinterpret_cast<const char*>(data + 4),
                                            static_cast<qsizetype>(size - 4));
  const int selStart = data[3] % (state.size() + 1);
  const int selLength = (data[3] >> 4) % (state.size() - selStart + 1);
  const char16_t result = FilterNumericKey(key, state, selStart, selLength);
  char16_t translated = key;
  if (key == u'.' || key == u',' || key == u'\'') translated = separator;
  if (key == u'e') translated = u'E';
  FUZZ_CHECK(result == 0 || result == translated);

  // Typing: each byte a key at the caret at the end of the text.
  QString text;
  for (size_t i = 4; i < size; ++i) {
    const char16_t typed = FilterNumericKey(static_cast<char16_t>(data[i]), text, text.size(), 0);
    if (typed == 0 || typed == 3 || typed == 22 || typed == 24) continue;
    if (typed == 8) {
      text.chop(1);
    } else {
      text += QChar(typed);
    }
    Extended value;
    FUZZ_CHECK(text.isEmpty() || text == QLatin1String("-") || TryParseValue(text, value));
  }

  // The search's number, typed.
  const search::Query query = search::ReadQuery(
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  if (!query.number.isEmpty() && query.number.size() <= 15 &&
      !query.number.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
    QString typed;
    for (const QChar c : query.number) {
      const char16_t accepted =
          FilterNumericKey(c.unicode(), typed, static_cast<int>(typed.size()), 0);
      FUZZ_CHECK(accepted != 0);
      typed += QChar(accepted);
    }
    Extended value = 0;
    FUZZ_CHECK(TryParseValue(typed, value));
  }
  return 0;
}
