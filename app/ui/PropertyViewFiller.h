#pragma once

#include "app/plan/PlanDocument.h"

#include <QModelIndex>

#include <string>
#include <unordered_map>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

namespace VelmarisEditor {

// Fills a property model with one object of a plan the way a host does: the visible
// properties in display order, a category row for each, a label and a value cell per row.
// Every step finds its property, reference and row by key without a search, so that a fill
// grows with the number of rows and no faster.
class PropertyViewFiller
{
public:
    static constexpr int labelColumn = 0;
    static constexpr int valueColumn = 1;

    explicit PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model);

    // The plan whose labels and controller fill the rows; it must outlive its use here.
    void setPlan(PlanDocument *plan);
    void setReference(const PlanDocument *reference) { m_reference = reference; }

    // Replaces the model's rows by the object's properties.
    void fill(const PlanObject &object);
    // Removes every row, for a plan without objects.
    void clear();
    // Brings one property's row up to date with the property; false when it is not shown.
    bool refresh(const PlanObject &object, const std::string &key);

    // Refills the value cells of prices, the only cells that follow the exchange rate.
    void refreshPrices(const PlanObject &object);
    // The value cell of a property of the last fill, or an invalid index.
    QModelIndex valueCell(const std::string &key) const;

private:
    void fillRow(const PlanObject &object, const PropertyContainer &container, const QModelIndex &labelCell,
                 const QModelIndex &valueCell);

    Velmaris::ProcPlanBaseQItemModel &m_model;
    PlanDocument *m_plan = nullptr;
    const PlanDocument *m_reference = nullptr;
    // Where the last fill put each property: category row and row beneath it.
    std::unordered_map<std::string, std::pair<int, int>> m_rows;
};

} // namespace VelmarisEditor
