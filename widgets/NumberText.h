#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QLocale>
#include <QString>

namespace Velmaris {

// A number as cells and editors show it: with the given decimals, or with as few as represent
// it (up to 15 significant digits) when decimals is negative; never in scientific notation.
VELMARIS_WIDGETS_EXPORT QString numberText(double value, int decimals, const QLocale &locale);

// The allowed range as "MIN – MAX", "≥ MIN" or "≤ MAX"; empty when neither bound limits.
VELMARIS_WIDGETS_EXPORT QString rangeText(double minimum, double maximum, int decimals, const QLocale &locale);

} // namespace Velmaris
