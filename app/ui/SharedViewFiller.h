#pragma once

#include "app/plan/PlanDocument.h"

#include <velmaris/model/SharedProperties.h>

#include <QModelIndex>

#include <string>
#include <unordered_map>
#include <vector>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

namespace VelmarisEditor {

// Fills a property model with the properties that several objects of a plan share, a row each
// as for one object, and remembers which shared property each row shows: a shared cell names
// no object, so edits are turned into commands from what is remembered here.
class SharedViewFiller
{
public:
    void setPlan(PlanDocument *plan) { m_plan = plan; }
    void setReference(const PlanDocument *reference) { m_reference = reference; }

    // Replaces the model's rows by the objects' shared properties.
    void fill(Velmaris::ProcPlanBaseQItemModel &model, const std::vector<const PlanObject *> &objects);
    // The same in steps. Finding what the objects share touches no model, and may run on
    // another thread while nothing changes the plan's objects or this filler.
    void prepare(const std::vector<const PlanObject *> &objects);
    // Empties the model for the rows found.
    void begin(Velmaris::ProcPlanBaseQItemModel &model);
    // Adds rows until they hold at least the number of the objects' cells; true when all are in.
    bool fillSome(Velmaris::ProcPlanBaseQItemModel &model, std::size_t cells);
    // Forgets the rows, for a model filled otherwise.
    void clear();
    const std::vector<int> &objectIds() const { return m_objectIds; }

    // The shared property a value cell of the last fill shows, or null.
    const Velmaris::SharedProperty *property(const std::string &key) const;
    // Brings one row up to date with the objects' properties; false when it is not shown.
    bool refresh(Velmaris::ProcPlanBaseQItemModel &model, const std::string &key);
    // Every row, as after a change of the exchange rate.
    void refreshAll(Velmaris::ProcPlanBaseQItemModel &model);
    QModelIndex valueCell(const Velmaris::ProcPlanBaseQItemModel &model, const std::string &key) const;

private:
    void fillRow(Velmaris::ProcPlanBaseQItemModel &model, const Velmaris::SharedProperty &property,
                 const QModelIndex &valueCell);

    PlanDocument *m_plan = nullptr;
    const PlanDocument *m_reference = nullptr;
    std::vector<int> m_objectIds;
    std::vector<Velmaris::SharedProperty> m_shared;
    std::size_t m_next = 0;
    // Per key: the shared property, its category row and row beneath it.
    struct Place
    {
        std::size_t shared;
        int categoryRow;
        int row;
    };
    std::unordered_map<std::string, Place> m_places;
};

} // namespace VelmarisEditor
