#pragma once

#include "app/plan/PlanDocument.h"

#include <QModelIndex>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

namespace VelmarisEditor {

// Fills a property model with one object of a plan the way a host does: the visible
// properties in display order, a category row for each, a label and a value cell per row.
// Every step finds its property, reference and row by key without a search, so that a fill
// grows with the number of rows and no faster. A fill may be done a part at a time.
class PropertyViewFiller
{
public:
    static constexpr int labelColumn = 0;
    static constexpr int valueColumn = 1;

    explicit PropertyViewFiller(Velmaris::ProcPlanBaseQItemModel &model);

    // Empties the model and gives it the view's two columns with their headers.
    static void resetColumns(Velmaris::ProcPlanBaseQItemModel &model);
    // A new, empty row for the property beneath its category: the category's row and its own.
    static std::pair<int, int> appendRow(Velmaris::ProcPlanBaseQItemModel &model,
                                         CCAPIAccess::ProcessLayoutController *controller,
                                         const PropertyContainer &container);

    // A filled row of a price: its property among the chosen ones, category row and row.
    struct PriceRow
    {
        std::size_t chosen;
        int categoryRow;
        int row;
    };

    // What a fill knows of its rows.
    struct Rows
    {
        const PlanObject *object = nullptr;
        std::vector<PropertyContainer> chosen;
        std::size_t next = 0;
        // Where each property is: category row and row beneath it.
        std::unordered_map<std::string, std::pair<int, int>> places;
        std::vector<PriceRow> prices;

        // Forgets up to the number of rows; true when nothing is left. Forgetting a large
        // object's rows at once takes long enough to be seen.
        bool forgetSome(std::size_t count);
    };

    // Fills this model from now on, starting with nothing filled, and hands back what it knew
    // of the previous model's rows.
    Rows setModel(Velmaris::ProcPlanBaseQItemModel &model);
    // The plan whose labels and controller fill the rows; it must outlive its use here.
    void setPlan(PlanDocument *plan);
    void setReference(const PlanDocument *reference) { m_reference = reference; }

    // Replaces the model's rows by the object's properties.
    void fill(const PlanObject &object);
    // Empties the model and chooses the object's rows; fillSome() adds them. The object must
    // outlive the fill.
    void begin(const PlanObject &object);
    // Adds up to the number of the chosen rows; true when every row is in.
    bool fillSome(std::size_t rows);
    std::size_t filledRows() const { return m_rows.next; }
    std::size_t chosenRows() const { return m_rows.chosen.size(); }
    // Brings one property's row up to date with the property; false when it is not shown.
    bool refresh(const PlanObject &object, const std::string &key);

    // Prices are the only cells that follow the exchange rate: their value cells among those
    // filled so far, refilled some at a time.
    std::size_t priceRows() const { return m_rows.prices.size(); }
    void refreshPrices(std::size_t first, std::size_t count);
    // The value cell of a property of the last fill, or an invalid index.
    QModelIndex valueCell(const std::string &key) const;

private:
    void fillRow(const PlanObject &object, const PropertyContainer &container, const QModelIndex &labelCell,
                 const QModelIndex &valueCell);
    void fillValue(const PlanObject &object, const PropertyContainer &container, const QModelIndex &valueCell);

    Velmaris::ProcPlanBaseQItemModel *m_model;
    PlanDocument *m_plan = nullptr;
    const PlanDocument *m_reference = nullptr;
    Rows m_rows;
};

} // namespace VelmarisEditor
