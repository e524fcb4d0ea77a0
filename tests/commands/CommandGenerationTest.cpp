#include "support/PropertyRows.h"

#include "host/access/ProcessLayoutController.h"
#include "host/commands/DesignCommandFactory.h"
#include "host/commands/SetPropertyCommands.h"
#include "host/objects/ProcessLayout.h"
#include "host/objects/TSObject.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QSignalSpy>
#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

LabelKey key(const std::string &name) { return LabelKey(name, "CAT"); }

// The design's commands, recognisable by their description.
class RecordingFactory : public DesignCommandFactory
{
public:
    std::shared_ptr<CommandBase> createSetNameToAutoCommand(const std::vector<BaseProperty *> &properties) override
    {
        return made("name to auto", properties, {});
    }
    std::shared_ptr<CommandBase> createRenameCommand(const std::vector<BaseProperty *> &properties,
                                                     const std::vector<std::string> &names) override
    {
        return made("rename", properties, names);
    }
    std::shared_ptr<CommandBase> createAirCushionUsedCommand(BaseProperty *property, bool used) override
    {
        return made(used ? "cushion on" : "cushion off", {property}, {});
    }
    std::shared_ptr<CommandBase> createSetAirCushionUsedToAutoCommand(BaseProperty *property) override
    {
        return made("cushion to auto", {property}, {});
    }

    std::vector<BaseProperty *> lastProperties;
    std::vector<std::string> lastNames;

private:
    std::shared_ptr<CommandBase> made(const std::string &what, const std::vector<BaseProperty *> &properties,
                                      const std::vector<std::string> &names)
    {
        lastProperties = properties;
        lastNames = names;
        auto command = std::make_shared<SetPropertyToAutoCmd>(nullptr, properties.front());
        command->setDescription(what);
        return command;
    }
};

class Control : public DesignDefinitionControlInterface
{
public:
    std::shared_ptr<DesignCommandFactory> getCommandFactory() const override { return factory; }
    std::shared_ptr<RecordingFactory> factory = std::make_shared<RecordingFactory>();
};

struct Editor : PropertyRows
{
    Editor()
    {
        labels.setLabel("P_Rate", "Rate");
        labels.setLabel("P_Name", "Name");
        labels.setLabel("MAT_Steel", "Steel");
        labels.setLabel("MAT_Alu", "Aluminium");
        labels.setLabel("MAT_Alloy", "Aluminium");
    }

    // Fills a row, lets the user enter a value, returns the command for it.
    std::shared_ptr<CommandBase> edit(BaseProperty &property, const QVariant &entered, QModelIndex *cellOut = nullptr)
    {
        property.setOwnerObject(&owner);
        const QModelIndex cell = addRow();
        model.updatePropertyValueAt(&labels, &property, nullptr, 1, cell, nullptr, 0, false, false);
        if (entered.isValid())
            model.setData(cell, entered);
        if (cellOut)
            *cellOut = cell;
        return model.generatePropertyModifyCommand(&controller, nullptr, layout, &property, cell);
    }

    CCAPIAccess::ProcessLayoutController controller{&labels};
    std::shared_ptr<ProcessLayout> layout = std::make_shared<ProcessLayout>(&labels);
    CCAPIProcessLayout::TSObject owner{"OP", "Op 10"};
};

template <typename Command>
bool is(const std::shared_ptr<CommandBase> &command)
{
    return dynamic_cast<Command *>(command.get()) != nullptr;
}

} // namespace

class CommandGenerationTest : public QObject
{
    Q_OBJECT

private slots:
    void price_edit_end_to_end();
    void strings();
    void booleans_and_enumerations();
    void design_factory_routes();
    void set_to_automatic();
};

void CommandGenerationTest::price_edit_end_to_end()
{
    Editor editor;
    editor.model.setExchangeRate({0.8, "CHF"});
    CostPropertyDouble rate(key("P_Rate"), 100.0, "usd");
    QModelIndex cell;
    QSignalSpy modified(&editor.model, &ProcPlanBaseQItemModel::sigPropGotModified);
    const auto command = editor.edit(rate, 200.0, &cell);
    QCOMPARE(modified.count(), 2); // the fill and the edit; the write-back sends nothing
    QVERIFY(is<SetPropertyDoubleValueCmd>(command));
    QCOMPARE(command->getDescription(), std::string("Change Rate of Op 10 to 200 CHF"));
    QCOMPARE(rate.getDoubleValue(), 100.0);

    QVERIFY(command->execute());
    QCOMPARE(rate.getDoubleValue(), 250.0);
    editor.model.updatePropertyValueAt(&editor.labels, &rate, nullptr, 1, cell, nullptr, 0, false, false);
    QCOMPARE(cell.data(Qt::EditRole).toDouble(), 200.0);
    QCOMPARE(cell.data(StateFlagsRole).toInt(), int(ChangedFlag));

    QVERIFY(command->undo());
    editor.model.updatePropertyValueAt(&editor.labels, &rate, nullptr, 1, cell, nullptr, 0, false, false);
    QCOMPARE(cell.data(Qt::EditRole).toDouble(), 80.0);
    QCOMPARE(cell.data(StateFlagsRole).toInt(), 0);
    QVERIFY(command->redo());
    QCOMPARE(rate.getDoubleValue(), 250.0);

    // A command even when nothing changed.
    QVERIFY(editor.edit(rate, QVariant()));
}

void CommandGenerationTest::strings()
{
    Editor editor;
    CostPropertyString name(key("P_Name"), "old");
    QModelIndex cell;
    const auto command = editor.edit(name, QStringLiteral("<new>\nline\r\nend"), &cell);
    QVERIFY(is<SetPropertyStringValueCmd>(command));
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("<new> line\r end"));
    QCOMPARE(command->getDescription(), std::string("Change Name of Op 10 to <new> line\r end"));
    QVERIFY(command->execute());
    QCOMPARE(name.getValue(), std::string("[new] line\r end"));
    QVERIFY(command->undo());
    QCOMPARE(name.getValue(), std::string("old"));

    // Comments keep their line feeds, in the cell, the value and the description.
    CostPropertyString comment(key("PRJ_Comment"), "", true);
    const auto commented = editor.edit(comment, QStringLiteral("two\nlines"), &cell);
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("two\nlines"));
    QCOMPARE(commented->getDescription(), std::string("Change  of Op 10 to two\nlines"));
    commented->execute();
    QCOMPARE(comment.getValue(), std::string("two\nlines"));
}

void CommandGenerationTest::booleans_and_enumerations()
{
    Editor editor;
    CostPropertyBoolean flag(key("P_Flag"), false);
    const auto toggled = editor.edit(flag, true);
    QVERIFY(is<SetPropertyBooleanValueCmd>(toggled));
    QCOMPARE(toggled->getDescription(), std::string("Change  of Op 10 to true"));
    QVERIFY(toggled->execute());
    QVERIFY(flag.getValue());

    // The cell's label picks the index; the first of equal labels wins.
    CostPropertyEnum material(key("P_Material"), {"MAT_Steel", "MAT_Alu", "MAT_Alloy"}, 0);
    const auto chosen = editor.edit(material, QStringLiteral("Aluminium"));
    QVERIFY(is<SetPropertyEnumValueCmd>(chosen));
    QVERIFY(chosen->execute());
    QCOMPARE(material.getIndexValue(), 1);
    QVERIFY(!editor.edit(material, QStringLiteral("Brass")));

    // A property of no known kind gets no command, but its cell is still flattened.
    class Unknown : public BaseProperty
    {
    public:
        Unknown() : BaseProperty(LabelKey("P_X", "CAT")) {}
        int getPropertyType() const override { return 99; }
        PropertyValue value() const override { return {}; }

    protected:
        bool store(const PropertyValue &) override { return false; }
    } unknown;
    QModelIndex cell;
    QVERIFY(!editor.edit(unknown, QStringLiteral("a\nb"), &cell));
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("a b"));
}

void CommandGenerationTest::design_factory_routes()
{
    Editor editor;
    auto control = std::make_shared<Control>();
    CostPropertyString name(key(CCAPIProcessLayout::BaseFeature::s_nameProperty), "F1");
    CostPropertyBoolean cushion(key(CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty), false);

    // Without a control the special keys are ordinary properties.
    QVERIFY(is<SetPropertyStringValueCmd>(editor.edit(name, QStringLiteral("<F2>"))));
    QVERIFY(is<SetPropertyBooleanValueCmd>(editor.edit(cushion, true)));

    editor.model.setDesignDefinitionControl(control);
    const auto renamed = editor.edit(name, QStringLiteral("<F2>"));
    QCOMPARE(renamed->getDescription(), std::string("rename"));
    QCOMPARE(control->factory->lastNames, std::vector<std::string>{"<F2>"});
    QCOMPARE(control->factory->lastProperties, std::vector<BaseProperty *>{&name});
    QCOMPARE(editor.edit(cushion, true)->getDescription(), std::string("cushion on"));

    // An empty factory means the ordinary way again.
    control->factory.reset();
    QVERIFY(is<SetPropertyStringValueCmd>(editor.edit(name, QStringLiteral("F3"))));
}

void CommandGenerationTest::set_to_automatic()
{
    Editor editor;
    CostPropertyDouble rate(key("P_Rate"), 5.0, "mm");
    rate.assign(7.0);
    const auto command = editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, &rate);
    QVERIFY(is<SetPropertyToAutoCmd>(command));
    QVERIFY(command->getDescription().empty());
    QVERIFY(command->execute());
    QCOMPARE(rate.getDoubleValue(), 5.0);
    QVERIFY(!rate.isModified());
    QVERIFY(command->undo());
    QCOMPARE(rate.getDoubleValue(), 7.0);

    CostPropertyString name(key(CCAPIProcessLayout::BaseFeature::s_nameProperty), "F1");
    CostPropertyBoolean cushion(key(CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty), true);
    QVERIFY(is<SetPropertyToAutoCmd>(editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, &name)));
    auto control = std::make_shared<Control>();
    editor.model.setDesignDefinitionControl(control);
    QCOMPARE(editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, &name)->getDescription(),
             std::string("name to auto"));
    QCOMPARE(editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, &cushion)->getDescription(),
             std::string("cushion to auto"));
    QVERIFY(editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, &rate)->getDescription().empty());
}

QTEST_MAIN(CommandGenerationTest)
#include "CommandGenerationTest.moc"
