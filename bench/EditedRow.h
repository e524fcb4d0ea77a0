#pragma once

#include "bench/BenchmarkPlan.h"
#include "bench/EditorView.h"

#include <QPersistentModelIndex>

#include <memory>

namespace Velmaris {
class ProcessLayout;
}

// A plan's rows in the editor's view, scrolled to a double property halfway down, which is
// edited the way the editor edits: the delegate's commit, the command made and executed, the
// row filled again and repainted.
class EditedRow
{
public:
    explicit EditedRow(int n);
    ~EditedRow();

    // One edit with a value the property did not hold.
    void edit();
    // The row filled again and repainted without an edit.
    void refresh();

private:
    void commit();

    BenchmarkPlan m_plan;
    EditorView m_editor;
    std::shared_ptr<Velmaris::ProcessLayout> m_layout;
    std::size_t m_property;
    QModelIndex m_cell;
    QPersistentModelIndex m_shownCell;
    bool m_filling = false;
    double m_value = 1.0;
};
