#pragma once
// The currencies the user added, kept in the user's data folder as JSON:
//   {"divisas": [{"codigo": "ARS", "nombre": "peso argentino", "porEuro": 1050.5,
//                 "introducida": "2026-12-09"}, ...]}
// The file is checked whole: one entry that does not read, or more entries than a user can
// add, and the file is set aside under another name (never emptied or cut in place) and
// reported. What this version does not know of the file (other fields, at the top or in an
// entry) is kept through every save. A save reads the file again and applies the one change
// the user made, so that two windows or two running programs never undo each other's.

#include <QDate>
#include <QString>
#include <vector>

namespace money {

inline constexpr int kMostOwnCurrencies = 200;
inline constexpr int kOwnNameLength = 30;

struct OwnCurrency {
  QString code;
  QString name;
  double perEuro = 0;
  QDate entered;
};
struct OwnCurrencies {
  std::vector<OwnCurrency> list;
  QString problem;  // for the status bar (a damaged file set aside, a save that failed)
};

QString OwnCurrenciesPath();
OwnCurrencies LoadOwnCurrencies();

// One change of the user's: a currency added, changed (its name or rate), or removed.
struct OwnChange {
  enum class Kind { Add, Change, Remove };
  Kind kind = Kind::Add;
  OwnCurrency currency;
};
// Applies the change to the file as it is now and writes it whole or not at all. The list is
// what the file holds afterwards (with what other windows added meanwhile); problem says why
// the change could not be kept. known: the list the window showed, which stands in for a
// file found damaged meanwhile.
OwnCurrencies SaveOwnChange(const OwnChange& change, const std::vector<OwnCurrency>& known);

// Writes the whole list in place of what the file held (a file made from scratch); the
// reason when it could not be written.
QString SaveOwnCurrencies(const std::vector<OwnCurrency>& list);

}  // namespace money
