#pragma once

#include <QVariant>

namespace Velmaris {

// Whether an entered value leaves a cell's value as it was, by the rule hosts have always
// relied on (Qt 5's QVariant equality): numbers compare as numbers; other kinds convert the old
// value to the entered one's type, or, where that type cannot take it, the entered value to the
// old one's; a failed conversion differs. Qt 6's operator== no longer converts text to bytes or
// dates, and takes "2.50" entered over 2.5 for the same number, where Qt 5 saw a new text.
bool enteredEqualsOld(const QVariant &entered, const QVariant &old);

} // namespace Velmaris
