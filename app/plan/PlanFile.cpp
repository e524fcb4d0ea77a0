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

#include <cmath>
#include <functional>
#include <cstdint>
#include <limits>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

using namespace CCAPIBaseCommon;
using Json = nlohmann::json;

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

// A JSON value together with where it stands in the file, for messages; null when missing. The
// place is spelled out only for a message: reading a plan looks up millions of fields.
class Node
{
public:
    Node(const Json *value, QString place) : m_value(value), m_place(std::move(place)) {}

    [[noreturn]] void refuse(const QString &problem) const { throw Refusal{place(), problem}; }

    bool has(std::string_view name) const { return object().find(name) != object().end(); }
    Node operator[](std::string_view name) const
    {
        const auto found = object().find(name);
        return Node(found == object().end() ? nullptr : &*found, this, name, -1);
    }
    Node at(int i) const { return Node(&array().at(static_cast<std::size_t>(i)), this, {}, i); }
    int size() const { return static_cast<int>(array().size()); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto &member : object().items())
            result.push_back(member.key());
        return result;
    }

    QString place() const
    {
        if (!m_parent)
            return m_place;
        const QString parent = m_parent->place();
        if (m_index >= 0)
            return parent + QStringLiteral("[%1]").arg(m_index);
        const QString shown = excerpt(QString::fromUtf8(m_name.data(), static_cast<int>(m_name.size())));
        return parent.isEmpty() ? shown : parent + QLatin1Char('.') + shown;
    }

    const std::string &utf8() const
    {
        if (!is(&Json::is_string))
            refuse(expected("a text"));
        return m_value->get_ref<const std::string &>();
    }
    QString text() const { return QString::fromStdString(utf8()); }
    // Label keys reach the host's translators, which need not keep what follows a NUL.
    const std::string &key() const
    {
        const std::string &key = utf8();
        if (key.find('\0') != std::string::npos)
            refuse(QStringLiteral("the key \"%1\" holds a NUL character").arg(excerpt(text())));
        return key;
    }
    bool flag() const
    {
        if (!is(&Json::is_boolean))
            refuse(expected("true or false"));
        return m_value->get<bool>();
    }
    double number() const
    {
        if (!is(&Json::is_number))
            refuse(expected("a number"));
        return m_value->get<double>();
    }
    int whole() const
    {
        // Integers are checked as written: through a double a huge one could look whole and in range.
        if (is(&Json::is_number_integer)) {
            const bool fits = is(&Json::is_number_unsigned)
                                  ? m_value->get<std::uint64_t>() <= std::numeric_limits<int>::max()
                                  : m_value->get<std::int64_t>() >= std::numeric_limits<int>::min()
                                        && m_value->get<std::int64_t>() <= std::numeric_limits<int>::max();
            if (!fits)
                refuseOutOfRange(QString::fromStdString(m_value->dump()));
            return m_value->get<int>();
        }
        const double value = number();
        if (value != std::trunc(value))
            refuse(QStringLiteral("expected a whole number, found %1").arg(value));
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            refuseOutOfRange(QString::number(value));
        return static_cast<int>(value);
    }

    bool flagOr(std::string_view name, bool fallback) const
    {
        const Node field = (*this)[name];
        return field.m_value ? field.flag() : fallback;
    }
    std::string utf8Or(std::string_view name, const std::string &fallback) const
    {
        const Node field = (*this)[name];
        return field.m_value ? field.utf8() : fallback;
    }

private:
    Node(const Json *value, const Node *parent, std::string_view name, int index)
        : m_value(value)
        , m_parent(parent)
        , m_name(name)
        , m_index(index)
    {
    }

    bool is(bool (Json::*test)() const noexcept) const { return m_value && (m_value->*test)(); }

    const Json &object() const
    {
        if (!is(&Json::is_object))
            refuse(expected("an object"));
        return *m_value;
    }
    const Json &array() const
    {
        if (!is(&Json::is_array))
            refuse(expected("a list"));
        return *m_value;
    }

    [[noreturn]] void refuseOutOfRange(const QString &shown) const
    {
        refuse(QStringLiteral("the whole number %1 is out of range").arg(shown));
    }

    QString expected(const char *what) const
    {
        if (!m_value)
            return QStringLiteral("missing, expected %1").arg(QLatin1String(what));
        return QStringLiteral("expected %1").arg(QLatin1String(what));
    }

    const Json *m_value;
    // Either a place of its own or a parent and the name or index within it; the parent
    // outlives the node.
    QString m_place;
    const Node *m_parent = nullptr;
    std::string_view m_name;
    int m_index = -1;
};

std::vector<double> numbers(const Node &list)
{
    std::vector<double> result;
    for (int i = 0; i < list.size(); ++i)
        result.push_back(list.at(i).number());
    return result;
}

// The value of a property description in the form its kind holds it.
PropertyValue valueOf(const Node &value, const QString &kind, const std::vector<std::string> &allowed)
{
    if (kind == QLatin1String("integer"))
        return value.whole();
    if (kind == QLatin1String("double"))
        return value.number();
    if (kind == QLatin1String("string"))
        return value.utf8();
    if (kind == QLatin1String("boolean"))
        return value.flag();
    const std::string &key = value.key();
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        if (allowed[i] == key)
            return static_cast<int>(i);
    }
    value.refuse(QStringLiteral("value \"%1\" is not one of the allowed values").arg(excerpt(value.text())));
}

// The fields a kind does not use are checked all the same: a field of the wrong type is a
// mistake in the file whichever kind it stands on.
void checkUnusedFields(const Node &node, const QString &kind, bool multi)
{
    if (multi) {
        if (node.has("value"))
            valueOf(node["value"], kind == QLatin1String("multi-integer") ? QStringLiteral("integer")
                                                                           : QStringLiteral("double"), {});
    } else {
        if (node.has("active"))
            node["active"].whole();
        node.flagOr("lots", false);
        if (node.has("values") && kind != QLatin1String("enum"))
            node["values"].size();
    }
    if (kind != QLatin1String("string"))
        node.flagOr("multiLine", false);
}

std::shared_ptr<BaseProperty> readProperty(const Node &node)
{
    const LabelKey key(node["key"].key(), node["category"].key(),
                       node.has("position") ? node["position"].whole() : 0, node.flagOr("visible", true),
                       node.flagOr("labelEditable", true));
    const QString kind = node["kind"].text();
    const std::string unit = node.utf8Or("unit", {});
    // An integer property keeps its bounds as int, so they must be whole numbers that fit one.
    const bool integral = kind == QLatin1String("integer");
    const auto bound = [&node, integral](const char *name, double unbounded) -> double {
        if (!node.has(name))
            return unbounded;
        return integral ? node[name].whole() : node[name].number();
    };
    const double min = bound("min", unboundedMinimum(integral));
    const double max = bound("max", unboundedMaximum(integral));
    if (min > max)
        node["min"].refuse(QStringLiteral("min %1 is greater than max %2").arg(min).arg(max));

    std::shared_ptr<BaseProperty> property;
    std::vector<std::string> allowed;
    PropertyValue current;
    const bool multi = kind == QLatin1String("multi-double") || kind == QLatin1String("multi-integer");
    if (multi) {
        const int valueType = kind == QLatin1String("multi-double") ? BaseMultiProperty::DoubleValues
                                                                    : BaseMultiProperty::IntegerValues;
        std::vector<double> values = numbers(node["values"]);
        if (valueType == BaseMultiProperty::IntegerValues) {
            for (int i = 0; i < node["values"].size(); ++i)
                values[static_cast<std::size_t>(i)] = node["values"].at(i).whole();
        }
        const int type = node.flagOr("lots", false) ? MultiLotPropertyType : MultiValuePropertyType;
        auto made = std::make_shared<BaseMultiProperty>(key, type, valueType, values, unit, min, max);
        const int active = node.has("active") ? node["active"].whole() : 0;
        if (active < 0 || active >= static_cast<int>(values.size()))
            node[node.has("active") ? "active" : "values"].refuse(
                QStringLiteral("active variant %1 is not one of the %2 values").arg(active).arg(values.size()));
        made->setActiveIndex(active);
        current = made->value();
        if (node.has("automatic")) {
            const QString numberKind = valueType == BaseMultiProperty::IntegerValues ? QStringLiteral("integer")
                                                                                     : QStringLiteral("double");
            made->restore({valueOf(node["automatic"], numberKind, {}), false, false});
        }
        made->markCurrentStateAutomatic();
        property = made;
    } else {
        if (kind == QLatin1String("enum")) {
            const Node values = node["values"];
            for (int i = 0; i < values.size(); ++i)
                allowed.push_back(values.at(i).key());
        } else if (kind != QLatin1String("integer") && kind != QLatin1String("double")
                   && kind != QLatin1String("string") && kind != QLatin1String("boolean")) {
            node["kind"].refuse(QStringLiteral("unknown property kind \"%1\"").arg(excerpt(kind)));
        }
        const Node automaticNode = node.has("automatic") ? node["automatic"] : node["value"];
        const PropertyValue automatic = valueOf(automaticNode, kind, allowed);
        if (kind == QLatin1String("integer"))
            property = std::make_shared<CostPropertyInteger>(key, std::get<int>(automatic), unit,
                                                             static_cast<int>(min), static_cast<int>(max));
        else if (kind == QLatin1String("double"))
            property = std::make_shared<CostPropertyDouble>(key, std::get<double>(automatic), unit, min, max);
        else if (kind == QLatin1String("string"))
            property = std::make_shared<CostPropertyString>(key, std::get<std::string>(automatic),
                                                            node.flagOr("multiLine", false));
        else if (kind == QLatin1String("boolean"))
            property = std::make_shared<CostPropertyBoolean>(key, std::get<bool>(automatic));
        else
            property = std::make_shared<CostPropertyEnum>(key, allowed, std::get<int>(automatic));
    }

    if (auto *cost = dynamic_cast<CostProperty *>(property.get()))
        cost->setEditable(node.flagOr("editable", true));
    property->setPropertyVisible(node.flagOr("shown", true));
    property->setRangeApplied(node.flagOr("rangeApplied", false));
    if (!multi)
        current = valueOf(node["value"], kind, allowed);
    property->restore({current, node.flagOr("noValue", false), node.flagOr("modified", false)});
    checkUnusedFields(node, kind, multi);
    return property;
}

std::shared_ptr<CCAPIProcessLayout::TSObject> ownerOf(const Node &node)
{
    const QString kind = node["kind"].text();
    const std::string &type = node["type"].key();
    const std::string name = node.utf8Or("name", {});
    if (kind == QLatin1String("feature"))
        return std::make_shared<CCAPIProcessLayout::BaseFeature>(type, name);
    if (kind == QLatin1String("assembly"))
        return std::make_shared<CCAPIProcessLayout::BaseBaseAssembly>(type, name);
    if (kind == QLatin1String("operation") || kind == QLatin1String("tool"))
        return std::make_shared<CCAPIProcessLayout::TSObject>(type, name);
    node["kind"].refuse(QStringLiteral("unknown object kind \"%1\"").arg(excerpt(kind)));
}

void readObject(const Node &node, PlanDocument &plan)
{
    PlanObject object;
    object.id = node["id"].whole();
    if (plan.object(object.id))
        node["id"].refuse(QStringLiteral("duplicate object id %1").arg(object.id));
    object.kind = node["kind"].utf8();
    object.owner = ownerOf(node);
    object.object = std::make_shared<Velmaris::Object>(object.id);
    const Node properties = node["properties"];
    object.reserve(static_cast<std::size_t>(properties.size()));
    for (int p = 0; p < properties.size(); ++p) {
        const Node description = properties.at(p);
        if (object.property(description["key"].key()))
            description["key"].refuse(QStringLiteral("duplicate property key \"%1\"")
                                          .arg(excerpt(description["key"].text())));
        std::shared_ptr<BaseProperty> property = readProperty(description);
        property->setOwnerObject(object.owner.get());
        object.addProperty(Velmaris::PropertySignalContainer::make(property, object.object));
    }
    plan.addObject(std::move(object));
}

// What stands beside the objects, which were read one by one while the file was parsed.
void readFrame(const Node &root, PlanDocument &plan)
{
    const QString format = QLatin1String(s_planFormat);
    if (!root.has("format"))
        throw Refusal{QString(), QStringLiteral("is not a plan file: it has no \"format\": \"%1\"").arg(format)};
    if (root["format"].text() != format)
        root["format"].refuse(QStringLiteral("\"%1\" is not a plan file's format (expected \"%2\")")
                                  .arg(excerpt(root["format"].text()), format));
    if (root["version"].whole() != s_planVersion)
        root["version"].refuse(QStringLiteral("version %1 is not supported (expected %2)")
                                   .arg(root["version"].whole()).arg(s_planVersion));
    if (root.has("labels")) {
        const Node labels = root["labels"];
        for (const std::string &language : labels.names()) {
            const Node table = labels[language];
            for (const std::string &key : table.names())
                plan.labels.setLabel(key, table[key].utf8(), language);
        }
    }
    root["objects"].size(); // a list, though empty here
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
    const auto take = [&](Json &element, std::size_t index, std::size_t bytesRead, JsonRefusal *refusal) {
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
            readObject(Node(&element, QStringLiteral("objects[%1]").arg(index)), *plan);
            return true;
        } catch (const Refusal &refused) {
            *refusal = {refused.place, refused.problem};
            return false;
        }
    };
    const StreamedList objects{"objects", take};
    JsonRefusal syntax;
    const std::optional<Json> document = parseStrictJson(json, &syntax, &objects);
    if (!document) {
        *error = {sourceName, syntax.place, syntax.problem, cancelled};
        return nullptr;
    }
    if (!document->is_object()) {
        *error = {sourceName, QString(), QStringLiteral("expected a plan object at the top")};
        return nullptr;
    }
    try {
        readFrame(Node(&*document, QString()), *plan);
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
