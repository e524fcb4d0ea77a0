#include <velmaris/model/SpinBoxVariantCache.h>

#include <cstring>

namespace Velmaris {

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Stricter than the settings' own equality: a reused variant must not differ in anything,
// not even in a field that equality ignores or in the sign of a zero.
bool identical(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b)
{
    return a.keyboardTracking == b.keyboardTracking && sameBits(a.minimum, b.minimum)
           && sameBits(a.maximum, b.maximum) && sameBits(a.singleStep, b.singleStep)
           && a.maximumLength == b.maximumLength && a.decimals == b.decimals && a.suffix == b.suffix
           && a.prefix == b.prefix && a.specialValueText == b.specialValueText
           && sameBits(a.displayFactor, b.displayFactor) && a.flags == b.flags;
}

} // namespace

const QVariant &SpinBoxVariantCache::variantOf(const VLDoubleSpinBoxData &data)
{
    for (std::size_t i = 0; i < m_used; ++i) {
        if (identical(m_slots[i].data, data))
            return m_slots[i].variant;
    }
    Slot &slot = m_slots[m_next];
    m_next = (m_next + 1) % m_slots.size();
    if (m_used < m_slots.size())
        ++m_used;
    slot.data = data;
    slot.variant = QVariant(VLDoubleSpinBoxData::metaTypeId(), &data);
    return slot.variant;
}

} // namespace Velmaris
