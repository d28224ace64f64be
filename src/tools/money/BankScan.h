#pragma once
// The bank's files read straight from their bytes: the XML reader takes a quarter of a
// second over the history's 15 MB, most of it in making tokens of them; a scan of the bank's
// plain layout takes a small part of that.

#include <QByteArray>
#include <QDate>
#include <vector>

#include "tools/money/BankFile.h"

namespace money {

// Reads a file of the bank's as ReadBankDays does, when it is plain ASCII XML as the bank
// writes it: elements, attributes in either quote, blanks, comments, an XML declaration of
// version 1.0 in UTF-8, dates as yyyy-mm-dd and rates as digits, with a point or without.
// True with days as ReadBankDays would give them. False, with days untouched, at anything else
// (a reference such as &amp;, CDATA, a DOCTYPE, another processing instruction, a byte outside
// ASCII, a rate with an exponent or blanks...) and at every fault: then ReadBankDays reads the
// file, and refuses it or not, and says why, as it always has.
bool ScanBankDays(const QByteArray& bytes, const QDate& today, int mostDays,
                  std::vector<RateSheet>& days);

}  // namespace money
