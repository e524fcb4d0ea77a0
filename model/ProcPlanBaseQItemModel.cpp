#include "model/ProcPlanBaseQItemModel.h"

#include "host/commands/DesignCommandFactory.h"

#include <boost/algorithm/string/replace.hpp>

#include <utility>

namespace Velmaris {

const ProcPlanBaseQItemModel::ExchangeRate ProcPlanBaseQItemModel::s_defaultExchangeRate{1.0, "EUR"};
const int ProcPlanBaseQItemModel::s_parentObjectIdRole;
const int ProcPlanBaseQItemModel::s_tsKeyRole;
bool ProcPlanBaseQItemModel::s_showAllProperties = false;

ProcPlanBaseQItemModel::ProcPlanBaseQItemModel(std::shared_ptr<DesignDefinitionControlInterface> control)
    : m_designDefinitionControl(std::move(control))
    , m_exchangeRate(s_defaultExchangeRate)
{
    watchTopLevel();
}

ProcPlanBaseQItemModel::ProcPlanBaseQItemModel()
    : ProcPlanBaseQItemModel(std::shared_ptr<DesignDefinitionControlInterface>())
{
}

ProcPlanBaseQItemModel::~ProcPlanBaseQItemModel() = default;

void ProcPlanBaseQItemModel::setDesignDefinitionControl(
    const std::shared_ptr<DesignDefinitionControlInterface> &control)
{
    m_designDefinitionControl = control;
}

void ProcPlanBaseQItemModel::setExchangeRate(const ExchangeRate &exchangeRate)
{
    m_exchangeRate = exchangeRate;
}

void ProcPlanBaseQItemModel::enableReferenceComparison(bool enabled)
{
    m_referenceComparison = enabled;
}

void ProcPlanBaseQItemModel::setShowAllProperties(bool showAll)
{
    s_showAllProperties = showAll;
}

bool ProcPlanBaseQItemModel::getShowAllProperties()
{
    return s_showAllProperties;
}

std::string ProcPlanBaseQItemModel::getPropertyKeyAtIndex(const QModelIndex &index) const
{
    return data(index, s_tsKeyRole).toString().toStdString();
}

int ProcPlanBaseQItemModel::getPropertyParentIdAtIndex(const QModelIndex &index) const
{
    return data(index, s_parentObjectIdRole).toInt();
}

void ProcPlanBaseQItemModel::replaceStringInPlace(std::string &subject, const std::string &search,
                                                  const std::string &replacement)
{
    boost::algorithm::replace_all(subject, search, replacement);
}

// Any change that can move, add, drop or rekey a top-level row makes the category lookup
// rebuild on its next use; changes below the top level leave it alone.
void ProcPlanBaseQItemModel::watchTopLevel()
{
    const auto atTop = [this](const QModelIndex &parent) {
        if (!parent.isValid() && !m_appendingCategory)
            m_categoryRows.invalidate();
    };
    const auto always = [this] { m_categoryRows.invalidate(); };
    connect(this, &QAbstractItemModel::rowsInserted, this, atTop);
    connect(this, &QAbstractItemModel::rowsRemoved, this, atTop);
    connect(this, &QAbstractItemModel::columnsInserted, this, atTop);
    connect(this, &QAbstractItemModel::columnsRemoved, this, atTop);
    connect(this, &QAbstractItemModel::rowsMoved, this,
            [atTop](const QModelIndex &source, int, int, const QModelIndex &destination) {
                atTop(source);
                atTop(destination);
            });
    connect(this, &QAbstractItemModel::columnsMoved, this,
            [atTop](const QModelIndex &source, int, int, const QModelIndex &destination) {
                atTop(source);
                atTop(destination);
            });
    connect(this, &QAbstractItemModel::dataChanged, this,
            [atTop](const QModelIndex &topLeft, const QModelIndex &, const QVector<int> &roles) {
                if (roles.isEmpty() || roles.contains(s_tsKeyRole))
                    atTop(topLeft.parent());
            });
    connect(this, &QAbstractItemModel::modelReset, this, always);
    connect(this, &QAbstractItemModel::layoutChanged, this, always);
}

} // namespace Velmaris
