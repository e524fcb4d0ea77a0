#include "app/ui/PropertyPane.h"

#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardItem>

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>


namespace VelmarisEditor {

using Velmaris::ProcPlanBaseQItemModel;


PropertyPane::PropertyPane()
    : m_model(freshModel())
    , m_filler(*m_model)
{
    m_filter.setSourceModel(m_model.get());
    connect(&m_slices, &QTimer::timeout, this, &PropertyPane::runSlice);
}

PropertyPane::~PropertyPane()
{
    awaitPreparing();
    m_filter.setSourceModel(nullptr);
}

void PropertyPane::awaitPreparing()
{
    if (m_preparing.valid())
        m_preparing.get();
}

std::unique_ptr<ProcPlanBaseQItemModel> PropertyPane::freshModel()
{
    std::unique_ptr<ProcPlanBaseQItemModel> model = std::move(m_spare);
    if (!model) {
        model = std::make_unique<ProcPlanBaseQItemModel>();
        connect(model.get(), &ProcPlanBaseQItemModel::sigPropGotModified, this, [this](const QModelIndex &cell) {
            if (!m_inSlice && cell.model() == m_model.get())
                Q_EMIT edited(cell);
        });
    }
    model->setExchangeRate(m_rate);
    model->enableReferenceComparison(m_compare);
    return model;
}

void PropertyPane::replaceModel()
{
    std::unique_ptr<ProcPlanBaseQItemModel> fresh = freshModel();
    Retired retired{std::move(m_model), m_filler.setModel(*fresh)};
    m_model = std::move(fresh);
    m_retired.push_back(std::move(retired));
}

void PropertyPane::setPlan(PlanDocument *plan)
{
    awaitPreparing();
    if (m_filling)
        show(nullptr);
    m_filler.setPlan(plan);
    m_sharedFiller.setPlan(plan);
    m_sharedFiller.clear();
}

void PropertyPane::setExchangeRate(const ProcPlanBaseQItemModel::ExchangeRate &rate)
{
    m_rate = rate;
    m_model->setExchangeRate(rate);
}

void PropertyPane::enableReferenceComparison(bool enabled)
{
    m_compare = enabled;
    m_model->enableReferenceComparison(enabled);
}

void PropertyPane::startShowing(bool several)
{
    awaitPreparing();
    // The view goes on showing the model left behind until it can show the new one or knows
    // it must wait: one change of model for it to lay out rather than two.
    replaceModel();
    m_several = several;
    m_sharedFiller.clear();
    m_pricesDone = m_pricesToRefresh = 0;
    m_toBegin = nullptr;
}

void PropertyPane::showOrWait(int total)
{
    if (m_filling) {
        m_filter.setSourceModel(nullptr);
        Q_EMIT fillProgress(0, total);
    } else {
        attach();
    }
    scheduleSlice();
}

void PropertyPane::show(const PlanObject *object)
{
    const QScopedValueRollback<bool> inSlice(m_inSlice, true);
    startShowing(false);
    m_filling = object != nullptr;
    // Choosing and ordering a large object's rows is a slice of its own.
    m_toBegin = object && object->properties().size() > rowsPerSlice ? object : nullptr;
    if (m_filling && !m_toBegin) {
        m_filler.begin(*object);
        m_filling = !m_filler.fillSome(rowsPerSlice);
    }
    showOrWait(object ? static_cast<int>(object->properties().size()) : 0);
}

void PropertyPane::showShared(const std::vector<const PlanObject *> &objects)
{
    const QScopedValueRollback<bool> inSlice(m_inSlice, true);
    startShowing(true);
    std::size_t cells = 0;
    for (const PlanObject *object : objects)
        cells += object->properties().size();
    m_filling = cells > sharedCellsAtOnce;
    if (m_filling)
        m_preparing = std::async(std::launch::async, [this, objects] { m_sharedFiller.prepare(objects); });
    else
        m_sharedFiller.fill(*m_model, objects);
    // A busy bar: how long the search takes is not known.
    showOrWait(0);
}

bool PropertyPane::takePrepared(bool wait)
{
    if (m_preparing.valid()) {
        if (!wait && m_preparing.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return false;
        m_preparing.get();
        m_sharedFiller.begin(*m_model);
    }
    return true;
}

void PropertyPane::fillSharedSlice()
{
    if (!takePrepared(false))
        return;
    const QScopedValueRollback<bool> inSlice(m_inSlice, true);
    if (m_sharedFiller.fillSome(*m_model, sharedCellsAtOnce)) {
        m_filling = false;
        attach();
    }
}

void PropertyPane::refreshPrices()
{
    if (showsSeveral()) {
        // Rows filled later take the new rate; none are filled while the search runs.
        if (m_preparing.valid())
            return;
        const QScopedValueRollback<bool> inSlice(m_inSlice, true);
        const QSignalBlocker quiet(m_filter);
        m_sharedFiller.refreshAll(*m_model);
        Q_EMIT pricesRefreshed();
        return;
    }
    // Rows filled later take the new rate.
    m_pricesDone = 0;
    m_pricesToRefresh = m_filler.priceRows();
    refreshSomePrices();
    scheduleSlice();
}

void PropertyPane::refreshSomePrices()
{
    {
        const QScopedValueRollback<bool> inSlice(m_inSlice, true);
        // Told cell by cell, the view would look each one up among all its rows.
        const QSignalBlocker quiet(m_filter);
        m_filler.refreshPrices(m_pricesDone, rowsPerSlice);
    }
    m_pricesDone = std::min(m_pricesToRefresh, m_pricesDone + rowsPerSlice);
    Q_EMIT pricesRefreshed();
}

void PropertyPane::scheduleSlice()
{
    // A model left behind is emptied once the window has painted what it shows now.
    const bool urgent = m_filling || m_pricesDone < m_pricesToRefresh;
    m_slices.start(urgent ? 0 : emptyingPauseMilliseconds);
}

void PropertyPane::finish()
{
    if (!m_filling)
        return;
    {
        const QScopedValueRollback<bool> inSlice(m_inSlice, true);
        if (m_several) {
            takePrepared(true);
            m_sharedFiller.fillSome(*m_model, std::numeric_limits<std::size_t>::max());
        } else {
            if (m_toBegin)
                m_filler.begin(*std::exchange(m_toBegin, nullptr));
            m_filler.fillSome(m_filler.chosenRows());
        }
    }
    m_filling = false;
    attach();
}

void PropertyPane::attach()
{
    m_filter.setSourceModel(m_model.get());
    Q_EMIT shown();
}

void PropertyPane::runSlice()
{
    if (m_filling && m_several) {
        fillSharedSlice();
    } else if (m_filling) {
        // Choosing the rows, filling a slice of them and showing them all are each a slice
        // of their own: the view lays out every row when it is shown.
        if (!m_toBegin && m_filler.filledRows() == m_filler.chosenRows()) {
            m_filling = false;
            attach();
        } else {
            {
                const QScopedValueRollback<bool> inSlice(m_inSlice, true);
                if (m_toBegin)
                    m_filler.begin(*std::exchange(m_toBegin, nullptr));
                else
                    m_filler.fillSome(rowsPerSlice);
            }
            Q_EMIT fillProgress(static_cast<int>(m_filler.filledRows()), static_cast<int>(m_filler.chosenRows()));
        }
    } else if (m_pricesDone < m_pricesToRefresh) {
        refreshSomePrices();
    } else if (!emptySomeRetired()) {
        m_slices.stop();
        return;
    }
    scheduleSlice();
}

bool PropertyPane::emptySomeRetired()
{
    if (m_retired.empty())
        return false;
    Retired &retired = m_retired.front();
    ProcPlanBaseQItemModel &model = *retired.model;
    // From the back, so that no remaining row moves.
    int left = static_cast<int>(rowsPerSlice);
    while (left > 0 && model.rowCount() > 0) {
        const int last = model.rowCount() - 1;
        QStandardItem *category = model.item(last);
        const int rows = category->rowCount();
        if (rows > left) {
            category->removeRows(rows - left, left);
            left = 0;
        } else {
            model.removeRow(last);
            left -= rows + 1;
        }
    }
    if (retired.rows.forgetSome(rowsPerSlice) && model.rowCount() == 0) {
        if (!m_spare)
            m_spare = std::move(retired.model);
        m_retired.erase(m_retired.begin());
    }
    return true;
}

} // namespace VelmarisEditor
