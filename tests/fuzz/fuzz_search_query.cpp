// The reading of a typed search, on any text: never a crash or a hang; the number is the
// text's own leading characters, read back as typed, and typed key by key into an edit every
// key is taken; the unit is the rest; any text answers itself as a unit name.
#include "FuzzHost.h"
#include "FuzzSupport.h"
#include "app/SearchText.h"
#include "numeric/Numeric.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  FuzzSetUpHost();
  FuzzSetUp(data[0]);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

  const search::Query query = search::ReadQuery(text);
  qsizetype start = 0;
  while (start < text.size() && text[start].isSpace()) ++start;
  FUZZ_CHECK(text.mid(start, query.number.size()) == query.number);
  FUZZ_CHECK(query.unit == text.mid(start + query.number.size()).trimmed());

  if (!query.number.isEmpty() && query.number.size() <= 15 &&
      !query.number.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
    QString typed;
    for (const QChar c : query.number) {
      const char16_t key = FilterNumericKey(c.unicode(), typed, static_cast<int>(typed.size()), 0);
      FUZZ_CHECK(key != 0);
      typed += QChar(key);
    }
    Extended value = 0;
    FUZZ_CHECK(TryParseValue(typed, value));
  }

  const search::Words words = search::ReadWords(query.unit);
  const search::Target own = search::MakeTarget({text});
  const int rank = search::MatchRank(own, words);
  FUZZ_CHECK(rank >= search::kNoMatch && rank <= 3);
  const search::Words whole = search::ReadWords(text);
  if (!whole.Empty() && !whole.degree) FUZZ_CHECK(search::MatchRank(own, whole) == 0);
  static const search::Target fixed = search::MakeTarget(
      {QStringLiteral("pie [foot ('), ft]"), QStringLiteral("milímetros de Hg (a 0 C)")},
      {{QStringLiteral("milimetro"), QStringLiteral("mm")}});
  const int other = search::MatchRank(fixed, words);
  FUZZ_CHECK(other >= search::kNoMatch && other <= 3);
  return 0;
}
