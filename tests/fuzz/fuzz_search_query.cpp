// The reading of a typed search, on any text: never a crash or a hang; the number is the
// text's own leading characters, read back as typed; the unit is the rest; any text answers
// itself as a unit name. (That the number is taken key by key by an edit's key filter is
// fuzz_filter_key's: this target links the value core alone.)
#include "FuzzSupport.h"
#include "value/SearchText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  FuzzSetUp(data[0]);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

  const search::Query query = search::ReadQuery(text);
  qsizetype start = 0;
  while (start < text.size() && text[start].isSpace()) ++start;
  FUZZ_CHECK(text.mid(start, query.number.size()) == query.number);
  FUZZ_CHECK(query.unit == text.mid(start + query.number.size()).trimmed());

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
