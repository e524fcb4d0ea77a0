#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QCoreApplication>
#include <QLocale>
#include <QModelIndex>
#include <QString>
#include <QStringList>

namespace Velmaris {

/// What a value cell says, in words of the given locale: the one source of the text that the
/// view paints, a screen reader announces and a host prints, so that they never disagree.
class VELMARIS_WIDGETS_EXPORT PropertyCellText
{
    Q_DECLARE_TR_FUNCTIONS(Velmaris::PropertyCellText)
public:
    /// The value as shown: numbers in \p locale's format with the model's decimals and their
    /// unit or currency, booleans as Yes or No, texts and choices as they are; empty for no value.
    /// Digits are grouped as \p locale's number options say.
    static QString valueToString(const QModelIndex &cell, const QLocale &locale);

    /// The property's label with the value as shown ("Rate: 95.00 EUR"); the label alone for no value.
    static QString labelledValue(const QModelIndex &cell, const QLocale &locale);

    /// Why the cell carries the attention mark ("No value", "Outside 0 – 10", "In some of the
    /// objects" for a cell of several objects whose values differ); empty without it.
    static QString attentionReason(const QModelIndex &cell, const QLocale &locale);

    /// The cell's marks in words: multiple values (a cell of several objects whose values differ), changed, needs attention (with the reason), differs from the
    /// reference plan (with \p referenceCell's value when it is given, else with the cell's
    /// reference tooltip), read-only.
    static QStringList marks(const QModelIndex &cell, const QLocale &locale, const QModelIndex &referenceCell = {});

    /// The marks, headed by "automatic" when the user has not changed the value.
    static QStringList states(const QModelIndex &cell, const QLocale &locale);
};

} // namespace Velmaris
