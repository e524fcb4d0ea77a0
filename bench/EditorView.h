#pragma once

#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <QSortFilterProxyModel>

// The editor's property view: the model behind its label filter, shown by a PropertyTreeView
// of the editor's size, with reference comparison on.
struct EditorView
{
    EditorView();

    // What the editor does after a fill: expand, fit the label column, lay out and paint.
    void layOutAndPaint();
    // Repaints the row of the cell as the editor shows it.
    void repaintRow(const QModelIndex &modelCell);

    Velmaris::ProcPlanBaseQItemModel model;
    QSortFilterProxyModel filter;
    Velmaris::PropertyTreeView view;
};
