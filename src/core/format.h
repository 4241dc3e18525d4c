#pragma once
// Number and date texts as screens and print-outs show them.
#include "fixed.h"
#include <QDate>
#include <QString>

namespace core {

// The number with its sign position: a blank before a number that is not negative.
QString signedNum(qint64 n);
// n left-padded with zeros to five digits; five or more digits unchanged.
QString PadNumber5(qint32 n);
// Length of the text of Int(value), used to right-align printed numbers.
int DigitCount(double value);
int DigitCount(Fixed value);
int DigitCount(qint64 value);

// The decimal separator of the regional settings: the one set at start-up,
// else that of the default locale.
QChar decimalSeparator();
// Fixes the separator whatever the default locale says (a null QChar: follow
// it again); the program's language and its number texts can then differ.
void setDecimalSeparator(QChar separator);
// Int(v x 10^d) / 10^d shown with exactly d decimals (d is 2 or 3): "0.00" / "0.000".
QString truncatedText(Fixed v, int decimals);
// The display decimals of a tournament setting: 3 for 3, else 2.
inline int displayDecimals(int aantalDecimalen) { return aantalDecimalen == 3 ? 3 : 2; }
// Plain number text: up to four decimals, no trailing zeros.
QString plainNumber(Fixed v);
// The text without blanks on the right (leading blanks kept).
QString rightTrimmed(const QString& s);
// "dd-mm-yyyy".
QString dateText(const QDate& d);

} // namespace core
