#include "tools/money/BankScan.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace money {
namespace {

// What each byte may be in the plain layout. Whatever is left out (a reference, markup in a
// value, a "]]>" in text, control characters, anything outside ASCII) is the XML reader's.
enum : unsigned char { kBlank = 1, kText = 2, kValue = 4, kNameStart = 8, kName = 16 };

constexpr std::array<unsigned char, 256> ByteClasses() {
  std::array<unsigned char, 256> classes{};
  for (int c = 0x20; c < 0x7f; ++c) classes[c] = kText | kValue;
  for (const unsigned char c : {' ', '\t', '\n', '\r'}) classes[c] |= kBlank | kText | kValue;
  classes['<'] = 0;
  classes['&'] = 0;
  classes[']'] = kValue;
  for (int c = 'a'; c <= 'z'; ++c) classes[c] |= kNameStart | kName;
  for (int c = 'A'; c <= 'Z'; ++c) classes[c] |= kNameStart | kName;
  for (int c = '0'; c <= '9'; ++c) classes[c] |= kName;
  classes['_'] |= kNameStart | kName;
  classes['-'] |= kName;
  classes['.'] |= kName;
  return classes;
}
constexpr std::array<unsigned char, 256> kClass = ByteClasses();

constexpr int kCodes = 26 * 26 * 26;  // every three capital letters
constexpr int kDeepest = 32;          // the bank's elements nest four deep
constexpr int kMostAttributes = 8;    // the bank's elements have two at the most
constexpr std::size_t kLongestRate = 32;

struct Attribute {
  std::string_view name, value;
};

// A code's place among all three-letter codes, or -1 when it is not three capital letters.
int CodeIndex(std::string_view code) {
  if (code.size() != 3) return -1;
  int index = 0;
  for (const char c : code) {
    if (c < 'A' || c > 'Z') return -1;
    index = index * 26 + (c - 'A');
  }
  return index;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// yyyy-mm-dd, or an invalid date.
QDate DayOf(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return QDate();
  const std::string_view year = text.substr(0, 4), month = text.substr(5, 2), day = text.substr(8);
  if (!IsDigits(year) || !IsDigits(month) || !IsDigits(day)) return QDate();
  auto number = [](std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
  };
  return QDate(number(year), number(month), number(day));
}

// Digits, with a point and digits after it or not; false for anything else.
bool ReadRate(std::string_view text, double& rate) {
  if (text.size() > kLongestRate) return false;
  const std::size_t point = text.find('.');
  if (!IsDigits(text.substr(0, point)) ||
      (point != std::string_view::npos && !IsDigits(text.substr(point + 1))))
    return false;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), rate, std::chars_format::fixed);
  return error == std::errc() && end == text.data() + text.size();
}

class Scanner {
 public:
  Scanner(std::string_view text, const QDate& today, int mostDays)
      : at_(text.data()), end_(text.data() + text.size()), today_(today), mostDays_(mostDays) {}

  bool Document() {
    if (Takes("\xEF\xBB\xBF")) at_ += 3;  // a byte order mark
    if (Takes("<?") && !Declaration()) return false;
    if (!Others()) return false;
    if (!Take("<") || !StartTag()) return false;
    while (depth_ > 0) {
      while (at_ < end_ && (kClass[Byte()] & kText)) ++at_;
      if (!Take("<") || at_ == end_) return false;
      if (*at_ == '/') {
        if (!EndTag()) return false;
      } else if (*at_ == '!') {
        if (!Comment()) return false;
      } else if (!StartTag()) {
        return false;
      }
    }
    return Others() && at_ == end_ && !days_.empty() && DayHolds();
  }

  std::vector<RateSheet> TakeDays() { return std::move(days_); }

 private:
  unsigned char Byte() const { return static_cast<unsigned char>(*at_); }
  bool Takes(std::string_view text) const {
    return static_cast<std::size_t>(end_ - at_) >= text.size() &&
           std::string_view(at_, text.size()) == text;
  }
  bool Take(std::string_view text) {
    if (!Takes(text)) return false;
    at_ += text.size();
    return true;
  }
  // Whether any blanks were there.
  bool Blanks() {
    const char* start = at_;
    while (at_ < end_ && (kClass[Byte()] & kBlank)) ++at_;
    return at_ != start;
  }
  bool NamePart() {
    if (at_ == end_ || !(kClass[Byte()] & kNameStart)) return false;
    do ++at_;
    while (at_ < end_ && (kClass[Byte()] & kName));
    return true;
  }
  // A name, with one prefix or none.
  bool Name(std::string_view& name) {
    const char* start = at_;
    if (!NamePart()) return false;
    if (at_ < end_ && *at_ == ':') {
      ++at_;
      if (!NamePart()) return false;
    }
    name = std::string_view(start, static_cast<std::size_t>(at_ - start));
    return true;
  }
  // A quoted value whose bytes are all of the class.
  bool Quoted(unsigned char byteClass, std::string_view& value) {
    if (at_ == end_ || (*at_ != '\'' && *at_ != '"')) return false;
    const char quote = *at_++;
    const char* start = at_;
    while (at_ < end_ && *at_ != quote) {
      if (!(kClass[Byte()] & byteClass)) return false;
      ++at_;
    }
    if (at_ == end_) return false;
    value = std::string_view(start, static_cast<std::size_t>(at_++ - start));
    return true;
  }
  // <?xml version="1.0"?>, with encoding="UTF-8" or not.
  bool Declaration() {
    if (!Take("<?xml")) return false;
    std::string_view version, encoding;
    if (!Setting("version", version) || version != "1.0") return false;
    const char* before = at_;
    if (Setting("encoding", encoding)) {
      if (encoding != "UTF-8" && encoding != "utf-8") return false;
    } else {
      at_ = before;
    }
    Blanks();
    return Take("?>");
  }
  bool Setting(std::string_view name, std::string_view& value) {
    if (!Blanks() || !Take(name)) return false;
    Blanks();
    if (!Take("=")) return false;
    Blanks();
    return Quoted(kName, value);
  }
  // Blanks and comments before and after the root.
  bool Others() {
    for (;;) {
      Blanks();
      if (!Takes("<!--")) return true;
      ++at_;
      if (!Comment()) return false;
    }
  }
  // From the "!" of "<!--" past its "-->".
  bool Comment() {
    if (!Take("!--")) return false;
    for (; at_ < end_; ++at_) {
      if (Takes("--")) return Take("-->");
      if (!(kClass[Byte()] & kValue) && *at_ != '<' && *at_ != '&') return false;
    }
    return false;
  }
  // From the name past the ">" of a start tag or an empty element.
  bool StartTag() {
    std::string_view name;
    if (!Name(name)) return false;
    std::array<Attribute, kMostAttributes> attributes;
    int count = 0;
    bool empty = false;
    for (;;) {
      const bool apart = Blanks();
      if (Take(">")) break;
      if (Take("/>")) {
        empty = true;
        break;
      }
      Attribute attribute;
      if (!apart || count == kMostAttributes || !Name(attribute.name)) return false;
      Blanks();
      if (!Take("=")) return false;
      Blanks();
      if (!Quoted(kValue, attribute.value)) return false;
      for (int a = 0; a < count; ++a)
        if (attributes[a].name == attribute.name) return false;
      attributes[count++] = attribute;
    }
    const std::span<const Attribute> read(attributes.data(), static_cast<std::size_t>(count));
    if (!rooted_) {
      rooted_ = true;
      if (!IsBankEnvelope(name, read)) return false;
    } else if (name == "Cube" && !Cube(read)) {
      return false;
    }
    if (empty) return true;
    if (depth_ == kDeepest) return false;
    open_[depth_++] = name;
    return true;
  }
  // From the "/" of "</name>".
  bool EndTag() {
    ++at_;
    std::string_view name;
    if (!Name(name)) return false;
    Blanks();
    if (!Take(">") || open_[depth_ - 1] != name) return false;
    --depth_;
    return true;
  }

  static std::string_view Value(std::span<const Attribute> attributes, std::string_view name) {
    for (const Attribute& attribute : attributes)
      if (attribute.name == name) return attribute.value;
    return {};
  }
  static bool IsBankEnvelope(std::string_view name, std::span<const Attribute> attributes) {
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos || name.substr(colon + 1) != "Envelope") return false;
    const std::string declaration = "xmlns:" + std::string(name.substr(0, colon));
    return Value(attributes, declaration) == kEnvelopeSpace &&
           Value(attributes, "xmlns") == kRatesSpace;
  }

  // An element "Cube": a day that starts with its time, or a rate of the day.
  bool Cube(std::span<const Attribute> attributes) {
    std::string_view time, code, rate;
    bool timed = false, coded = false;
    for (const Attribute& attribute : attributes) {
      if (attribute.name == "time") {
        time = attribute.value;
        timed = true;
      } else if (attribute.name == "currency") {
        code = attribute.value;
        coded = true;
      } else if (attribute.name == "rate") {
        rate = attribute.value;
      }
    }
    if (timed) {
      if (!DayHolds() || static_cast<int>(days_.size()) >= mostDays_) return false;
      const std::size_t width = days_.empty() ? 0 : days_.back().rates.size();
      days_.push_back({DayOf(time), {}});
      if (!days_.back().date.isValid()) return false;
      days_.back().rates.reserve(width);
    }
    if (!coded) return true;
    const int index = CodeIndex(code);
    double perEuro = 0;
    if (days_.empty() || index < 0 || code == "EUR" || !ReadRate(rate, perEuro) ||
        !std::isfinite(perEuro) || perEuro <= 0 || !RateInBounds(perEuro))
      return false;
    std::uint16_t& column = columns_[index];
    if (column == 0) {
      known_.push_back({QString::fromLatin1(code.data(), 3), 0});
      column = static_cast<std::uint16_t>(known_.size());
    }
    Known& known = known_[column - 1];
    std::vector<Rate>& rates = days_.back().rates;
    if (known.lastDay == days_.size() || rates.size() >= std::size_t(kMostBankCurrencies))
      return false;
    known.lastDay = days_.size();
    rates.push_back({known.code, perEuro});
    return true;
  }
  // Whether the day read last holds, now that the next starts or the file ends.
  bool DayHolds() const {
    const std::size_t n = days_.size();
    if (n == 0) return true;
    const QDate day = days_[n - 1].date;
    if (day > today_ || days_[n - 1].rates.size() < std::size_t(kFewestCurrencies)) return false;
    if (n < 2) return true;
    const QDate before = days_[n - 2].date;
    // In one order or the other, no day twice.
    return day != before && (n < 3 || (day < before) == (before < days_[n - 3].date));
  }

  const char* at_;
  const char* const end_;
  const QDate today_;
  const int mostDays_;
  bool rooted_ = false;
  int depth_ = 0;
  std::array<std::string_view, kDeepest> open_;
  std::vector<RateSheet> days_;
  // The codes read: one string a code, shared by every day, and the last day that had it
  // (counted from 1), found by the code's place among all three-letter codes.
  struct Known {
    QString code;
    std::size_t lastDay;
  };
  std::vector<Known> known_;
  std::vector<std::uint16_t> columns_ = std::vector<std::uint16_t>(kCodes, 0);  // known_'s + 1
};

}  // namespace

bool ScanBankDays(const QByteArray& bytes, const QDate& today, int mostDays,
                  std::vector<RateSheet>& days) {
  Scanner scanner(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  today, mostDays);
  if (!scanner.Document()) return false;
  days = scanner.TakeDays();
  return true;
}

}  // namespace money
