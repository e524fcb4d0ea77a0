#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QDataStream>
#include <QMetaType>
#include <QString>

#include <limits>

/// \addtogroup hoststandin
/// @{

/// Settings of a spin-box editor, carried from the model to the delegate in an item role.
/// Constructing one registers the meta-type "VLDoubleSpinBoxData" with its stream operators
/// and equality, so it can travel in a QVariant and be streamed. It lives outside any namespace
/// because the delegates know the meta-type by its plain name. Velmaris::PropertyItemDelegate
/// reads the range, step, decimals, prefix and suffix; the other fields travel for the host's
/// own editors.
struct VELMARIS_HOST_EXPORT VLDoubleSpinBoxData
{
    /// Settings that allow any value, registering the meta-type on first use.
    VLDoubleSpinBoxData();

    bool keyboardTracking = true; ///< Not streamed nor compared: a per-session choice of the editor.
    double minimum = std::numeric_limits<double>::lowest(); ///< The lowest allowed value.
    double maximum = std::numeric_limits<double>::max();    ///< The highest allowed value.
    double singleStep = 1.0; ///< What one step of the arrows adds.
    int maximumLength = -1;  ///< Longest text to type; -1: no limit.
    int decimals = -1;       ///< Decimals shown; -1: the editor's default.
    QString suffix;          ///< The unit text.
    QString prefix;          ///< Text shown before the number.
    QString specialValueText; ///< Text shown instead of the minimum, as QAbstractSpinBox does.
    double displayFactor = 1.0; ///< Scale between the stored and the shown number; 1: none.
    qint32 flags = 0;           ///< Option bits of the host's editors; 0: none.

    /// The meta-type's id, registering it on the first call.
    static int metaTypeId();
};

/// Every field but keyboardTracking equal; doubles compare as numbers, so a NaN is unequal.
VELMARIS_HOST_EXPORT bool operator==(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b);
/// Not operator==().
VELMARIS_HOST_EXPORT bool operator!=(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b);
/// Writes every field but keyboardTracking, in declaration order.
VELMARIS_HOST_EXPORT QDataStream &operator<<(QDataStream &out, const VLDoubleSpinBoxData &data);
/// Reads what operator<<() wrote; keyboardTracking keeps its value.
VELMARIS_HOST_EXPORT QDataStream &operator>>(QDataStream &in, VLDoubleSpinBoxData &data);

/// @}

Q_DECLARE_METATYPE(VLDoubleSpinBoxData)
