#pragma once

#include "model/ProcPlanBaseQItemModel.h"

#include "host/access/DataBaseControl.h"

#include <QAbstractItemModelTester>
#include <QStandardItem>

// A model under the item-model tester with one category; rows are added the way a host adds
// them (label in column 0, value in column 1).
struct PropertyRows
{
    PropertyRows() { category = model.categoryIndex("CAT", "Category"); }

    QModelIndex addRow()
    {
        model.itemFromIndex(category)->appendRow({new QStandardItem, new QStandardItem});
        return model.index(model.rowCount(category) - 1, 1, category);
    }

    CCAPIAccess::DataBaseControl labels;
    Velmaris::ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    QModelIndex category;
};
