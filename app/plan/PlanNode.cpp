#include "app/plan/PlanNode.h"

#include "app/plan/Excerpt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace VelmarisEditor {

namespace {

constexpr std::array<std::string_view, std::size_t(Field::MultiLine) + 1> s_fieldNames{
    "format", "version", "labels", "objects",
    "id", "kind", "type", "name", "properties",
    "key", "category", "position", "visible", "labelEditable", "unit", "min", "max", "values", "active", "lots",
    "automatic", "editable", "shown", "rangeApplied", "value", "noValue", "modified", "multiLine",
};

} // namespace

const KnownNames &fieldNames()
{
    static const KnownNames names(s_fieldNames);
    return names;
}

std::string_view nameOf(Field field)
{
    return s_fieldNames[static_cast<std::size_t>(field)];
}

void PlanNode::refuse(const QString &problem) const
{
    throw Refusal{place(), problem};
}

QString PlanNode::place() const
{
    const QString parent = m_parent ? m_parent->place() : QString();
    if (m_index >= 0)
        return parent + QStringLiteral("[%1]").arg(m_index);
    if (m_name.empty())
        return parent;
    const QString shown = excerpt(QString::fromUtf8(m_name.data(), static_cast<int>(m_name.size())));
    return parent.isEmpty() ? shown : parent + QLatin1Char('.') + shown;
}

std::vector<PlanNode> PlanNode::members() const
{
    std::vector<PlanNode> result;
    for (const JsonTree::Value member : object())
        result.emplace_back(member, this, member.name());
    std::sort(result.begin(), result.end(), [](const PlanNode &a, const PlanNode &b) { return a.m_name < b.m_name; });
    return result;
}

std::string_view PlanNode::utf8() const
{
    if (!is(JsonTree::Type::Text))
        refuse(expected("a text"));
    return m_value.text();
}

QString PlanNode::text() const
{
    const std::string_view text = utf8();
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

std::string_view PlanNode::key() const
{
    const std::string_view key = utf8();
    if (key.find('\0') != std::string_view::npos)
        refuse(QStringLiteral("the key \"%1\" holds a NUL character").arg(excerpt(text())));
    return key;
}

bool PlanNode::flag() const
{
    if (!is(JsonTree::Type::Boolean))
        refuse(expected("true or false"));
    return m_value.flag();
}

double PlanNode::number() const
{
    if (is(JsonTree::Type::Integer))
        return static_cast<double>(m_value.integer());
    if (is(JsonTree::Type::Unsigned))
        return static_cast<double>(m_value.natural());
    if (!is(JsonTree::Type::Float))
        refuse(expected("a number"));
    return m_value.floating();
}

int PlanNode::whole() const
{
    // Integers are checked as written: through a double a huge one could look whole and in range.
    if (is(JsonTree::Type::Unsigned)) {
        if (m_value.natural() > std::uint64_t(std::numeric_limits<int>::max()))
            refuseOutOfRange(QString::number(m_value.natural()));
        return static_cast<int>(m_value.natural());
    }
    if (is(JsonTree::Type::Integer)) {
        if (m_value.integer() < std::numeric_limits<int>::min() || m_value.integer() > std::numeric_limits<int>::max())
            refuseOutOfRange(QString::number(m_value.integer()));
        return static_cast<int>(m_value.integer());
    }
    const double value = number();
    if (value != std::trunc(value))
        refuse(QStringLiteral("expected a whole number, found %1").arg(value));
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        refuseOutOfRange(QString::number(value));
    return static_cast<int>(value);
}

JsonTree::Value PlanNode::object() const
{
    if (!is(JsonTree::Type::Object))
        refuse(expected("an object"));
    return m_value;
}

JsonTree::Value PlanNode::list() const
{
    if (!is(JsonTree::Type::List))
        refuse(expected("a list"));
    return m_value;
}

void PlanNode::refuseOutOfRange(const QString &shown) const
{
    refuse(QStringLiteral("the whole number %1 is out of range").arg(shown));
}

QString PlanNode::expected(const char *what) const
{
    if (!m_value.exists())
        return QStringLiteral("missing, expected %1").arg(QLatin1String(what));
    return QStringLiteral("expected %1").arg(QLatin1String(what));
}

} // namespace VelmarisEditor
