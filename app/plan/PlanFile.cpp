#include "app/plan/PlanFile.h"

#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include "app/plan/Excerpt.h"
#include "app/plan/FileReplacement.h"
#include "app/plan/StrictJson.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

using namespace CCAPIBaseCommon;
using Json = nlohmann::json;

namespace VelmarisEditor {

namespace {

const QString s_format = QStringLiteral("velmaris-plan");
constexpr int s_version = 1;
// Far above any real plan; refusing early keeps a stray huge file from freezing the editor.
constexpr qint64 s_maximumFileSize = 32 * 1024 * 1024;

// Raised while reading a plan; caught at the entry points, which turn it into a PlanError.
struct Refusal
{
    QString place;
    QString problem;
};

// A JSON value together with where it stands in the file, for messages; null when missing.
class Node
{
public:
    Node(const Json *value, QString place) : m_value(value), m_place(std::move(place)) {}

    [[noreturn]] void refuse(const QString &problem) const { throw Refusal{m_place, problem}; }

    bool has(const std::string &name) const { return object().contains(name); }
    Node operator[](const std::string &name) const
    {
        const auto found = object().find(name);
        const QString shown = excerpt(QString::fromStdString(name));
        return Node(found == object().end() ? nullptr : &*found,
                    m_place.isEmpty() ? shown : m_place + QLatin1Char('.') + shown);
    }
    Node at(int i) const { return Node(&array().at(static_cast<std::size_t>(i)), m_place + QStringLiteral("[%1]").arg(i)); }
    int size() const { return static_cast<int>(array().size()); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto &member : object().items())
            result.push_back(member.key());
        return result;
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

    bool flagOr(const char *name, bool fallback) const { return has(name) ? (*this)[name].flag() : fallback; }
    std::string utf8Or(const char *name, const std::string &fallback) const
    {
        return has(name) ? (*this)[name].utf8() : fallback;
    }

private:
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
    QString m_place;
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
    const double min = bound("min", integral ? std::numeric_limits<int>::min() : std::numeric_limits<double>::lowest());
    const double max = bound("max", integral ? std::numeric_limits<int>::max() : std::numeric_limits<double>::max());
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

void readPlan(const Node &root, PlanDocument &plan)
{
    if (root["format"].text() != s_format)
        root["format"].refuse(QStringLiteral("expected \"%1\"").arg(s_format));
    if (root["version"].whole() != s_version)
        root["version"].refuse(QStringLiteral("version %1 is not supported (expected %2)")
                                   .arg(root["version"].whole()).arg(s_version));
    if (root.has("labels")) {
        const Node labels = root["labels"];
        for (const std::string &language : labels.names()) {
            const Node table = labels[language];
            for (const std::string &key : table.names())
                plan.labels.setLabel(key, table[key].utf8(), language);
        }
    }
    const Node objects = root["objects"];
    plan.reserve(static_cast<std::size_t>(objects.size()));
    for (int i = 0; i < objects.size(); ++i) {
        const Node node = objects.at(i);
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
}

QJsonValue jsonOf(const PropertyValue &value, const std::vector<std::string> *allowed)
{
    if (const bool *b = std::get_if<bool>(&value))
        return *b;
    if (const int *i = std::get_if<int>(&value)) {
        if (allowed && *i >= 0 && static_cast<std::size_t>(*i) < allowed->size())
            return QString::fromStdString((*allowed)[static_cast<std::size_t>(*i)]);
        return *i;
    }
    if (const double *d = std::get_if<double>(&value))
        return *d;
    if (const std::string *s = std::get_if<std::string>(&value))
        return QString::fromStdString(*s);
    return QJsonValue();
}

QString kindName(const BaseProperty &property)
{
    switch (property.getPropertyType()) {
    case IntegerPropertyType: return QStringLiteral("integer");
    case DoublePropertyType: return QStringLiteral("double");
    case StringPropertyType: return QStringLiteral("string");
    case BooleanPropertyType: return QStringLiteral("boolean");
    case EnumPropertyType: return QStringLiteral("enum");
    default:
        return static_cast<const BaseMultiProperty &>(property).getValueType() == BaseMultiProperty::DoubleValues
                   ? QStringLiteral("multi-double")
                   : QStringLiteral("multi-integer");
    }
}

QJsonObject jsonOf(const BaseProperty &property)
{
    const LabelKey &key = *property.getLabelKey();
    QJsonObject json{{QStringLiteral("key"), QString::fromStdString(key.getStringKey())},
                     {QStringLiteral("category"), QString::fromStdString(key.getCategoryKey())},
                     {QStringLiteral("kind"), kindName(property)},
                     {QStringLiteral("position"), key.getDisplayPosition()},
                     {QStringLiteral("visible"), key.isVisible()},
                     {QStringLiteral("labelEditable"), key.isEditable()},
                     {QStringLiteral("shown"), property.isPropertyVisible()},
                     {QStringLiteral("noValue"), property.hasNoValue()},
                     {QStringLiteral("modified"), property.isModified()},
                     {QStringLiteral("rangeApplied"), property.isRangeApplied()}};
    if (const auto *cost = dynamic_cast<const CostProperty *>(&property))
        json[QStringLiteral("editable")] = cost->editable();
    const std::vector<std::string> *allowed = nullptr;
    if (const auto *choice = dynamic_cast<const CostPropertyEnum *>(&property)) {
        allowed = &choice->getAllowedValues();
        QJsonArray values;
        for (const std::string &value : *allowed)
            values.append(QString::fromStdString(value));
        json[QStringLiteral("values")] = values;
    }
    const auto bounds = [&json](double min, double max) {
        json[QStringLiteral("min")] = min;
        json[QStringLiteral("max")] = max;
    };
    if (const auto *number = dynamic_cast<const CostPropertyNumOrEnum *>(&property)) {
        json[QStringLiteral("unit")] = QString::fromStdString(number->getVUnit());
        bounds(number->getMinAllowedValue(), number->getMaxAllowedValue());
    }
    if (const auto *text = dynamic_cast<const CostPropertyString *>(&property))
        json[QStringLiteral("multiLine")] = text->isMultiLine();
    if (const auto *multi = dynamic_cast<const BaseMultiProperty *>(&property)) {
        json[QStringLiteral("unit")] = QString::fromStdString(multi->getUnit());
        bounds(multi->getMinAllowedValue(), multi->getMaxAllowedValue());
        QJsonArray values;
        for (double value : multi->values())
            values.append(value);
        json[QStringLiteral("values")] = values;
        json[QStringLiteral("active")] = multi->activeIndex();
        json[QStringLiteral("lots")] = multi->getPropertyType() == MultiLotPropertyType;
    } else {
        json[QStringLiteral("value")] = jsonOf(property.value(), allowed);
    }
    json[QStringLiteral("automatic")] = jsonOf(property.automaticState().value, allowed);
    return json;
}

} // namespace

QString PlanError::message() const
{
    return place.isEmpty() ? QStringLiteral("%1: %2").arg(escaped(file), problem)
                           : QStringLiteral("%1: %2: %3").arg(escaped(file), place, problem);
}

std::unique_ptr<PlanDocument> parsePlan(const QByteArray &json, const QString &sourceName, PlanError *error)
{
    JsonRefusal syntax;
    const std::optional<Json> document = parseStrictJson(json, &syntax);
    if (!document) {
        *error = {sourceName, syntax.place, syntax.problem};
        return nullptr;
    }
    if (!document->is_object()) {
        *error = {sourceName, QString(), QStringLiteral("expected a plan object at the top")};
        return nullptr;
    }
    auto plan = std::make_unique<PlanDocument>();
    try {
        readPlan(Node(&*document, QString()), *plan);
    } catch (const Refusal &refusal) {
        *error = {sourceName, refusal.place, refusal.problem};
        return nullptr;
    }
    return plan;
}

std::unique_ptr<PlanDocument> loadPlan(const QString &path, PlanError *error)
{
    if (QFileInfo(path).isDir()) {
        *error = {path, QString(), QStringLiteral("is a directory, not a plan file")};
        return nullptr;
    }
    QFile file(path);
    if (!file.exists()) {
        *error = {path, QString(), QStringLiteral("no such file")};
        return nullptr;
    }
    // Bounded, so that a device or pipe without end cannot exhaust memory either.
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(s_maximumFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = {path, QString(), QStringLiteral("cannot be read: %1").arg(file.errorString())};
        return nullptr;
    }
    if (bytes.size() > s_maximumFileSize) {
        *error = {path, QString(), QStringLiteral("is larger than %1 MiB, too large for a plan file")
                                       .arg(s_maximumFileSize / (1024 * 1024))};
        return nullptr;
    }
    return parsePlan(bytes, path, error);
}

QByteArray serializePlan(const PlanDocument &plan)
{
    QJsonObject labels;
    for (const auto &[language, table] : plan.labels.labelTables()) {
        QJsonObject entries;
        for (const auto &[key, label] : table)
            entries[QString::fromStdString(key)] = QString::fromStdString(label);
        labels[QString::fromStdString(language)] = entries;
    }
    QJsonArray objects;
    for (const PlanObject &object : plan.objects()) {
        QJsonArray properties;
        for (const auto &container : object.properties()) {
            if (const BaseProperty *property = container->getProperty())
                properties.append(jsonOf(*property));
        }
        objects.append(QJsonObject{{QStringLiteral("id"), object.id},
                                   {QStringLiteral("kind"), QString::fromStdString(object.kind)},
                                   {QStringLiteral("type"), QString::fromStdString(object.owner->getTypeKey())},
                                   {QStringLiteral("name"), QString::fromStdString(object.owner->getName())},
                                   {QStringLiteral("properties"), properties}});
    }
    const QJsonObject root{{QStringLiteral("format"), s_format},
                           {QStringLiteral("version"), s_version},
                           {QStringLiteral("labels"), labels},
                           {QStringLiteral("objects"), objects}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool savePlan(const PlanDocument &plan, const QString &path, QString *error)
{
    QString cause;
    if (replaceFile(path, serializePlan(plan), &cause))
        return true;
    *error = QStringLiteral("%1: cannot be written: %2").arg(escaped(path), cause);
    return false;
}

} // namespace VelmarisEditor
