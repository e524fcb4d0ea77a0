#pragma once

#include "app/plan/KnownNames.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace VelmarisEditor {

// A JSON document held in two arrays, its values in document order and the texts they hold. A
// long list read element by element, each dropped once read, so reuses the same memory for
// every element instead of allocating a tree for each.
class JsonTree
{
public:
    enum class Type : std::uint8_t { Null, Boolean, Integer, Unsigned, Float, Text, Object, List };
    class Value;

    // The names must outlive the tree.
    explicit JsonTree(const KnownNames &names) : m_names(&names) {}

    // Building, in document order: a value goes into the innermost open container, under the
    // name added last when that is an object.
    Value addNull();
    Value addBoolean(bool value);
    Value addInteger(std::int64_t value);
    Value addUnsigned(std::uint64_t value);
    Value addFloat(double value);
    Value addText(std::string_view text);
    // False, and nothing added, when the innermost open object already holds the name.
    bool addName(std::string_view name);
    void open(Type container);
    // The container just closed.
    Value close();
    std::size_t depth() const { return m_open.size(); }
    Value innermost() const;
    // Empties the innermost open container, which holds no open one.
    void dropContents();

    Value root() const;

private:
    struct Span
    {
        std::size_t at;
        std::size_t size;
    };
    struct Contents
    {
        std::size_t end; // the index past the container's last value
        std::size_t count;
        std::uint64_t names; // the known names an object holds, a bit each
    };
    struct Slot
    {
        Type type;
        std::uint8_t nameId;
        Span name;
        union {
            bool flag;
            std::int64_t integer;
            std::uint64_t natural;
            double floating;
            Span text;
            Contents contents;
        };
    };
    struct Open
    {
        std::size_t at;
        std::size_t textsAt; // where the texts of its values begin
        // Names from outside the known ones are rare; only an object that holds one pays for this.
        std::unique_ptr<std::unordered_set<std::string>> unknownNames;
    };

    Slot &add(Type type);
    Value lastAdded() const;
    Span appendText(std::string_view text);
    std::string_view textOf(Span span) const { return std::string_view(m_texts).substr(span.at, span.size); }
    std::size_t after(std::size_t at) const;

    const KnownNames *m_names;
    std::vector<Slot> m_values;
    std::string m_texts;
    std::vector<Open> m_open;
    std::uint8_t m_nameId = KnownNames::s_unknown;
    Span m_name{0, 0};
};

// One value of a tree, or none: a missing member. Valid while the tree holds it.
class JsonTree::Value
{
public:
    class Iterator;

    Value() = default;

    bool exists() const { return m_tree; }
    Type type() const { return slot().type; }
    bool flag() const { return slot().flag; }
    std::int64_t integer() const { return slot().integer; }
    std::uint64_t natural() const { return slot().natural; }
    double floating() const { return slot().floating; }
    std::string_view text() const { return m_tree->textOf(slot().text); }
    // The member name it stands under in an object.
    std::string_view name() const
    {
        const Slot &held = slot();
        return held.nameId == KnownNames::s_unknown ? m_tree->textOf(held.name) : m_tree->m_names->name(held.nameId);
    }

    // What a container holds, in order.
    std::size_t size() const { return slot().contents.count; }
    Iterator begin() const;
    Iterator end() const;
    bool has(std::uint8_t nameId) const { return slot().contents.names & std::uint64_t(1) << nameId; }
    // The member of an object under a known name; a missing value when it has none.
    Value member(std::uint8_t nameId) const;

    bool operator==(const Value &other) const { return m_tree == other.m_tree && m_at == other.m_at; }
    bool operator!=(const Value &other) const { return !(*this == other); }

private:
    friend class JsonTree;
    Value(const JsonTree *tree, std::size_t at) : m_tree(tree), m_at(at) {}
    const Slot &slot() const { return m_tree->m_values[m_at]; }

    const JsonTree *m_tree = nullptr;
    std::size_t m_at = 0;
};

class JsonTree::Value::Iterator
{
public:
    Value operator*() const { return Value(m_tree, m_at); }
    Iterator &operator++()
    {
        m_at = m_tree->after(m_at);
        return *this;
    }
    bool operator!=(const Iterator &other) const { return m_at != other.m_at; }

private:
    friend class Value;
    Iterator(const JsonTree *tree, std::size_t at) : m_tree(tree), m_at(at) {}

    const JsonTree *m_tree;
    std::size_t m_at;
};

} // namespace VelmarisEditor
