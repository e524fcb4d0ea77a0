#pragma once

// The host's plan objects, as the tests build them.
#include "host/access/DataBaseControl.h"
#include "host/access/ProcessLayoutController.h"
#include "host/commands/SetPropertyCommands.h"
#include "host/comparison/ProcessPlanReferenceComparison.h"
#include "host/objects/Object.h"
#include "host/objects/ProcessLayout.h"
#include "host/objects/PropertySignalContainer.h"
#include "host/objects/TSObject.h"
#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"
#include "host/widgets/VLDoubleSpinBoxData.h"

#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;
using PropertyPointer = std::shared_ptr<BaseProperty>;
Q_DECLARE_METATYPE(PropertyPointer)

inline LabelKey key(const std::string &name) { return LabelKey(name, "CAT"); }
