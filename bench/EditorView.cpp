#include "bench/EditorView.h"

#include "bench/BenchmarkPlan.h"

#include <QApplication>

EditorView::EditorView()
{
    model.enableReferenceComparison(true);
    filter.setSourceModel(&model);
    filter.setRecursiveFilteringEnabled(true);
    filter.setFilterCaseSensitivity(Qt::CaseInsensitive);
    filter.setFilterKeyColumn(0);
    view.setModel(&filter);
    view.setAlternatingRowColors(true);
    view.resize(900, 700);
    view.show();
    QApplication::processEvents();
}

void EditorView::fillAndShow(BenchmarkPlan &plan)
{
    filter.setSourceModel(nullptr);
    fillLikeEditor(model, plan);
    filter.setSourceModel(&model);
    // As the editor does: expandAll would keep a persistent index per property row.
    view.expandToDepth(0);
    view.resizeColumnToContents(0);
    QApplication::processEvents();
}

void EditorView::repaintRow(const QModelIndex &modelCell)
{
    const QModelIndex cell = filter.mapFromSource(modelCell);
    view.viewport()->update(view.visualRect(cell).united(view.visualRect(cell.siblingAtColumn(0))));
    QApplication::processEvents();
}
