#pragma once

#include "app/ui/PropertyFilterModel.h"
#include "app/ui/PropertyViewFiller.h"
#include "app/ui/SharedViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <QObject>
#include <QTimer>

#include <future>
#include <memory>
#include <vector>

namespace VelmarisEditor {

// The rows of the shown object, in the model a view shows through the label filter. An object
// is filled into a model of its own, a slice of rows at a time between the window's events,
// and shown when complete; the model it replaces is emptied the same way afterwards, so that
// neither a large object's fill nor leaving it keeps the window from answering.
class PropertyPane : public QObject
{
    Q_OBJECT
public:
    // A slice takes some milliseconds: small objects fill at once.
    static constexpr std::size_t rowsPerSlice = 4000;
    // Several objects of up to this many cells in all are shown at once; for more, what they
    // share is found on another thread and their rows filled a slice at a time.
    static constexpr std::size_t sharedCellsAtOnce = 50000;
    // About a frame: time for the window to paint between the slices that empty a model.
    static constexpr int emptyingPauseMilliseconds = 20;

    PropertyPane();
    ~PropertyPane() override;

    PropertyFilterModel &filterModel() { return m_filter; }
    const PropertyFilterModel &filterModel() const { return m_filter; }
    // The model of the object shown or being filled.
    Velmaris::ProcPlanBaseQItemModel &model() const { return *m_model; }
    PropertyViewFiller &filler() { return m_filler; }
    // The rows of several objects shown at once; empty while one object is shown.
    SharedViewFiller &sharedFiller() { return m_sharedFiller; }
    const SharedViewFiller &sharedFiller() const { return m_sharedFiller; }
    bool showsSeveral() const { return m_several; }

    // Drops a fill of the previous plan's object.
    void setPlan(PlanDocument *plan);
    void setReference(const PlanDocument *reference)
    {
        m_filler.setReference(reference);
        m_sharedFiller.setReference(reference);
    }
    void setExchangeRate(const Velmaris::ProcPlanBaseQItemModel::ExchangeRate &rate);
    void enableReferenceComparison(bool enabled);

    // Fills the object's rows, or none for null; shown() tells when they are in view, before
    // this returns when one slice holds them.
    void show(const PlanObject *object);
    // Fills the properties that the objects share, a row each; shown() tells when they are in
    // view, before this returns for a few objects.
    void showShared(const std::vector<const PlanObject *> &objects);
    bool isFilling() const { return m_filling; }
    // Brings the prices shown to the exchange rate, a slice at a time; pricesRefreshed() after
    // each slice.
    void refreshPrices();
    // Neither filling, nor refreshing prices, nor emptying a model left behind.
    bool isIdle() const { return !m_filling && m_pricesDone == m_pricesToRefresh && m_retired.empty(); }
    // Fills the rest of the rows now.
    void finish();

Q_SIGNALS:
    void fillProgress(int filled, int total);
    void shown();
    // Price cells changed with the filter's signals blocked: its view must repaint.
    void pricesRefreshed();
    // The user edited a value cell of the shown model.
    void edited(const QModelIndex &cell);

private:
    // A model left behind, with what the filler knew of its rows.
    struct Retired
    {
        std::unique_ptr<Velmaris::ProcPlanBaseQItemModel> model;
        PropertyViewFiller::Rows rows;
    };

    std::unique_ptr<Velmaris::ProcPlanBaseQItemModel> freshModel();
    // Fills a fresh model from now on and leaves the current one behind.
    void replaceModel();
    void attach();
    // What every showing starts with: a fresh model, nothing pending.
    void startShowing(bool several);
    // Shows the model when it is filled, or leaves the view empty and tells the progress.
    void showOrWait(int total);
    // Once the search on another thread has ended (or, waiting, when it ends), empties the
    // model for the rows found; false while it runs.
    bool takePrepared(bool wait);
    void scheduleSlice();
    // Waits for the search of shared properties on another thread, if one runs: nothing may
    // change the plan or the shared filler meanwhile.
    void awaitPreparing();
    void fillSharedSlice();
    void runSlice();
    void refreshSomePrices();
    // Removes a slice of rows from the oldest retired model; true when one is left to empty.
    bool emptySomeRetired();

    PropertyFilterModel m_filter;
    Velmaris::ProcPlanBaseQItemModel::ExchangeRate m_rate = Velmaris::ProcPlanBaseQItemModel::s_defaultExchangeRate;
    bool m_compare = false;
    bool m_filling = false;
    // A large object whose rows are yet to be chosen.
    const PlanObject *m_toBegin = nullptr;
    bool m_several = false;
    std::future<void> m_preparing;
    // Set while the pane fills: what the model announces then is no edit.
    bool m_inSlice = false;
    std::size_t m_pricesDone = 0;
    std::size_t m_pricesToRefresh = 0;
    QTimer m_slices;
    // An emptied model, used again rather than made anew.
    std::unique_ptr<Velmaris::ProcPlanBaseQItemModel> m_spare;
    // Made with the settings above.
    std::unique_ptr<Velmaris::ProcPlanBaseQItemModel> m_model;
    PropertyViewFiller m_filler;
    SharedViewFiller m_sharedFiller;
    // Models left behind, emptied a slice at a time.
    std::vector<Retired> m_retired;
};

} // namespace VelmarisEditor
