#pragma once

#include "support/PlanObjects.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <QAbstractItemModelTester>
#include <QStandardItem>

// A model under the item-model tester with one category; rows are added and filled the way a
// host does it (label in column 0, value in column 1).
struct PropertyRows
{
    PropertyRows() { category = model.categoryIndex("CAT", "Category"); }

    QModelIndex addRow()
    {
        model.itemFromIndex(category)->appendRow({new QStandardItem, new QStandardItem});
        return model.index(model.rowCount(category) - 1, 1, category);
    }

    void refill(const QModelIndex &cell, BaseProperty &property, int scaleMode = 0, BaseProperty *comparison = nullptr,
                BaseProperty *reference = nullptr)
    {
        model.updatePropertyValueAt(&labels, &property, reference, 7, cell, comparison, scaleMode, false, false);
    }

    QModelIndex fill(BaseProperty &property, int scaleMode = 0, BaseProperty *comparison = nullptr,
                     BaseProperty *reference = nullptr)
    {
        const QModelIndex cell = addRow();
        refill(cell, property, scaleMode, comparison, reference);
        return cell;
    }

    CCAPIAccess::DataBaseControl labels;
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QModelIndex category;
};
