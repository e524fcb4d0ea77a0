#include <velmaris/model/KeyRowTable.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace Velmaris {

namespace {

std::size_t hashOf(std::string_view key)
{
    return std::hash<std::string_view>{}(key);
}

std::uint32_t tagOf(std::size_t hash)
{
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

} // namespace

std::string_view KeyRowTable::keyOf(const Slot &slot) const
{
    if (slot.length != longKeyMarker)
        return {slot.text, slot.length};
    std::uint32_t index = 0;
    std::memcpy(&index, slot.text, sizeof index);
    return m_longKeys[index];
}

// The slot holding key, or the empty slot where it belongs.
std::size_t KeyRowTable::slotFor(std::string_view key, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.row < 0 || (slot.tag == tag && keyOf(slot) == key))
            return i;
    }
}

int KeyRowTable::find(std::string_view key) const
{
    if (m_slots.empty())
        return -1;
    return m_slots[slotFor(key, hashOf(key))].row;
}

void KeyRowTable::put(std::string_view key, int row)
{
    // At most three quarters full, so that probe runs stay short.
    if (4 * (m_size + 1) > 3 * static_cast<int>(m_slots.size()))
        grow();
    const std::size_t hash = hashOf(key);
    Slot &slot = m_slots[slotFor(key, hash)];
    if (slot.row < 0) {
        ++m_size;
        slot.tag = tagOf(hash);
        if (key.size() <= inlineCapacity) {
            slot.length = static_cast<std::uint8_t>(key.size());
            std::memcpy(slot.text, key.data(), key.size());
        } else {
            const auto index = static_cast<std::uint32_t>(m_longKeys.size());
            m_longKeys.emplace_back(key);
            slot.length = longKeyMarker;
            std::memcpy(slot.text, &index, sizeof index);
        }
    }
    slot.row = row;
}

void KeyRowTable::grow()
{
    std::vector<Slot> old(std::max<std::size_t>(16, 2 * m_slots.size()));
    old.swap(m_slots);
    // Slots are moved as they are; a long key keeps its index.
    for (const Slot &slot : old) {
        if (slot.row >= 0) {
            const std::string_view key = keyOf(slot);
            m_slots[slotFor(key, hashOf(key))] = slot;
        }
    }
}

// Keeps the slots: a rebuild after a change of the rows needs as many again.
void KeyRowTable::clear()
{
    std::fill(m_slots.begin(), m_slots.end(), Slot{});
    m_longKeys.clear();
    m_size = 0;
}

} // namespace Velmaris
