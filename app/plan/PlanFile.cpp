#include "app/plan/PlanFile.h"

#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include "app/plan/Excerpt.h"
#include "app/plan/PlanFormat.h"
#include "app/plan/PlanNode.h"
#include "app/plan/StrictJson.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdint>
#include <functional>
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

enum class PropertyKind { Integer, Double, String, Boolean, Enum, MultiDouble, MultiInteger, Unknown };

PropertyKind kindOf(std::string_view name)
{
    static const std::pair<std::string_view, PropertyKind> kinds[] = {
        {"integer", PropertyKind::Integer}, {"double", PropertyKind::Double}, {"string", PropertyKind::String},
        {"boolean", PropertyKind::Boolean}, {"enum", PropertyKind::Enum}, {"multi-double", PropertyKind::MultiDouble},
        {"multi-integer", PropertyKind::MultiInteger}};
    for (const auto &[spelled, kind] : kinds) {
        if (spelled == name)
            return kind;
    }
    return PropertyKind::Unknown;
}

// What each value of a multi-valued kind is.
PropertyKind variantKind(PropertyKind multi)
{
    return multi == PropertyKind::MultiInteger ? PropertyKind::Integer : PropertyKind::Double;
}

std::vector<double> numbers(const PlanNode &list)
{
    std::vector<double> result;
    result.reserve(static_cast<std::size_t>(list.size()));
    list.forEach([&result](const PlanNode &element) { result.push_back(element.number()); });
    return result;
}

// The value of a property description in the form its kind holds it; a choice is held as its
// place among the allowed values.
PropertyValue valueOf(const PlanNode &value, PropertyKind kind, const std::vector<std::string> &allowed)
{
    if (kind == PropertyKind::Integer)
        return value.whole();
    if (kind == PropertyKind::Double)
        return value.number();
    if (kind == PropertyKind::String)
        return std::string(value.utf8());
    if (kind == PropertyKind::Boolean)
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
void checkUnusedFields(const PlanNode &node, PropertyKind kind, bool multi)
{
    if (multi) {
        if (node.has(Field::Value))
            valueOf(node[Field::Value], variantKind(kind), {});
    } else {
        if (node.has(Field::Active))
            node[Field::Active].whole();
        node.flagOr(Field::Lots, false);
        if (node.has(Field::Values) && kind != PropertyKind::Enum)
            node[Field::Values].size();
    }
    if (kind != PropertyKind::String)
        node.flagOr(Field::MultiLine, false);
}

std::shared_ptr<CostProperty> readProperty(const PlanNode &node)
{
    LabelKey key(std::string(node[Field::Key].key()), std::string(node[Field::Category].key()),
                 node.has(Field::Position) ? node[Field::Position].whole() : 0, node.flagOr(Field::Visible, true),
                 node.flagOr(Field::LabelEditable, true));
    const PropertyKind kind = kindOf(node[Field::Kind].utf8());
    const std::string unit(node.utf8Or(Field::Unit));
    // An integer property keeps its bounds as int, so they must be whole numbers that fit one.
    const bool integral = kind == PropertyKind::Integer;
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
    const bool multi = kind == PropertyKind::MultiDouble || kind == PropertyKind::MultiInteger;
    if (multi) {
        const PropertyKind numberKind = variantKind(kind);
        const int valueType = numberKind == PropertyKind::Integer ? BaseMultiProperty::IntegerValues
                                                                  : BaseMultiProperty::DoubleValues;
        const PlanNode valuesNode = node[Field::Values];
        std::vector<double> values = numbers(valuesNode);
        if (numberKind == PropertyKind::Integer) {
            auto whole = values.begin();
            valuesNode.forEach([&whole](const PlanNode &element) { *whole++ = element.whole(); });
        }
        const int type = node.flagOr(Field::Lots, false) ? MultiLotPropertyType : MultiValuePropertyType;
        const std::size_t count = values.size();
        auto made = std::make_shared<BaseMultiProperty>(std::move(key), type, valueType, std::move(values), unit, min,
                                                        max);
        const int active = node.has(Field::Active) ? node[Field::Active].whole() : 0;
        if (active < 0 || active >= static_cast<int>(count))
            node[node.has(Field::Active) ? Field::Active : Field::Values].refuse(
                QStringLiteral("active variant %1 is not one of the %2 values").arg(active).arg(count));
        made->setActiveIndex(active);
        current = made->value();
        if (node.has(Field::Automatic))
            made->restore({valueOf(node[Field::Automatic], numberKind, {}), false, false});
        made->markCurrentStateAutomatic();
        property = made;
    } else {
        if (kind == PropertyKind::Enum)
            node[Field::Values].forEach([&allowed](const PlanNode &element) { allowed.emplace_back(element.key()); });
        else if (kind == PropertyKind::Unknown)
            node[Field::Kind].refuse(
                QStringLiteral("unknown property kind \"%1\"").arg(excerpt(node[Field::Kind].text())));
        const PlanNode automaticNode = node[node.has(Field::Automatic) ? Field::Automatic : Field::Value];
        PropertyValue automatic = valueOf(automaticNode, kind, allowed);
        if (kind == PropertyKind::Integer)
            property = std::make_shared<CostPropertyInteger>(std::move(key), std::get<int>(automatic), unit,
                                                             static_cast<int>(min), static_cast<int>(max));
        else if (kind == PropertyKind::Double)
            property = std::make_shared<CostPropertyDouble>(std::move(key), std::get<double>(automatic), unit,
                                                            min, max);
        else if (kind == PropertyKind::String)
            property = std::make_shared<CostPropertyString>(std::move(key), std::move(std::get<std::string>(automatic)),
                                                            node.flagOr(Field::MultiLine, false));
        else if (kind == PropertyKind::Boolean)
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

std::shared_ptr<CCAPIProcessLayout::TSObject> ownerOf(const PlanNode &node)
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

void readObject(const PlanNode &node, PlanDocument &plan)
{
    PlanObject object;
    object.id = node[Field::Id].whole();
    if (plan.object(object.id))
        node[Field::Id].refuse(QStringLiteral("duplicate object id %1").arg(object.id));
    object.kind = node[Field::Kind].utf8();
    object.owner = ownerOf(node);
    object.object = std::make_shared<Velmaris::Object>(object.id);
    const PlanNode properties = node[Field::Properties];
    object.reserve(static_cast<std::size_t>(properties.size()));
    properties.forEach([&object](const PlanNode &description) {
        const PlanNode key = description[Field::Key];
        if (object.property(std::string(key.key())))
            key.refuse(QStringLiteral("duplicate property key \"%1\"").arg(excerpt(key.text())));
        std::shared_ptr<CostProperty> property = readProperty(description);
        property->setOwnerObject(object.owner.get());
        object.addProperty(Velmaris::PropertySignalContainer::make(std::move(property), object.object));
    });
    plan.addObject(std::move(object));
}

// What stands beside the objects, which were read one by one while the file was parsed.
void readFrame(const PlanNode &root, PlanDocument &plan)
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
        const PlanNode labels = root[Field::Labels];
        for (const PlanNode &table : labels.members()) {
            const std::string language(table.name());
            for (const PlanNode &label : table.members())
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
    const PlanNode objectList(JsonTree::Value(), nullptr, nameOf(Field::Objects));
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
            readObject(PlanNode(element, &objectList, {}, static_cast<std::int64_t>(index)), *plan);
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
        readFrame(PlanNode(document->root()), *plan);
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
