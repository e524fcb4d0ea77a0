#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Velmaris {

// Key → row, laid out so that a lookup among thousands of keys touches one cache line:
// open addressing over 32-byte slots that hold short keys inline. Longer keys live beside the
// table and cost one more access.
// Internal: neither installed nor exported; its test compiles it in.
class KeyRowTable
{
public:
    // The row stored for key, or -1.
    int find(std::string_view key) const;
    // Stores row for key, replacing the row stored before.
    void put(std::string_view key, int row);
    void clear();
    int size() const { return m_size; }

private:
    static constexpr std::size_t inlineCapacity = 23;
    static constexpr std::uint8_t longKeyMarker = 0xFF;

    struct alignas(32) Slot
    {
        std::int32_t row = -1; // -1: empty
        std::uint32_t tag = 0; // hash bits not used for the position, checked before the key
        std::uint8_t length = 0; // of the inline key, or longKeyMarker
        char text[inlineCapacity] = {}; // the key, or the index of the long key
    };
    static_assert(sizeof(Slot) == 32);

    std::string_view keyOf(const Slot &slot) const;
    std::size_t slotFor(std::string_view key, std::size_t hash) const;
    void grow();

    std::vector<Slot> m_slots;
    std::vector<std::string> m_longKeys;
    int m_size = 0;
};

} // namespace Velmaris
