#pragma once

#include <QAbstractListModel>

namespace VelmarisEditor {

class PlanDocument;

// The plan's objects as a list, in file order: the label, a tooltip with kind and id, and the
// id under idRole. Rows are read from the plan when a view asks for them, so that a plan of
// hundreds of thousands of objects is listed and closed without an item per object.
class ObjectListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int idRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    // Shows another plan (or none); the plan must outlive its showing.
    void setPlan(const PlanDocument *plan);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const PlanDocument *m_plan = nullptr;
};

} // namespace VelmarisEditor
