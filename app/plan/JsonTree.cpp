#include "app/plan/JsonTree.h"

namespace VelmarisEditor {

JsonTree::Slot &JsonTree::add(Type type)
{
    Slot slot{};
    slot.type = type;
    slot.nameId = KnownNames::s_unknown;
    if (!m_open.empty()) {
        Slot &parent = m_values[m_open.back().at];
        ++parent.contents.count;
        if (parent.type == Type::Object) {
            slot.nameId = m_nameId;
            slot.name = m_name;
        }
    }
    return m_values.emplace_back(slot);
}

JsonTree::Span JsonTree::appendText(std::string_view text)
{
    const Span span{m_texts.size(), text.size()};
    m_texts.append(text);
    return span;
}

JsonTree::Value JsonTree::lastAdded() const
{
    return Value(this, m_values.size() - 1);
}

JsonTree::Value JsonTree::addNull()
{
    add(Type::Null);
    return lastAdded();
}

JsonTree::Value JsonTree::addBoolean(bool value)
{
    add(Type::Boolean).flag = value;
    return lastAdded();
}

JsonTree::Value JsonTree::addInteger(std::int64_t value)
{
    add(Type::Integer).integer = value;
    return lastAdded();
}

JsonTree::Value JsonTree::addUnsigned(std::uint64_t value)
{
    add(Type::Unsigned).natural = value;
    return lastAdded();
}

JsonTree::Value JsonTree::addFloat(double value)
{
    add(Type::Float).floating = value;
    return lastAdded();
}

JsonTree::Value JsonTree::addText(std::string_view text)
{
    const Span span = appendText(text);
    add(Type::Text).text = span;
    return lastAdded();
}

bool JsonTree::addName(std::string_view name)
{
    Open &object = m_open.back();
    const std::uint8_t id = m_names->idOf(name);
    if (id == KnownNames::s_unknown) {
        if (!object.unknownNames)
            object.unknownNames = std::make_unique<std::unordered_set<std::string>>();
        if (!object.unknownNames->emplace(name).second)
            return false;
    } else {
        std::uint64_t &held = m_values[object.at].contents.names;
        const std::uint64_t bit = std::uint64_t(1) << id;
        if (held & bit)
            return false;
        held |= bit;
    }
    m_nameId = id;
    // A known name is spelled by the names themselves.
    m_name = id == KnownNames::s_unknown ? appendText(name) : Span{0, 0};
    return true;
}

void JsonTree::open(Type container)
{
    add(container).contents = {0, 0, 0};
    m_open.push_back({m_values.size() - 1, m_texts.size(), nullptr});
}

JsonTree::Value JsonTree::close()
{
    const std::size_t at = m_open.back().at;
    m_values[at].contents.end = m_values.size();
    m_open.pop_back();
    return Value(this, at);
}

JsonTree::Value JsonTree::innermost() const
{
    return Value(this, m_open.back().at);
}

void JsonTree::dropContents()
{
    Open &container = m_open.back();
    m_values.resize(container.at + 1);
    m_texts.resize(container.textsAt);
    m_values[container.at].contents = {0, 0, 0};
    container.unknownNames.reset();
}

JsonTree::Value JsonTree::root() const
{
    return Value(this, 0);
}

std::size_t JsonTree::after(std::size_t at) const
{
    const Slot &slot = m_values[at];
    return slot.type == Type::Object || slot.type == Type::List ? slot.contents.end : at + 1;
}

JsonTree::Value::Iterator JsonTree::Value::begin() const
{
    return Iterator(m_tree, m_at + 1);
}

JsonTree::Value::Iterator JsonTree::Value::end() const
{
    return Iterator(m_tree, slot().contents.end);
}

JsonTree::Value JsonTree::Value::member(std::uint8_t nameId) const
{
    if (!has(nameId))
        return Value();
    for (const Value value : *this) {
        if (value.slot().nameId == nameId)
            return value;
    }
    return Value();
}

} // namespace VelmarisEditor
