#pragma once

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QHash>
#include <QVariant>

namespace Velmaris {

// Numbers of one kind share their spin-box settings. Handing out one variant per distinct
// settings lets their cells share its payload instead of each allocating a copy.
// Internal: neither installed nor exported; its test compiles it in.
class SpinBoxVariantCache
{
public:
    // A variant holding exactly these settings.
    const QVariant &variantOf(const VLDoubleSpinBoxData &data);

private:
    struct Slot
    {
        VLDoubleSpinBoxData data;
        QVariant variant;
    };
    // A plan has tens of settings in use at once, its ranges by its units. Slots are found by
    // a hash of the settings; one whose hash is taken by other settings is replaced, and all
    // are dropped once there are more than a plan would use.
    static constexpr int maxSlots = 512;
    QHash<quint64, Slot> m_slots;
};

} // namespace Velmaris
