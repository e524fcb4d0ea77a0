#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace VelmarisEditor {

// The member names a reader looks up, numbered in the order given: a plan holds millions of
// members, and comparing numbers instead of texts is most of what makes finding them cheap.
class KnownNames
{
public:
    // One bit each in a mask of the names an object holds.
    static constexpr std::size_t s_capacity = 64;
    static constexpr std::uint8_t s_unknown = s_capacity;

    // The names must outlive this, as literals do.
    template<std::size_t count>
    explicit KnownNames(const std::array<std::string_view, count> &names)
    {
        static_assert(count <= s_capacity, "more known names than a mask holds");
        m_slots.fill(s_unknown);
        for (std::size_t id = 0; id < count; ++id) {
            m_names[id] = names[id];
            m_slots[freeSlotFor(names[id])] = static_cast<std::uint8_t>(id);
        }
    }

    // s_unknown for a name not given.
    std::uint8_t idOf(std::string_view name) const
    {
        for (std::size_t at = slotOf(name);; at = (at + 1) % s_slots) {
            const std::uint8_t id = m_slots[at];
            if (id == s_unknown || m_names[id] == name)
                return id;
        }
    }
    std::string_view name(std::uint8_t id) const { return m_names[id]; }

private:
    // Twice as many slots as names, so that a search always ends at an empty one soon.
    static constexpr std::size_t s_slots = 2 * s_capacity;

    // FNV-1a: names are short, and a call into a general hash costs more than the lookup saves.
    static std::size_t slotOf(std::string_view name)
    {
        std::uint32_t hash = 2166136261u;
        for (const char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return hash % s_slots;
    }
    std::size_t freeSlotFor(std::string_view name) const
    {
        std::size_t at = slotOf(name);
        while (m_slots[at] != s_unknown)
            at = (at + 1) % s_slots;
        return at;
    }

    std::array<std::string_view, s_capacity> m_names;
    std::array<std::uint8_t, s_slots> m_slots;
};

} // namespace VelmarisEditor
