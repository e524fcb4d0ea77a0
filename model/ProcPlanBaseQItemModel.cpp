#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/ProcPlanBaseQItemModel_p.h>

#include <velmaris/host/commands/DesignCommandFactory.h>

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
    , d(std::make_unique<ProcPlanBaseQItemModelPrivate>(*this))
{
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

// Any change that can move, add, drop, clear or rekey a top-level row makes the category
// lookup rebuild on its next use; changes below the top level leave it alone. Changes made
// without a signal are caught by the lookup itself.
ProcPlanBaseQItemModelPrivate::ProcPlanBaseQItemModelPrivate(ProcPlanBaseQItemModel &model)
{
    const auto atTop = [this](const QModelIndex &parent) {
        if (!parent.isValid() && !appendingCategory)
            categoryRows.invalidate();
    };
    const auto always = [this] { categoryRows.invalidate(); };
    const auto moved = [atTop](const QModelIndex &source, int, int, const QModelIndex &destination) {
        atTop(source);
        atTop(destination);
    };
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model, atTop);
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, &model, atTop);
    QObject::connect(&model, &QAbstractItemModel::columnsInserted, &model, atTop);
    QObject::connect(&model, &QAbstractItemModel::columnsRemoved, &model, atTop);
    QObject::connect(&model, &QAbstractItemModel::rowsMoved, &model, moved);
    QObject::connect(&model, &QAbstractItemModel::columnsMoved, &model, moved);
    // Only a data change that clears a row or names its key: a fill's thousands of cells do not.
    QObject::connect(&model, &QAbstractItemModel::dataChanged, &model,
                     [atTop](const QModelIndex &topLeft, const QModelIndex &, const QVector<int> &roles) {
                         if (roles.isEmpty() || roles.contains(ProcPlanBaseQItemModel::s_tsKeyRole))
                             atTop(topLeft.parent());
                     });
    QObject::connect(&model, &QAbstractItemModel::modelReset, &model, always);
    QObject::connect(&model, &QAbstractItemModel::layoutChanged, &model, always);
}

} // namespace Velmaris
