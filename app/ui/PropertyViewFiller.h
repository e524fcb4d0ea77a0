#pragma once

#include <QModelIndex>

#include <string>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

namespace VelmarisEditor {

class PlanDocument;
struct PlanObject;

// Fills a property model with one object of a plan the way a host does: the visible
// properties in display order, a category row for each, a label and a value cell per row.
class PropertyViewFiller
{
public:
    static constexpr int labelColumn = 0;
    static constexpr int valueColumn = 1;

    PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model, PlanDocument &plan);

    void setReference(const PlanDocument *reference) { m_reference = reference; }

    // Replaces the model's rows by the object's properties.
    void fill(const PlanObject &object);
    // Brings one property's row up to date with the property; false when it is not shown.
    bool refresh(const PlanObject &object, const std::string &key);

    // The value cell of a property, or an invalid index.
    QModelIndex valueCell(const std::string &key) const;

private:
    void fillRow(const PlanObject &object, const QModelIndex &labelCell, const QModelIndex &valueCell,
                 const std::string &key);

    Velmaris::ProcPlanBaseQItemModel &m_model;
    PlanDocument &m_plan;
    const PlanDocument *m_reference = nullptr;
};

} // namespace VelmarisEditor
