#pragma once

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/objects/PropertySignalContainer.h>

#include <QModelIndex>

#include <memory>
#include <vector>

namespace CCAPIBaseCommon {
class BaseProperty;
}

// A realistic object with n properties: 60 % numbers (a third of them prices), 15 %
// enumerations, 15 % strings, 10 % booleans, each with a reference property that differs
// for every seventh one.
struct BenchmarkPlan
{
    explicit BenchmarkPlan(int n);

    CCAPIAccess::DataBaseControl labels;
    std::vector<std::shared_ptr<Velmaris::PropertySignalContainer>> containers;
    std::vector<std::shared_ptr<CCAPIBaseCommon::BaseProperty>> references;
};

// A model with one category and n host rows (label and value column), not yet filled.
struct BenchmarkRows
{
    explicit BenchmarkRows(int n);

    Velmaris::ProcPlanBaseQItemModel model;
    std::vector<QModelIndex> labelCells;
    std::vector<QModelIndex> valueCells;
};

// Fills every value cell the way a host does, one updatePropertyValueAt each.
void fillRows(BenchmarkRows &rows, BenchmarkPlan &plan);
