#pragma once

#include <QLocale>
#include <QString>

namespace Velmaris {

// Typed text read as a language writes numbers. Nothing is guessed: a separator counts as the
// group separator only where it stands as one (1.234,5 in German), so 12.5 typed in German is
// no number at all rather than 125.
struct TypedNumber
{
    enum Verdict {
        Number,
        Partial,         // may still become a number: "", "-", "1." in German
        NotANumber,
        WholeOnly,       // decimals typed where none are allowed
        TooManyDecimals,
    };

    // A negative count of decimals allows any.
    static TypedNumber read(const QString &text, const QLocale &locale, int decimals);

    Verdict verdict;
    double value;
};

} // namespace Velmaris
