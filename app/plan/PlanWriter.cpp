#include "app/plan/PlanWriter.h"

#include "app/plan/PlanFormat.h"
#include "app/plan/PlanSnapshot.h"
#include "app/plan/WorkProgress.h"

#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

using namespace CCAPIBaseCommon;

namespace VelmarisEditor {

namespace {

const char *kindName(const BaseProperty &property)
{
    switch (property.getPropertyType()) {
    case IntegerPropertyType: return "integer";
    case DoublePropertyType: return "double";
    case StringPropertyType: return "string";
    case BooleanPropertyType: return "boolean";
    case EnumPropertyType: return "enum";
    default:
        return static_cast<const BaseMultiProperty &>(property).getValueType() == BaseMultiProperty::DoubleValues
                   ? "multi-double"
                   : "multi-integer";
    }
}

class PropertyWriter
{
public:
    PropertyWriter(const BaseProperty &property, JsonWriter &out) : m_property(property), m_out(out) {}

    void write()
    {
        const LabelKey &key = *m_property.getLabelKey();
        m_out.beginObject();
        m_out.key("key");
        m_out.value(key.getStringKey());
        m_out.key("category");
        m_out.value(key.getCategoryKey());
        m_out.key("kind");
        m_out.value(kindName(m_property));
        const auto *choice = dynamic_cast<const CostPropertyEnum *>(&m_property);
        const auto *multi = dynamic_cast<const BaseMultiProperty *>(&m_property);
        if (!multi) {
            m_out.key("value");
            value(m_property.value(), choice);
        }
        if (m_property.automaticState().value != m_property.value()) {
            m_out.key("automatic");
            value(m_property.automaticState().value, choice);
        }
        if (choice)
            texts("values", choice->getAllowedValues());
        if (multi)
            variants(*multi);
        if (const auto *number = dynamic_cast<const CostPropertyNumOrEnum *>(&m_property); number && !choice)
            numberSettings(number->getVUnit(), number->getMinAllowedValue(), number->getMaxAllowedValue(),
                           m_property.getPropertyType() == IntegerPropertyType);
        if (multi)
            numberSettings(multi->getUnit(), multi->getMinAllowedValue(), multi->getMaxAllowedValue(), false);
        if (key.getDisplayPosition() != 0) {
            m_out.key("position");
            m_out.value(key.getDisplayPosition());
        }
        flag("visible", key.isVisible(), true);
        flag("labelEditable", key.isEditable(), true);
        if (const auto *cost = dynamic_cast<const CostProperty *>(&m_property))
            flag("editable", cost->editable(), true);
        flag("shown", m_property.isPropertyVisible(), true);
        flag("noValue", m_property.hasNoValue(), false);
        flag("modified", m_property.isModified(), false);
        flag("rangeApplied", m_property.isRangeApplied(), false);
        if (const auto *text = dynamic_cast<const CostPropertyString *>(&m_property))
            flag("multiLine", text->isMultiLine(), false);
        m_out.endObject();
    }

private:
    void value(const PropertyValue &value, const CostPropertyEnum *choice)
    {
        if (const bool *b = std::get_if<bool>(&value))
            m_out.value(*b);
        else if (const int *i = std::get_if<int>(&value))
            choice && *i >= 0 && static_cast<std::size_t>(*i) < choice->getAllowedValues().size()
                ? m_out.value(choice->getAllowedValues()[static_cast<std::size_t>(*i)])
                : m_out.value(*i);
        else if (const double *d = std::get_if<double>(&value))
            m_out.value(*d);
        else if (const std::string *s = std::get_if<std::string>(&value))
            m_out.value(*s);
    }

    void texts(const char *name, const std::vector<std::string> &list)
    {
        m_out.key(name);
        m_out.beginArray();
        for (const std::string &text : list)
            m_out.value(text);
        m_out.endArray();
    }

    void variants(const BaseMultiProperty &multi)
    {
        m_out.key("values");
        m_out.beginArray();
        for (const double value : multi.values())
            m_out.value(value);
        m_out.endArray();
        if (multi.activeIndex() != 0) {
            m_out.key("active");
            m_out.value(multi.activeIndex());
        }
        flag("lots", multi.getPropertyType() == MultiLotPropertyType, false);
    }

    void numberSettings(const std::string &unit, double min, double max, bool integerKind)
    {
        if (!unit.empty()) {
            m_out.key("unit");
            m_out.value(unit);
        }
        if (min != unboundedMinimum(integerKind)) {
            m_out.key("min");
            m_out.value(min);
        }
        if (max != unboundedMaximum(integerKind)) {
            m_out.key("max");
            m_out.value(max);
        }
    }

    void flag(const char *name, bool value, bool fallback)
    {
        if (value == fallback)
            return;
        m_out.key(name);
        m_out.value(value);
    }

    const BaseProperty &m_property;
    JsonWriter &m_out;
};

void writeLabels(const PlanDocument &plan, JsonWriter &out)
{
    out.key("labels");
    out.beginObject();
    for (const auto &[language, table] : plan.labels.labelTables()) {
        out.lineBreak();
        out.key(language);
        out.beginObject();
        for (const auto &[key, label] : table) {
            out.key(key);
            out.value(label);
        }
        out.endObject();
    }
    out.endObject();
}

} // namespace

void writeObject(const PlanObject &object, JsonWriter &out)
{
    out.beginObject();
    out.key("id");
    out.value(object.id);
    out.key("kind");
    out.value(object.kind);
    out.key("type");
    out.value(object.owner->getTypeKey());
    if (!object.owner->getName().empty()) {
        out.key("name");
        out.value(object.owner->getName());
    }
    out.key("properties");
    out.beginArray();
    for (const auto &container : object.properties()) {
        if (const BaseProperty *property = container->getProperty())
            PropertyWriter(*property, out).write();
    }
    out.endArray();
    out.endObject();
}

bool writePlan(const PlanDocument &plan, JsonWriter &out, PlanSnapshot *snapshot, WorkProgress *progress)
{
    out.beginObject();
    out.key("format");
    out.value(s_planFormat);
    out.key("version");
    out.value(s_planVersion);
    if (!plan.labels.labelTables().empty())
        writeLabels(plan, out);
    out.key("objects");
    out.beginArray();
    if (progress)
        progress->total = static_cast<std::int64_t>(plan.objects().size());
    for (std::size_t row = 0; row < plan.objects().size(); ++row) {
        out.lineBreak();
        snapshot ? snapshot->write(row, out) : writeObject(plan.objects()[row], out);
        if (progress)
            progress->done = static_cast<std::int64_t>(row + 1);
    }
    out.endArray();
    out.endObject();
    out.endLine();
    return out.finish();
}

QByteArray serializePlan(const PlanDocument &plan)
{
    QByteArray bytes;
    JsonWriter writer([&bytes](const char *data, std::size_t size) {
        bytes.append(data, static_cast<int>(size));
        return true;
    });
    return writePlan(plan, writer) ? bytes : QByteArray();
}

} // namespace VelmarisEditor
