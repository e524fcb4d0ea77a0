#pragma once

#include <velmaris/velmaris_host_export.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace CCAPIAccess {

/// \addtogroup hoststandin
/// @{

/// One language's labels by key, in the order their keys were first given a label. A view
/// looks a label up for every filled cell, in tables of many thousand keys, so a lookup reads
/// one slot of a flat index and then the entry it names.
class VELMARIS_HOST_EXPORT LabelTable
{
public:
    /// A key and its label.
    using Entry = std::pair<std::string, std::string>;

    /// The label of @p key; null when the key has none.
    const std::string *find(const std::string &key) const;
    /// Gives @p key the label @p label, replacing the one it had.
    void set(const std::string &key, std::string label);

    /// How many keys have a label.
    std::size_t size() const { return m_entries.size(); }
    /// The entries, in the order their keys were first given a label.
    std::vector<Entry>::const_iterator begin() const { return m_entries.begin(); }
    /// The end of the entries.
    std::vector<Entry>::const_iterator end() const { return m_entries.end(); }

    /// The same labels for the same keys, whatever the order they were given in.
    friend VELMARIS_HOST_EXPORT bool operator==(const LabelTable &a, const LabelTable &b);

private:
    struct Slot
    {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0; ///< index of the entry plus one; 0: the slot is free
    };

    std::size_t slotOf(const std::string &key, std::uint32_t hash) const;
    void grow();

    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots;
};

/// @}

} // namespace CCAPIAccess
