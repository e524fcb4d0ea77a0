#pragma once

#include "app/plan/JsonTree.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace VelmarisEditor {

// Raised while reading a plan; caught at the entry points, which turn it into a PlanError.
struct Refusal
{
    QString place;
    QString problem;
};

// Every member name the reader of a plan looks up.
enum class Field : std::uint8_t {
    Format, Version, Labels, Objects,
    Id, Kind, Type, Name, Properties,
    Key, Category, Position, Visible, LabelEditable, Unit, Min, Max, Values, Active, Lots, Automatic,
    Editable, Shown, RangeApplied, Value, NoValue, Modified, MultiLine,
};
// The fields, for the tree to number as it reads.
const KnownNames &fieldNames();
std::string_view nameOf(Field field);

// A JSON value of a plan together with where it stands in the file, for messages; missing when
// the file leaves it out. The place is spelled out only for a message: reading a plan looks up
// millions of fields. What does not hold what is asked of it raises a Refusal.
class PlanNode
{
public:
    // Either the top of the file or, with a parent that outlives it, a member or an element of it.
    explicit PlanNode(JsonTree::Value value, const PlanNode *parent = nullptr, std::string_view name = {},
                      std::int64_t index = -1)
        : m_value(value)
        , m_parent(parent)
        , m_name(name)
        , m_index(index)
    {
    }

    [[noreturn]] void refuse(const QString &problem) const;
    QString place() const;

    bool has(Field field) const { return object().has(static_cast<std::uint8_t>(field)); }
    PlanNode operator[](Field field) const
    {
        return PlanNode(object().member(static_cast<std::uint8_t>(field)), this, nameOf(field));
    }
    int size() const { return static_cast<int>(list().size()); }
    template<typename Visit>
    void forEach(Visit visit) const
    {
        std::int64_t index = 0;
        for (const JsonTree::Value element : list())
            visit(PlanNode(element, this, {}, index++));
    }
    // In the order of their names, whatever the file's.
    std::vector<PlanNode> members() const;
    std::string_view name() const { return m_name; }

    std::string_view utf8() const;
    QString text() const;
    // Label keys reach the host's translators, which need not keep what follows a NUL.
    std::string_view key() const;
    bool flag() const;
    double number() const;
    int whole() const;

    bool flagOr(Field field, bool fallback) const { return has(field) ? (*this)[field].flag() : fallback; }
    std::string_view utf8Or(Field field) const { return has(field) ? (*this)[field].utf8() : std::string_view(); }

private:
    bool is(JsonTree::Type type) const { return m_value.exists() && m_value.type() == type; }
    JsonTree::Value object() const;
    JsonTree::Value list() const;
    [[noreturn]] void refuseOutOfRange(const QString &shown) const;
    QString expected(const char *what) const;

    JsonTree::Value m_value;
    const PlanNode *m_parent;
    std::string_view m_name;
    std::int64_t m_index;
};

} // namespace VelmarisEditor
