#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QDataStream>
#include <QMetaType>
#include <QString>

#include <limits>

// Settings of a spin-box editor, carried from the model to the delegate in an item role.
// Constructing one registers the meta-type "VLDoubleSpinBoxData" with its stream operators
// and equality, so it can travel in a QVariant and be streamed. It lives outside any namespace
// because the delegates know the meta-type by its plain name.
struct VELMARIS_HOST_EXPORT VLDoubleSpinBoxData
{
    VLDoubleSpinBoxData();

    bool keyboardTracking = true; // not streamed: a per-session choice of the editor
    double minimum = std::numeric_limits<double>::lowest();
    double maximum = std::numeric_limits<double>::max();
    double singleStep = 1.0;
    int maximumLength = -1; // -1: no limit
    int decimals = -1;      // -1: the editor's default
    QString suffix;         // the unit text
    QString prefix;
    QString specialValueText;
    double displayFactor = 1.0;
    qint32 flags = 0;

    static int metaTypeId();
};

VELMARIS_HOST_EXPORT bool operator==(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b);
VELMARIS_HOST_EXPORT bool operator!=(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b);
VELMARIS_HOST_EXPORT QDataStream &operator<<(QDataStream &out, const VLDoubleSpinBoxData &data);
VELMARIS_HOST_EXPORT QDataStream &operator>>(QDataStream &in, VLDoubleSpinBoxData &data);

Q_DECLARE_METATYPE(VLDoubleSpinBoxData)
