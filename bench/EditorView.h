#pragma once

#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <QSortFilterProxyModel>

struct BenchmarkPlan;

// The editor's property view: the model behind its label filter, shown by a PropertyTreeView
// of the editor's size, with reference comparison on.
struct EditorView
{
    EditorView();

    // The editor's fill: with the filter detached, which maps the rows once when put back, then
    // expanded, the label column fitted, laid out and painted.
    void fillAndShow(BenchmarkPlan &plan);
    // Repaints the row of the cell as the editor shows it.
    void repaintRow(const QModelIndex &modelCell);

    Velmaris::ProcPlanBaseQItemModel model;
    QSortFilterProxyModel filter;
    Velmaris::PropertyTreeView view;
};
