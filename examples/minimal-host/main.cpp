// A minimal host of the library: one plan object's properties in a tree view, compared with a
// reference plan, and an edit turned into an undoable command; then two objects edited at
// once. Exits with 0 when the edits and their undo reach the properties and the views as
// they should.
#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/SharedProperties.h>
#include <velmaris/widgets/PropertyTreeView.h>

#include <velmaris/host/access/DataBaseControl.h>
#include <velmaris/host/access/ProcessLayoutController.h>
#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/objects/PropertySignalContainer.h>
#include <velmaris/host/objects/TSObject.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <QApplication>
#include <QStandardItem>
#include <QTextStream>
#include <QUndoStack>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using namespace CCAPIBaseCommon;
using Velmaris::ProcPlanBaseQItemModel;
using Velmaris::PropertyTreeView;
using Velmaris::PropertySignalContainer;

namespace {

// The library makes commands and never runs them: the host's undo stack does.
class UndoableCommand : public QUndoCommand
{
public:
    UndoableCommand(std::shared_ptr<Velmaris::CommandBase> command, std::function<void()> refresh)
        : QUndoCommand(QString::fromStdString(command->getDescription()))
        , m_command(std::move(command))
        , m_refresh(std::move(refresh))
    {
    }
    void redo() override
    {
        m_executed ? m_command->redo() : m_command->execute();
        m_executed = true;
        m_refresh();
    }
    void undo() override
    {
        m_command->undo();
        m_refresh();
    }

private:
    std::shared_ptr<Velmaris::CommandBase> m_command;
    std::function<void()> m_refresh;
    bool m_executed = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTextStream out(stdout);

    // The host's own data: labels, a plan with one object, and the reference plan's values.
    CCAPIAccess::DataBaseControl labels;
    labels.setLabel("CAT_Size", "Size");
    labels.setLabel("P_Length", "Length");
    labels.setLabel("P_Material", "Material");
    CCAPIAccess::ProcessLayoutController controller(&labels);
    const auto layout = std::make_shared<Velmaris::ProcessLayout>(&labels);
    const auto object = std::make_shared<Velmaris::Object>(1);
    CCAPIProcessLayout::TSObject owner("T_Operation", "Deburring");
    auto length = std::make_shared<CostPropertyDouble>(LabelKey("P_Length", "CAT_Size"), 12.5, "mm", 0.0, 100.0);
    auto material = std::make_shared<CostPropertyString>(LabelKey("P_Material", "CAT_Size"), "steel");
    length->setOwnerObject(&owner);
    const std::vector<std::shared_ptr<PropertySignalContainer>> properties{
        PropertySignalContainer::make(length, object), PropertySignalContainer::make(material, object)};
    CostPropertyDouble referenceLength(LabelKey("P_Length", "CAT_Size"), 12.5, "mm");
    CostPropertyString referenceMaterial(LabelKey("P_Material", "CAT_Size"), "brass");
    const std::map<BaseProperty *, BaseProperty *> reference{{length.get(), &referenceLength},
                                                             {material.get(), &referenceMaterial}};

    // One model per view, owned by the host; the view shows it.
    ProcPlanBaseQItemModel model;
    model.enableReferenceComparison(true);
    model.setColumnCount(2);
    // The library's view draws and edits every role with its PropertyItemDelegate; a host with
    // a view of its own sets that delegate on it instead.
    PropertyTreeView view;
    view.setModel(&model);

    // Filling: the model finds the category row, the host inserts the property row beneath
    // it, the model fills the label cell (column 0) and the value cell (column 1).
    std::map<BaseProperty *, QModelIndex> valueCells;
    const auto fillValue = [&](const std::shared_ptr<PropertySignalContainer> &container) {
        BaseProperty *property = container->getProperty();
        model.updatePropertyValueAt(&labels, container, reference.at(property), valueCells.at(property), 0, false);
    };
    for (const auto &container : ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(properties, false)) {
        const QModelIndex category = model.categoryIndex(&controller, container);
        model.itemFromIndex(category)->appendRow({new QStandardItem, new QStandardItem});
        const int row = model.rowCount(category) - 1;
        BaseProperty *property = container->getProperty();
        model.generateLabelQitem(&labels, property->getLabelKey(), model.index(row, 0, category), false);
        valueCells[property] = model.index(row, 1, category);
        fillValue(container);
    }
    // The categories: expandAll() would keep a persistent index for every property row.
    view.expandToDepth(0);

    // An edit as the view's delegate writes it, then the command that stores it, on the
    // host's undo stack; each step refills the cell from the property.
    QUndoStack undoStack;
    const QModelIndex lengthCell = valueCells.at(length.get());
    model.setData(lengthCell, 20.0);
    const auto command = model.generatePropertyModifyCommand(&controller, object, layout, length.get(), lengthCell);
    if (!command)
        return 1;
    undoStack.push(new UndoableCommand(command, [&] { fillValue(properties.front()); }));
    out << undoStack.text(0) << '\n';

    const auto mismatch = [](const QModelIndex &cell) {
        return (cell.data(Velmaris::StateFlagsRole).toInt() & Velmaris::ReferenceMismatchFlag) != 0;
    };
    const bool edited = length->getDoubleValue() == 20.0 && lengthCell.data(Qt::EditRole).toDouble() == 20.0
                        && mismatch(lengthCell) && mismatch(valueCells.at(material.get()));
    undoStack.undo();
    const bool undone = length->getDoubleValue() == 12.5 && !mismatch(lengthCell);
    out << (edited && undone ? "edit and undo: ok" : "edit and undo: FAILED") << '\n';

    // Two objects at once: one row for each property they share, in a view of its own. A value
    // that differs between them shows empty, and one edit becomes one command over both.
    const auto milling = std::make_shared<Velmaris::Object>(2);
    CCAPIProcessLayout::TSObject millingOwner("T_Operation", "Milling");
    auto millingLength = std::make_shared<CostPropertyDouble>(LabelKey("P_Length", "CAT_Size"), 40.0, "mm", 10.0, 200.0);
    millingLength->setOwnerObject(&millingOwner);
    const auto shared = Velmaris::sharedProperties(
        {{object, properties}, {milling, {PropertySignalContainer::make(millingLength, milling)}}}, false);
    ProcPlanBaseQItemModel sharedModel;
    sharedModel.setColumnCount(2);
    PropertyTreeView sharedView;
    sharedView.setModel(&sharedModel);
    std::vector<QModelIndex> sharedCells;
    for (const Velmaris::SharedProperty &property : shared) {
        const auto &first = property.members.front().container;
        const QModelIndex category = sharedModel.categoryIndex(&controller, first);
        sharedModel.itemFromIndex(category)->appendRow({new QStandardItem, new QStandardItem});
        const int row = sharedModel.rowCount(category) - 1;
        sharedModel.generateLabelQitem(&labels, first->getProperty()->getLabelKey(), sharedModel.index(row, 0, category), false);
        sharedCells.push_back(sharedModel.index(row, 1, category));
        sharedModel.updateSharedPropertyValueAt(&labels, property, {}, sharedCells.back(), false);
    }
    // Only the length is shared: the material is the first object's alone.
    const QModelIndex bothLengths = sharedCells.front();
    const auto isMixed = [&] { return bothLengths.data(Velmaris::MixedValueRole).toBool(); };
    const bool mixedAtFirst = shared.size() == 1 && isMixed();
    sharedModel.setData(bothLengths, 50.0);
    const auto both = sharedModel.generateSharedPropertyModifyCommand(layout, shared.front(), bothLengths);
    if (!both)
        return 1;
    undoStack.push(new UndoableCommand(both, [&] {
        sharedModel.updateSharedPropertyValueAt(&labels, shared.front(), {}, bothLengths, false);
    }));
    out << undoStack.text(undoStack.index() - 1) << '\n';
    const bool bothEdited = length->getDoubleValue() == 50.0 && millingLength->getDoubleValue() == 50.0 && !isMixed();
    undoStack.undo();
    const bool bothUndone = length->getDoubleValue() == 12.5 && millingLength->getDoubleValue() == 40.0 && isMixed();
    const bool together = mixedAtFirst && bothEdited && bothUndone;
    out << (together ? "several at once: ok" : "several at once: FAILED") << '\n';
    return edited && undone && together ? 0 : 1;
}
