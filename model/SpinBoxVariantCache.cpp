#include <velmaris/model/SpinBoxVariantCache.h>

#include <cstring>

namespace Velmaris {

namespace {

quint64 bitsOf(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool sameBits(double a, double b)
{
    return bitsOf(a) == bitsOf(b);
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

// Mixes the fields that tell a plan's settings apart; identical() decides.
quint64 hashOf(const VLDoubleSpinBoxData &data)
{
    constexpr quint64 mix = 0x9e3779b97f4a7c15ULL;
    quint64 hash = 0;
    for (const quint64 field : {bitsOf(data.minimum), bitsOf(data.maximum), quint64(data.decimals), quint64(qHash(data.suffix))}) {
        // Folded, so that the high bits, where doubles differ, reach the low ones.
        hash = (hash ^ field) * mix;
        hash ^= hash >> 31;
    }
    return hash;
}

} // namespace

const QVariant &SpinBoxVariantCache::variantOf(const VLDoubleSpinBoxData &data)
{
    const quint64 hash = hashOf(data);
    auto slot = m_slots.find(hash);
    if (slot != m_slots.end() && identical(slot->data, data))
        return slot->variant;
    if (slot == m_slots.end()) {
        if (m_slots.size() >= maxSlots)
            m_slots.clear();
        slot = m_slots.insert(hash, Slot());
    }
    slot->data = data;
    slot->variant = QVariant::fromValue(data);
    return slot->variant;
}

} // namespace Velmaris
