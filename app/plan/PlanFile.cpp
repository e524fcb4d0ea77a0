#include "app/plan/PlanFile.h"

#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include "app/plan/Excerpt.h"
#include "app/plan/PlanFormat.h"
#include "app/plan/StrictJson.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

using namespace CCAPIBaseCommon;

namespace VelmarisEditor {

namespace {

// A multiple of any page size.
constexpr std::size_t s_releaseStep = 16 << 20;

qint64 physicalMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0;
}

// Raised while reading a plan; caught at the entry points, which turn it into a PlanError.
struct Refusal
{
    QString place;
    QString problem;
};

// Every member name the reader looks up; s_fieldNames spells them in the same order.
enum class Field : std::uint8_t {
    Format, Version, Labels, Objects,
    Id, Kind, Type, Name, Properties,
    Key, Category, Position, Visible, LabelEditable, Unit, Min, Max, Values, Active, Lots, Automatic,
    Editable, Shown, RangeApplied, Value, NoValue, Modified, MultiLine,
};
constexpr std::array<std::string_view, std::size_t(Field::MultiLine) + 1> s_fieldNames{
    "format", "version", "labels", "objects",
    "id", "kind", "type", "name", "properties",
    "key", "category", "position", "visible", "labelEditable", "unit", "min", "max", "values", "active", "lots", "automatic",
    "editable", "shown", "rangeApplied", "value", "noValue", "modified", "multiLine",
};

const KnownNames &fieldNames()
{
    static const KnownNames names(s_fieldNames);
    return names;
}

std::string_view nameOf(Field field)
{
    return s_fieldNames[static_cast<std::size_t>(field)];
}

// A JSON value together with where it stands in the file, for messages; missing when the file
// leaves it out. The place is spelled out only for a message: reading a plan looks up millions of
// fields.
class Node
{
public:
    // Either the top of the file or, with a parent that outlives it, a member or an element of it.
    explicit Node(JsonTree::Value value, const Node *parent = nullptr, std::string_view name = {}, std::int64_t index = -1)
        : m_value(value)
        , m_parent(parent)
        , m_name(name)
        , m_index(index)
    {
    }

    [[noreturn]] void refuse(const QString &problem) const { throw Refusal{place(), problem}; }

    bool has(Field field) const { return object().has(static_cast<std::uint8_t>(field)); }
    Node operator[](Field field) const
    {
        return Node(object().member(static_cast<std::uint8_t>(field)), this, nameOf(field));
    }
    int size() const { return static_cast<int>(list().size()); }
    template<typename Visit>
    void forEach(Visit visit) const
    {
        int index = 0;
        for (const JsonTree::Value element : list())
            visit(Node(element, this, {}, index++));
    }
    // In the order of their names, whatever the file's.
    std::vector<Node> members() const
    {
        std::vector<Node> result;
        for (const JsonTree::Value member : object())
            result.emplace_back(member, this, member.name());
        std::sort(result.begin(), result.end(), [](const Node &a, const Node &b) { return a.m_name < b.m_name; });
        return result;
    }
    std::string_view name() const { return m_name; }

    QString place() const
    {
        const QString parent = m_parent ? m_parent->place() : QString();
        if (m_index >= 0)
            return parent + QStringLiteral("[%1]").arg(m_index);
        if (m_name.empty())
            return parent;
        const QString shown = excerpt(QString::fromUtf8(m_name.data(), static_cast<int>(m_name.size())));
        return parent.isEmpty() ? shown : parent + QLatin1Char('.') + shown;
    }

    std::string_view utf8() const
    {
        if (!is(JsonTree::Type::Text))
            refuse(expected("a text"));
        return m_value.text();
    }
    QString text() const
    {
        const std::string_view text = utf8();
        return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    }
    // Label keys reach the host's translators, which need not keep what follows a NUL.
    std::string_view key() const
    {
        const std::string_view key = utf8();
        if (key.find('\0') != std::string_view::npos)
            refuse(QStringLiteral("the key \"%1\" holds a NUL character").arg(excerpt(text())));
        return key;
    }
    bool flag() const
    {
        if (!is(JsonTree::Type::Boolean))
            refuse(expected("true or false"));
        return m_value.flag();
    }
    double number() const
    {
        if (is(JsonTree::Type::Integer))
            return static_cast<double>(m_value.integer());
        if (is(JsonTree::Type::Unsigned))
            return static_cast<double>(m_value.natural());
        if (!is(JsonTree::Type::Float))
            refuse(expected("a number"));
        return m_value.floating();
    }
    int whole() const
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

    bool flagOr(Field field, bool fallback) const { return has(field) ? (*this)[field].flag() : fallback; }
    std::string_view utf8Or(Field field) const { return has(field) ? (*this)[field].utf8() : std::string_view(); }

private:
    bool is(JsonTree::Type type) const { return m_value.exists() && m_value.type() == type; }

    JsonTree::Value object() const
    {
        if (!is(JsonTree::Type::Object))
            refuse(expected("an object"));
        return m_value;
    }
    JsonTree::Value list() const
    {
        if (!is(JsonTree::Type::List))
            refuse(expected("a list"));
        return m_value;
    }

    [[noreturn]] void refuseOutOfRange(const QString &shown) const
    {
        refuse(QStringLiteral("the whole number %1 is out of range").arg(shown));
    }

    QString expected(const char *what) const
    {
        if (!m_value.exists())
            return QStringLiteral("missing, expected %1").arg(QLatin1String(what));
        return QStringLiteral("expected %1").arg(QLatin1String(what));
    }

    JsonTree::Value m_value;
    const Node *m_parent;
    std::string_view m_name;
    std::int64_t m_index;
};

enum class Kind { Integer, Double, String, Boolean, Enum, MultiDouble, MultiInteger, Unknown };

Kind kindOf(std::string_view name)
{
    static const std::pair<std::string_view, Kind> kinds[] = {
        {"integer", Kind::Integer}, {"double", Kind::Double}, {"string", Kind::String}, {"boolean", Kind::Boolean},
        {"enum", Kind::Enum}, {"multi-double", Kind::MultiDouble}, {"multi-integer", Kind::MultiInteger}};
    for (const auto &[spelled, kind] : kinds) {
        if (spelled == name)
            return kind;
    }
    return Kind::Unknown;
}

std::vector<double> numbers(const Node &list)
{
    std::vector<double> result;
    result.reserve(static_cast<std::size_t>(list.size()));
    list.forEach([&result](const Node &element) { result.push_back(element.number()); });
    return result;
}

// The value of a property description in the form its kind holds it; a choice is held as its
// place among the allowed values.
PropertyValue valueOf(const Node &value, Kind kind, const std::vector<std::string> &allowed)
{
    if (kind == Kind::Integer)
        return value.whole();
    if (kind == Kind::Double)
        return value.number();
    if (kind == Kind::String)
        return std::string(value.utf8());
    if (kind == Kind::Boolean)
        return value.flag();
    const std::string_view key = value.key();
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        if (allowed[i] == key)
            return static_cast<int>(i);
    }
    value.refuse(QStringLiteral("value \"%1\" is not one of the allowed values").arg(excerpt(value.text())));
}

// The fields a kind does not use are checked all the same: a field of the wrong type is a
// mistake in the file whichever kind it stands on.
void checkUnusedFields(const Node &node, Kind kind, bool multi)
{
    if (multi) {
        if (node.has(Field::Value))
            valueOf(node[Field::Value], kind == Kind::MultiInteger ? Kind::Integer : Kind::Double, {});
    } else {
        if (node.has(Field::Active))
            node[Field::Active].whole();
        node.flagOr(Field::Lots, false);
        if (node.has(Field::Values) && kind != Kind::Enum)
            node[Field::Values].size();
    }
    if (kind != Kind::String)
        node.flagOr(Field::MultiLine, false);
}

std::shared_ptr<CostProperty> readProperty(const Node &node)
{
    LabelKey key(std::string(node[Field::Key].key()), std::string(node[Field::Category].key()),
                       node.has(Field::Position) ? node[Field::Position].whole() : 0, node.flagOr(Field::Visible, true),
                       node.flagOr(Field::LabelEditable, true));
    const Kind kind = kindOf(node[Field::Kind].utf8());
    const std::string unit(node.utf8Or(Field::Unit));
    // An integer property keeps its bounds as int, so they must be whole numbers that fit one.
    const bool integral = kind == Kind::Integer;
    const auto bound = [&node, integral](Field field, double unbounded) -> double {
        if (!node.has(field))
            return unbounded;
        return integral ? node[field].whole() : node[field].number();
    };
    const double min = bound(Field::Min, unboundedMinimum(integral));
    const double max = bound(Field::Max, unboundedMaximum(integral));
    if (min > max)
        node[Field::Min].refuse(QStringLiteral("min %1 is greater than max %2").arg(min).arg(max));

    std::shared_ptr<CostProperty> property;
    std::vector<std::string> allowed;
    PropertyValue current;
    const bool multi = kind == Kind::MultiDouble || kind == Kind::MultiInteger;
    if (multi) {
        const Kind numberKind = kind == Kind::MultiInteger ? Kind::Integer : Kind::Double;
        const int valueType = numberKind == Kind::Integer ? BaseMultiProperty::IntegerValues : BaseMultiProperty::DoubleValues;
        const Node valuesNode = node[Field::Values];
        std::vector<double> values = numbers(valuesNode);
        if (numberKind == Kind::Integer) {
            auto whole = values.begin();
            valuesNode.forEach([&whole](const Node &element) { *whole++ = element.whole(); });
        }
        const int type = node.flagOr(Field::Lots, false) ? MultiLotPropertyType : MultiValuePropertyType;
        auto made = std::make_shared<BaseMultiProperty>(std::move(key), type, valueType, values, unit, min, max);
        const int active = node.has(Field::Active) ? node[Field::Active].whole() : 0;
        if (active < 0 || active >= static_cast<int>(values.size()))
            node[node.has(Field::Active) ? Field::Active : Field::Values].refuse(
                QStringLiteral("active variant %1 is not one of the %2 values").arg(active).arg(values.size()));
        made->setActiveIndex(active);
        current = made->value();
        if (node.has(Field::Automatic))
            made->restore({valueOf(node[Field::Automatic], numberKind, {}), false, false});
        made->markCurrentStateAutomatic();
        property = made;
    } else {
        if (kind == Kind::Enum)
            node[Field::Values].forEach([&allowed](const Node &element) { allowed.emplace_back(element.key()); });
        else if (kind == Kind::Unknown)
            node[Field::Kind].refuse(QStringLiteral("unknown property kind \"%1\"").arg(excerpt(node[Field::Kind].text())));
        const Node automaticNode = node[node.has(Field::Automatic) ? Field::Automatic : Field::Value];
        PropertyValue automatic = valueOf(automaticNode, kind, allowed);
        if (kind == Kind::Integer)
            property = std::make_shared<CostPropertyInteger>(std::move(key), std::get<int>(automatic), unit,
                                                             static_cast<int>(min), static_cast<int>(max));
        else if (kind == Kind::Double)
            property = std::make_shared<CostPropertyDouble>(std::move(key), std::get<double>(automatic), unit, min, max);
        else if (kind == Kind::String)
            property = std::make_shared<CostPropertyString>(std::move(key), std::move(std::get<std::string>(automatic)),
                                                            node.flagOr(Field::MultiLine, false));
        else if (kind == Kind::Boolean)
            property = std::make_shared<CostPropertyBoolean>(std::move(key), std::get<bool>(automatic));
        else
            property = std::make_shared<CostPropertyEnum>(std::move(key), allowed, std::get<int>(automatic));
    }

    property->setEditable(node.flagOr(Field::Editable, true));
    property->setPropertyVisible(node.flagOr(Field::Shown, true));
    property->setRangeApplied(node.flagOr(Field::RangeApplied, false));
    if (!multi)
        current = valueOf(node[Field::Value], kind, allowed);
    property->restore({std::move(current), node.flagOr(Field::NoValue, false), node.flagOr(Field::Modified, false)});
    checkUnusedFields(node, kind, multi);
    return property;
}

std::shared_ptr<CCAPIProcessLayout::TSObject> ownerOf(const Node &node)
{
    const std::string_view kind = node[Field::Kind].utf8();
    const std::string type(node[Field::Type].key());
    const std::string name(node.utf8Or(Field::Name));
    if (kind == "feature")
        return std::make_shared<CCAPIProcessLayout::BaseFeature>(type, name);
    if (kind == "assembly")
        return std::make_shared<CCAPIProcessLayout::BaseBaseAssembly>(type, name);
    if (kind == "operation" || kind == "tool")
        return std::make_shared<CCAPIProcessLayout::TSObject>(type, name);
    node[Field::Kind].refuse(QStringLiteral("unknown object kind \"%1\"").arg(excerpt(node[Field::Kind].text())));
}

void readObject(const Node &node, PlanDocument &plan)
{
    PlanObject object;
    object.id = node[Field::Id].whole();
    if (plan.object(object.id))
        node[Field::Id].refuse(QStringLiteral("duplicate object id %1").arg(object.id));
    object.kind = node[Field::Kind].utf8();
    object.owner = ownerOf(node);
    object.object = std::make_shared<Velmaris::Object>(object.id);
    const Node properties = node[Field::Properties];
    object.reserve(static_cast<std::size_t>(properties.size()));
    properties.forEach([&object](const Node &description) {
        const Node key = description[Field::Key];
        if (object.property(std::string(key.key())))
            key.refuse(QStringLiteral("duplicate property key \"%1\"").arg(excerpt(key.text())));
        std::shared_ptr<CostProperty> property = readProperty(description);
        property->setOwnerObject(object.owner.get());
        object.addProperty(Velmaris::PropertySignalContainer::make(std::move(property), object.object));
    });
    plan.addObject(std::move(object));
}

// What stands beside the objects, which were read one by one while the file was parsed.
void readFrame(const Node &root, PlanDocument &plan)
{
    const QString format = QLatin1String(s_planFormat);
    if (!root.has(Field::Format))
        throw Refusal{QString(), QStringLiteral("is not a plan file: it has no \"format\": \"%1\"").arg(format)};
    if (root[Field::Format].text() != format)
        root[Field::Format].refuse(QStringLiteral("\"%1\" is not a plan file's format (expected \"%2\")")
                                       .arg(excerpt(root[Field::Format].text()), format));
    if (root[Field::Version].whole() != s_planVersion)
        root[Field::Version].refuse(QStringLiteral("version %1 is not supported (expected %2)")
                                        .arg(root[Field::Version].whole()).arg(s_planVersion));
    if (root.has(Field::Labels)) {
        const Node labels = root[Field::Labels];
        for (const Node &table : labels.members()) {
            const std::string language(table.name());
            for (const Node &label : table.members())
                plan.labels.setLabel(std::string(label.name()), std::string(label.utf8()), language);
        }
    }
    root[Field::Objects].size(); // a list, though empty here
}

} // namespace

QString PlanError::message() const
{
    return place.isEmpty() ? QStringLiteral("%1: %2").arg(escaped(file), problem)
                           : QStringLiteral("%1: %2: %3").arg(escaped(file), place, problem);
}

namespace {

std::unique_ptr<PlanDocument> parseText(std::string_view json, const QString &sourceName, PlanError *error,
                                        WorkProgress *progress, const std::function<void(std::size_t)> &readUpTo)
{
    if (progress)
        progress->total = static_cast<std::int64_t>(json.size());
    auto plan = std::make_unique<PlanDocument>();
    bool cancelled = false;
    const Node objectList(JsonTree::Value(), nullptr, nameOf(Field::Objects));
    const auto take = [&](JsonTree::Value element, std::size_t index, std::size_t bytesRead, JsonRefusal *refusal) {
        if (progress) {
            progress->done = static_cast<std::int64_t>(bytesRead);
            if (progress->cancelled) {
                cancelled = true;
                *refusal = {QString(), QStringLiteral("reading was cancelled")};
                return false;
            }
        }
        if (readUpTo)
            readUpTo(bytesRead);
        try {
            readObject(Node(element, &objectList, {}, static_cast<std::int64_t>(index)), *plan);
            return true;
        } catch (const Refusal &refused) {
            *refusal = {refused.place, refused.problem};
            return false;
        }
    };
    const StreamedList objects{std::string(nameOf(Field::Objects)), take};
    JsonRefusal syntax;
    const std::optional<JsonTree> document = parseStrictJson(json, fieldNames(), &syntax, &objects);
    if (!document) {
        *error = {sourceName, syntax.place, syntax.problem, cancelled};
        return nullptr;
    }
    if (document->root().type() != JsonTree::Type::Object) {
        *error = {sourceName, QString(), QStringLiteral("expected a plan object at the top")};
        return nullptr;
    }
    try {
        readFrame(Node(document->root()), *plan);
    } catch (const Refusal &refusal) {
        *error = {sourceName, refusal.place, refusal.problem};
        return nullptr;
    }
    if (progress)
        progress->done = static_cast<std::int64_t>(json.size());
    return plan;
}

} // namespace

std::unique_ptr<PlanDocument> parsePlan(std::string_view json, const QString &sourceName, PlanError *error,
                                        WorkProgress *progress)
{
    return parseText(json, sourceName, error, progress, {});
}

std::unique_ptr<PlanDocument> loadPlan(const QString &path, PlanError *error, FileIdentity *identity,
                                       WorkProgress *progress)
{
    const auto refuse = [&](const QString &problem) {
        *error = {path, QString(), problem};
        return nullptr;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return refuse(QStringLiteral("is a directory, not a plan file"));
    if (!info.exists())
        return refuse(QStringLiteral("no such file"));
    // A device or a pipe may have no end; a plan is always a file.
    if (!info.isFile())
        return refuse(QStringLiteral("is not a regular file"));
    if (const qint64 memory = physicalMemory(); memory > 0 && info.size() > memory)
        return refuse(QStringLiteral("is %1, larger than the %2 of memory this computer has")
                          .arg(QLocale::c().formattedDataSize(info.size()), QLocale::c().formattedDataSize(memory)));
    const FileIdentity before = FileIdentity::ofFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot be read: %1").arg(file.errorString()));
    // Mapped rather than copied: a plan may be larger than a QByteArray can hold, and mapped
    // pages cost no memory of their own. Embedded resources cannot always be mapped.
    std::string_view bytes;
    QByteArray copy;
    if (const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr) {
        bytes = std::string_view(reinterpret_cast<const char *>(mapped), static_cast<std::size_t>(file.size()));
    } else {
        copy = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return refuse(QStringLiteral("cannot be read: %1").arg(file.errorString()));
        bytes = std::string_view(copy.constData(), static_cast<std::size_t>(copy.size()));
    }
    if (identity) {
        *identity = before;
        identity->hash = FileIdentity::hashOf(bytes.data(), bytes.size());
    }
    // Pages of the file already parsed are handed back as the parser moves on: the plan then
    // needs memory for its objects only, not for the file beside them. They stay readable (a
    // message places a refusal by reading from the start again).
    std::size_t released = 0;
    const auto release = [&](std::size_t readUpTo) {
        const std::size_t upTo = readUpTo & ~(s_releaseStep - 1);
        if (copy.isEmpty() && upTo > released) {
            ::madvise(const_cast<char *>(bytes.data()) + released, upTo - released, MADV_DONTNEED);
            released = upTo;
        }
    };
    return parseText(bytes, path, error, progress, release);
}

} // namespace VelmarisEditor
