#pragma once

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QVariant>

#include <array>
#include <cstddef>

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
    // Few settings are in use at once; the oldest slot is reused.
    std::array<Slot, 8> m_slots;
    std::size_t m_used = 0;
    std::size_t m_next = 0;
};

} // namespace Velmaris
