#include "EditorCells.h"

#include <velmaris/model/PropertyRowWalk.h>

using VelmarisEditor::MainWindow;
using VelmarisEditor::PropertyViewFiller;

QModelIndex viewCell(MainWindow &window, const std::string &key)
{
    QModelIndex found;
    Velmaris::forEachPropertyRow(window.propertyModel(), [&](const QModelIndex &row) {
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        if (!found.isValid() && window.propertyModel().getPropertyKeyAtIndex(value) == key)
            found = window.filterModel().mapFromSource(value);
    });
    return found;
}
