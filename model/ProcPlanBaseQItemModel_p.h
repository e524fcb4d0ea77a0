#pragma once

#include <velmaris/model/CategoryRowLookup.h>
#include <velmaris/model/KeyTextCache.h>
#include <velmaris/model/MeasuringFont.h>
#include <velmaris/model/RoleListCache.h>
#include <velmaris/model/SpinBoxVariantCache.h>

namespace Velmaris {

class CellChangeBatch;
class ProcPlanBaseQItemModel;

// The model's caches, kept out of its installed header so that a host neither compiles
// against them nor breaks when they change.
class ProcPlanBaseQItemModelPrivate
{
public:
    // Follows the model's top level, so that the category lookup rebuilds after a change it
    // is told about.
    explicit ProcPlanBaseQItemModelPrivate(ProcPlanBaseQItemModel &model);

    CategoryRowLookup categoryRows;
    bool appendingCategory = false;
    // The value cell's key writes, handed from the property form to the worker it calls.
    CellChangeBatch *keyWrites = nullptr;
    KeyTextCache keyTexts;
    MeasuringFont measuringFont;
    SpinBoxVariantCache spinBoxVariants;
    RoleListCache roleLists;
};

} // namespace Velmaris
