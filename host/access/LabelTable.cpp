#include <velmaris/host/access/LabelTable.h>

#include <algorithm>
#include <functional>

namespace CCAPIAccess {

namespace {

constexpr std::size_t smallestIndex = 16;

std::uint32_t hashOf(const std::string &key)
{
    const std::size_t hash = std::hash<std::string>{}(key);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

} // namespace

// The slot that holds the key, else the free slot where it belongs. The index is never more
// than half full, so a free slot is always reached.
std::size_t LabelTable::slotOf(const std::string &key, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.entry == 0 || (slot.hash == hash && m_entries[slot.entry - 1].first == key))
            return i;
    }
}

const std::string *LabelTable::find(const std::string &key) const
{
    if (m_slots.empty())
        return nullptr;
    const Slot &slot = m_slots[slotOf(key, hashOf(key))];
    return slot.entry == 0 ? nullptr : &m_entries[slot.entry - 1].second;
}

void LabelTable::set(const std::string &key, std::string label)
{
    if (2 * (m_entries.size() + 1) > m_slots.size())
        grow();
    const std::uint32_t hash = hashOf(key);
    Slot &slot = m_slots[slotOf(key, hash)];
    if (slot.entry != 0) {
        m_entries[slot.entry - 1].second = std::move(label);
        return;
    }
    m_entries.emplace_back(key, std::move(label));
    slot = {hash, static_cast<std::uint32_t>(m_entries.size())};
}

void LabelTable::grow()
{
    std::vector<Slot> old(std::max(smallestIndex, 2 * m_slots.size()));
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.entry == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].entry != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

bool operator==(const LabelTable &a, const LabelTable &b)
{
    return a.size() == b.size() && std::all_of(a.begin(), a.end(), [&b](const LabelTable::Entry &entry) {
               const std::string *label = b.find(entry.first);
               return label && *label == entry.second;
           });
}

} // namespace CCAPIAccess
