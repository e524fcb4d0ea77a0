#include "app/plan/PlanFile.h"

#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

#include <cmath>
#include <limits>
#include <utility>

using namespace CCAPIBaseCommon;

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

// A JSON value together with where it stands in the file, for messages.
class Node
{
public:
    Node(QJsonValue value, QString place) : m_value(std::move(value)), m_place(std::move(place)) {}

    const QString &place() const { return m_place; }
    [[noreturn]] void refuse(const QString &problem) const { throw Refusal{m_place, problem}; }

    bool has(const char *name) const { return object().contains(QLatin1String(name)); }
    Node operator[](const char *name) const
    {
        return Node(object().value(QLatin1String(name)), m_place.isEmpty() ? QString::fromLatin1(name)
                                                                            : m_place + QLatin1Char('.') + QLatin1String(name));
    }
    Node at(int i) const { return Node(array().at(i), m_place + QStringLiteral("[%1]").arg(i)); }
    int size() const { return array().size(); }

    QJsonObject object() const
    {
        if (!m_value.isObject())
            refuse(expected("an object"));
        return m_value.toObject();
    }
    QJsonArray array() const
    {
        if (!m_value.isArray())
            refuse(expected("a list"));
        return m_value.toArray();
    }
    QString text() const
    {
        if (!m_value.isString())
            refuse(expected("a text"));
        return m_value.toString();
    }
    std::string utf8() const { return text().toStdString(); }
    bool flag() const
    {
        if (!m_value.isBool())
            refuse(expected("true or false"));
        return m_value.toBool();
    }
    double number() const
    {
        if (!m_value.isDouble())
            refuse(expected("a number"));
        const double value = m_value.toDouble();
        if (!std::isfinite(value))
            refuse(QStringLiteral("the number is too large"));
        return value;
    }
    int whole() const
    {
        const double value = number();
        if (value != std::trunc(value))
            refuse(QStringLiteral("expected a whole number, found %1").arg(value));
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            refuse(QStringLiteral("the whole number %1 is out of range").arg(value));
        return static_cast<int>(value);
    }

    bool flagOr(const char *name, bool fallback) const { return has(name) ? (*this)[name].flag() : fallback; }
    double numberOr(const char *name, double fallback) const { return has(name) ? (*this)[name].number() : fallback; }
    std::string utf8Or(const char *name, const std::string &fallback) const
    {
        return has(name) ? (*this)[name].utf8() : fallback;
    }

private:
    QString expected(const char *what) const
    {
        if (m_value.isUndefined())
            return QStringLiteral("missing, expected %1").arg(QLatin1String(what));
        return QStringLiteral("expected %1").arg(QLatin1String(what));
    }

    QJsonValue m_value;
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
    const std::string key = value.utf8();
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        if (allowed[i] == key)
            return static_cast<int>(i);
    }
    value.refuse(QStringLiteral("value \"%1\" is not one of the allowed values").arg(value.text()));
}

std::shared_ptr<BaseProperty> readProperty(const Node &node)
{
    const LabelKey key(node["key"].utf8(), node["category"].utf8(),
                       node.has("position") ? node["position"].whole() : 0, node.flagOr("visible", true),
                       node.flagOr("labelEditable", true));
    const QString kind = node["kind"].text();
    const std::string unit = node.utf8Or("unit", {});
    const double min = node.numberOr("min", std::numeric_limits<double>::lowest());
    const double max = node.numberOr("max", std::numeric_limits<double>::max());
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
                allowed.push_back(values.at(i).utf8());
        } else if (kind != QLatin1String("integer") && kind != QLatin1String("double")
                   && kind != QLatin1String("string") && kind != QLatin1String("boolean")) {
            node["kind"].refuse(QStringLiteral("unknown property kind \"%1\"").arg(kind));
        }
        const Node automaticNode = node.has("automatic") ? node["automatic"] : node["value"];
        const PropertyValue automatic = valueOf(automaticNode, kind, allowed);
        if (kind == QLatin1String("integer"))
            property = std::make_shared<CostPropertyInteger>(key, std::get<int>(automatic), unit,
                                                             static_cast<int>(std::max<double>(min, std::numeric_limits<int>::min())),
                                                             static_cast<int>(std::min<double>(max, std::numeric_limits<int>::max())));
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
    const std::string type = node["type"].utf8();
    const std::string name = node.utf8Or("name", {});
    if (kind == QLatin1String("feature"))
        return std::make_shared<CCAPIProcessLayout::BaseFeature>(type, name);
    if (kind == QLatin1String("assembly"))
        return std::make_shared<CCAPIProcessLayout::BaseBaseAssembly>(type, name);
    if (kind == QLatin1String("operation") || kind == QLatin1String("tool"))
        return std::make_shared<CCAPIProcessLayout::TSObject>(type, name);
    node["kind"].refuse(QStringLiteral("unknown object kind \"%1\"").arg(kind));
}

void readPlan(const Node &root, PlanDocument &plan)
{
    if (root["format"].text() != s_format)
        root["format"].refuse(QStringLiteral("expected \"%1\"").arg(s_format));
    if (root["version"].whole() != s_version)
        root["version"].refuse(QStringLiteral("version %1 is not supported (expected %2)")
                                   .arg(root["version"].whole()).arg(s_version));
    if (root.has("labels")) {
        const QJsonObject languages = root["labels"].object();
        for (auto language = languages.begin(); language != languages.end(); ++language) {
            const Node table = root["labels"][language.key().toUtf8().constData()];
            const QJsonObject entries = table.object();
            for (auto entry = entries.begin(); entry != entries.end(); ++entry)
                plan.labels.setLabel(entry.key().toStdString(), table[entry.key().toUtf8().constData()].utf8(),
                                     language.key().toStdString());
        }
    }
    QSet<int> ids;
    const Node objects = root["objects"];
    for (int i = 0; i < objects.size(); ++i) {
        const Node node = objects.at(i);
        PlanObject object;
        object.id = node["id"].whole();
        if (ids.contains(object.id))
            node["id"].refuse(QStringLiteral("duplicate object id %1").arg(object.id));
        ids.insert(object.id);
        object.kind = node["kind"].utf8();
        object.owner = ownerOf(node);
        object.object = std::make_shared<Velmaris::Object>(object.id);
        QSet<QString> keys;
        const Node properties = node["properties"];
        for (int p = 0; p < properties.size(); ++p) {
            const Node description = properties.at(p);
            const QString key = description["key"].text();
            if (keys.contains(key))
                description["key"].refuse(QStringLiteral("duplicate property key \"%1\"").arg(key));
            keys.insert(key);
            std::shared_ptr<BaseProperty> property = readProperty(description);
            property->setOwnerObject(object.owner.get());
            object.properties.push_back(Velmaris::PropertySignalContainer::make(property, object.object));
        }
        plan.objects.push_back(std::move(object));
    }
}

// JSON lines and columns count from 1, like an editor shows them.
QString lineAndColumn(const QByteArray &json, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        if (json.at(i) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
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
    return place.isEmpty() ? QStringLiteral("%1: %2").arg(file, problem)
                           : QStringLiteral("%1: %2: %3").arg(file, place, problem);
}

std::unique_ptr<PlanDocument> parsePlan(const QByteArray &json, const QString &sourceName, PlanError *error)
{
    QJsonParseError syntax;
    const QJsonDocument document = QJsonDocument::fromJson(json, &syntax);
    if (syntax.error != QJsonParseError::NoError) {
        *error = {sourceName, lineAndColumn(json, syntax.offset),
                  QStringLiteral("not valid JSON: %1").arg(syntax.errorString())};
        return nullptr;
    }
    if (!document.isObject()) {
        *error = {sourceName, QString(), QStringLiteral("expected a plan object at the top")};
        return nullptr;
    }
    auto plan = std::make_unique<PlanDocument>();
    try {
        readPlan(Node(document.object(), QString()), *plan);
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
    for (const PlanObject &object : plan.objects) {
        QJsonArray properties;
        for (const auto &container : object.properties) {
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = serializePlan(plan);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace VelmarisEditor
