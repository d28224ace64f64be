#pragma once
// The currencies Tarvel knows by name: their names (Spanish, translated into the interface's
// language), the other names and signs by which people look them up, and the decimals of their
// minor unit.

#include <QString>
#include <QStringList>

namespace money {

struct Currency {
  const char* code;  // ISO 4217
  // Spanish, UTF-8, marked for translation in the context "Currencies" ("dólar estadounidense")
  const char* name;
  const char* aliases;  // other names and signs, separated by '|' (UTF-8, the same), or ""
};

// Every currency with a name of its own: the euro and those the central bank publishes.
const Currency* KnownCurrencies();
int KnownCurrencyCount();
// The currency of a code, or null: those above, and those the bank published once.
const Currency* FindCurrency(const QString& code);

// The name of a code in the interface's language, or the code itself when Tarvel has none.
QString CurrencyName(const QString& code);
// The names and signs a search may use for it besides its caption ("$", "€", "dólar").
QStringList SearchAliases(const QString& code);
// How many decimals the currency's minor unit has (2; 0 for the yen, the won, the króna...).
int MinorDigits(const QString& code);

// Whether a text is a currency code: three capital letters A to Z.
bool IsCurrencyCode(QStringView text);

// The caption of a currency's row: "dólar estadounidense [USD]".
QString Caption(const QString& name, const QString& code);

}  // namespace money
