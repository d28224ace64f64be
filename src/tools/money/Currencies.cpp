#include "tools/money/Currencies.h"

#include <algorithm>

namespace money {
namespace {

// The euro, then the currencies of the central bank's daily reference rates, by code.
constexpr Currency kCurrencies[] = {
    {"EUR", "euro", "€"},
    {"AUD", "dólar australiano", "A$"},
    {"BRL", "real brasileño", "R$"},
    {"CAD", "dólar canadiense", "C$"},
    {"CHF", "franco suizo", ""},
    {"CNY", "yuan chino", "renminbi|yuan"},
    {"CZK", "corona checa", "Kč"},
    {"DKK", "corona danesa", ""},
    {"GBP", "libra esterlina", "£|esterlina"},
    {"HKD", "dólar de Hong Kong", "HK$"},
    {"HUF", "forinto húngaro", "forint|Ft"},
    {"IDR", "rupia indonesia", "Rp"},
    {"ILS", "nuevo séquel israelí", "séquel|shekel|₪"},
    {"INR", "rupia india", "₹"},
    {"ISK", "corona islandesa", ""},
    {"JPY", "yen japonés", "¥|yen"},
    {"KRW", "won surcoreano", "₩|won"},
    {"MXN", "peso mexicano", "MX$"},
    {"MYR", "ringit malasio", "ringgit|RM"},
    {"NOK", "corona noruega", ""},
    {"NZD", "dólar neozelandés", "NZ$"},
    {"PHP", "peso filipino", "₱"},
    {"PLN", "esloti polaco", "zloty|złoty|zł"},
    {"RON", "leu rumano", ""},
    {"SEK", "corona sueca", ""},
    {"SGD", "dólar singapurense", "S$"},
    {"THB", "bat tailandés", "baht|฿"},
    {"TRY", "lira turca", "₺"},
    {"USD", "dólar estadounidense", "$|US$|dólar"},
    {"ZAR", "rand sudafricano", ""},
};
constexpr int kCount = sizeof kCurrencies / sizeof kCurrencies[0];

// Currencies the bank published once and no longer does: the euro replaced them, or the bank
// stopped; the leu and the lira before their redenomination are named as the old ones.
constexpr Currency kFormer[] = {
    {"BGN", "lev búlgaro", "lev"},      {"CYP", "libra chipriota", ""},
    {"EEK", "corona estonia", ""},      {"HRK", "kuna croata", "kuna"},
    {"LTL", "litas lituana", "litas"},  {"LVL", "lats letón", "lats"},
    {"MTL", "lira maltesa", ""},        {"ROL", "leu rumano antiguo", ""},
    {"RUB", "rublo ruso", "rublo|₽"}, {"SIT", "tólar esloveno", "tólar"},
    {"SKK", "corona eslovaca", ""},     {"TRL", "lira turca antigua", ""},
};

// ISO 4217's currencies whose minor unit is not the hundredth.
constexpr const char* kNoDecimals[] = {"BIF", "CLP", "DJF", "GNF", "ISK", "JPY", "KMF", "KRW",
                                       "PYG", "RWF", "UGX", "VND", "VUV", "XAF", "XOF", "XPF"};
constexpr const char* kThreeDecimals[] = {"BHD", "IQD", "JOD", "KWD", "LYD", "OMR", "TND"};

template <size_t N>
bool Among(const char* const (&codes)[N], const QString& code) {
  return std::any_of(std::begin(codes), std::end(codes),
                     [&](const char* c) { return code == QLatin1String(c); });
}

}  // namespace

const Currency* KnownCurrencies() { return kCurrencies; }
int KnownCurrencyCount() { return kCount; }

const Currency* FindCurrency(const QString& code) {
  for (const Currency& currency : kCurrencies)
    if (code == QLatin1String(currency.code)) return &currency;
  for (const Currency& currency : kFormer)
    if (code == QLatin1String(currency.code)) return &currency;
  return nullptr;
}

QString CurrencyName(const QString& code) {
  const Currency* currency = FindCurrency(code);
  return currency ? QString::fromUtf8(currency->name) : code;
}

QStringList SearchAliases(const QString& code) {
  const Currency* currency = FindCurrency(code);
  if (!currency || !*currency->aliases) return {};
  return QString::fromUtf8(currency->aliases).split(u'|');
}

int MinorDigits(const QString& code) {
  if (Among(kNoDecimals, code)) return 0;
  if (Among(kThreeDecimals, code)) return 3;
  return 2;
}

bool IsCurrencyCode(QStringView text) {
  return text.size() == 3 &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

QString Caption(const QString& name, const QString& code) {
  return name == code ? code : name + QStringLiteral(" [") + code + u']';
}

}  // namespace money
