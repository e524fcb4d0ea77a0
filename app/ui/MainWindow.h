#pragma once

#include "app/plan/PlanDocument.h"
#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <QMainWindow>
#include <QSortFilterProxyModel>
#include <QUndoStack>

#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTreeView;

namespace VelmarisEditor {

// Display currencies: stored prices are in US dollars and shown multiplied by the rate.
struct Currency
{
    const char *code;
    double rate;
};
extern const Currency s_currencies[3];

// The editor: the plan's objects on the left, the chosen object's properties on the right,
// every edit an undoable command.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(std::unique_ptr<PlanDocument> plan, std::unique_ptr<PlanDocument> reference, QString planPath);
    ~MainWindow() override;

    bool selectObject(int objectId);
    bool setCurrency(const QString &code);
    void setCompareWithReference(bool compare);
    void setShowAllProperties(bool showAll);
    void setFilterText(const QString &text);
    // Saves to the path; false with a message box when that fails.
    bool saveTo(const QString &path);

    QTreeView *propertyView() const { return m_view; }
    Velmaris::ProcPlanBaseQItemModel &propertyModel() { return m_model; }
    QSortFilterProxyModel &filterModel() { return m_filter; }
    QUndoStack &undoStack() { return m_undo; }
    PlanDocument &plan() { return *m_plan; }
    // Properties of the shown object as text (for --dump).
    QString dump() const;

private:
    void buildUi();
    void buildMenus();
    void refill();
    void refresh(int objectId, const std::string &key);
    void commitEdit(const QModelIndex &cell);
    void setSelectedToAutomatic();
    void showReport();
    void openPlan();
    const PlanObject *currentObject() const;
    // The plan object and property a value cell shows; nulls when the cell shows none.
    struct CellProperty
    {
        const PlanObject *object = nullptr;
        CCAPIBaseCommon::BaseProperty *property = nullptr;
        int objectId = -1;
        std::string key;
    };
    CellProperty propertyAt(const QModelIndex &cell) const;
    // Executes the command on the undo stack; undo and redo refresh the property's row.
    void pushUndoable(const std::shared_ptr<Velmaris::CommandBase> &command, const CellProperty &at);

    std::unique_ptr<PlanDocument> m_plan;
    std::unique_ptr<PlanDocument> m_reference;
    QString m_planPath;
    Velmaris::ProcPlanBaseQItemModel m_model;
    PropertyViewFiller m_filler;
    QSortFilterProxyModel m_filter;
    QUndoStack m_undo;
    int m_objectId = -1;
    bool m_filling = false;

    QListWidget *m_objects = nullptr;
    QTreeView *m_view = nullptr;
    QLineEdit *m_filterEdit = nullptr;
    QComboBox *m_currency = nullptr;
    QAction *m_compare = nullptr;
    QAction *m_showAll = nullptr;
};

} // namespace VelmarisEditor
