#pragma once

// The host's plan objects, as the tests build them.
#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/commands/SetPropertyCommands.h>
#include <velmaris/host/comparison/ProcessPlanReferenceComparison.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/objects/TSObject.h>
#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>
#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;
using PropertyPointer = std::shared_ptr<BaseProperty>;
Q_DECLARE_METATYPE(PropertyPointer)

inline LabelKey key(const std::string &name) { return LabelKey(name, "CAT"); }

// A property of the given type code holding a fixed value and storing nothing: a kind the
// library does not know, or a class that is not the one its code names.
class FixedProperty : public BaseProperty
{
public:
    FixedProperty(int type, PropertyValue value) : BaseProperty(key("P_Fixed")), m_type(type), m_value(std::move(value)) {}
    int getPropertyType() const override { return m_type; }
    PropertyValue value() const override { return m_value; }

protected:
    bool store(const PropertyValue &) override { return false; }

private:
    int m_type;
    PropertyValue m_value;
};
