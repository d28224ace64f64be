#include "tools/money/Currencies.h"

#include <QCoreApplication>
#include <algorithm>

namespace money {
namespace {

// The euro, then the currencies of the central bank's daily reference rates, by code.
constexpr Currency kCurrencies[] = {
    {"EUR", QT_TRANSLATE_NOOP("Currencies", "euro"), "€"},
    {"AUD", QT_TRANSLATE_NOOP("Currencies", "dólar australiano"), "A$"},
    {"BRL", QT_TRANSLATE_NOOP("Currencies", "real brasileño"), "R$"},
    {"CAD", QT_TRANSLATE_NOOP("Currencies", "dólar canadiense"), "C$"},
    {"CHF", QT_TRANSLATE_NOOP("Currencies", "franco suizo"), ""},
    {"CNY", QT_TRANSLATE_NOOP("Currencies", "yuan chino"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "renminbi|yuan")},
    {"CZK", QT_TRANSLATE_NOOP("Currencies", "corona checa"), "Kč"},
    {"DKK", QT_TRANSLATE_NOOP("Currencies", "corona danesa"), ""},
    {"GBP", QT_TRANSLATE_NOOP("Currencies", "libra esterlina"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "£|esterlina")},
    {"HKD", QT_TRANSLATE_NOOP("Currencies", "dólar de Hong Kong"), "HK$"},
    {"HUF", QT_TRANSLATE_NOOP("Currencies", "forinto húngaro"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "forint|Ft")},
    {"IDR", QT_TRANSLATE_NOOP("Currencies", "rupia indonesia"), "Rp"},
    {"ILS", QT_TRANSLATE_NOOP("Currencies", "nuevo séquel israelí"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "séquel|shekel|₪")},
    {"INR", QT_TRANSLATE_NOOP("Currencies", "rupia india"), "₹"},
    {"ISK", QT_TRANSLATE_NOOP("Currencies", "corona islandesa"), ""},
    {"JPY", QT_TRANSLATE_NOOP("Currencies", "yen japonés"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "¥|yen")},
    {"KRW", QT_TRANSLATE_NOOP("Currencies", "won surcoreano"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "₩|won")},
    {"MXN", QT_TRANSLATE_NOOP("Currencies", "peso mexicano"), "MX$"},
    {"MYR", QT_TRANSLATE_NOOP("Currencies", "ringit malasio"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "ringgit|RM")},
    {"NOK", QT_TRANSLATE_NOOP("Currencies", "corona noruega"), ""},
    {"NZD", QT_TRANSLATE_NOOP("Currencies", "dólar neozelandés"), "NZ$"},
    {"PHP", QT_TRANSLATE_NOOP("Currencies", "peso filipino"), "₱"},
    {"PLN", QT_TRANSLATE_NOOP("Currencies", "esloti polaco"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "zloty|złoty|zł")},
    {"RON", QT_TRANSLATE_NOOP("Currencies", "leu rumano"), ""},
    {"SEK", QT_TRANSLATE_NOOP("Currencies", "corona sueca"), ""},
    {"SGD", QT_TRANSLATE_NOOP("Currencies", "dólar singapurense"), "S$"},
    {"THB", QT_TRANSLATE_NOOP("Currencies", "bat tailandés"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "baht|฿")},
    {"TRY", QT_TRANSLATE_NOOP("Currencies", "lira turca"), "₺"},
    {"USD", QT_TRANSLATE_NOOP("Currencies", "dólar estadounidense"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "$|US$|dólar")},
    {"ZAR", QT_TRANSLATE_NOOP("Currencies", "rand sudafricano"), ""},
};
constexpr int kCount = sizeof kCurrencies / sizeof kCurrencies[0];

// Currencies the bank published once and no longer does: the euro replaced them, or the bank
// stopped; the leu and the lira before their redenomination are named as the old ones.
constexpr Currency kFormer[] = {
    {"BGN", QT_TRANSLATE_NOOP("Currencies", "lev búlgaro"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "lev")},
    {"CYP", QT_TRANSLATE_NOOP("Currencies", "libra chipriota"), ""},
    {"EEK", QT_TRANSLATE_NOOP("Currencies", "corona estonia"), ""},
    {"HRK", QT_TRANSLATE_NOOP("Currencies", "kuna croata"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "kuna")},
    {"LTL", QT_TRANSLATE_NOOP("Currencies", "litas lituana"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "litas")},
    {"LVL", QT_TRANSLATE_NOOP("Currencies", "lats letón"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "lats")},
    {"MTL", QT_TRANSLATE_NOOP("Currencies", "lira maltesa"), ""},
    {"ROL", QT_TRANSLATE_NOOP("Currencies", "leu rumano antiguo"), ""},
    {"RUB", QT_TRANSLATE_NOOP("Currencies", "rublo ruso"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "rublo|₽")},
    {"SIT", QT_TRANSLATE_NOOP("Currencies", "tólar esloveno"),
     //: other names and signs a search takes for it, separated by |
     QT_TRANSLATE_NOOP("Currencies", "tólar")},
    {"SKK", QT_TRANSLATE_NOOP("Currencies", "corona eslovaca"), ""},
    {"TRL", QT_TRANSLATE_NOOP("Currencies", "lira turca antigua"), ""},
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
  return currency ? QCoreApplication::translate("Currencies", currency->name) : code;
}

QStringList SearchAliases(const QString& code) {
  const Currency* currency = FindCurrency(code);
  if (!currency || !*currency->aliases) return {};
  return QCoreApplication::translate("Currencies", currency->aliases).split(u'|');
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
