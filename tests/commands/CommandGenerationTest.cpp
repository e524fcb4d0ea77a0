#include "support/PropertyRows.h"

#include <velmaris/host/commands/DesignCommandFactory.h>

#include <QSignalSpy>

namespace {

// The design's commands, told apart by their description.
struct RecordingFactory : DesignCommandFactory
{
    std::shared_ptr<CommandBase> createSetNameToAutoCommand(const std::vector<BaseProperty *> &p) override
    {
        return made("name to auto", p.front());
    }
    std::shared_ptr<CommandBase> createRenameCommand(const std::vector<BaseProperty *> &p, const std::vector<std::string> &names) override
    {
        return made("rename to " + names.front(), p.front());
    }
    std::shared_ptr<CommandBase> createAirCushionUsedCommand(BaseProperty *p, bool used) override
    {
        return made(used ? "cushion on" : "cushion off", p);
    }
    std::shared_ptr<CommandBase> createSetAirCushionUsedToAutoCommand(BaseProperty *p) override
    {
        return made("cushion to auto", p);
    }
    static std::shared_ptr<CommandBase> made(const std::string &what, BaseProperty *property)
    {
        auto command = std::make_shared<SetPropertyToAutoCmd>(nullptr, property);
        command->setDescription(what);
        return command;
    }
};

struct Control : DesignDefinitionControlInterface
{
    std::shared_ptr<DesignCommandFactory> getCommandFactory() const override { return factory; }
    std::shared_ptr<RecordingFactory> factory;
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
        const QModelIndex cell = fill(property);
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

// A command by what made it: the design factory's description, or the command's class.
QString madeBy(const std::shared_ptr<CommandBase> &command)
{
    if (!command)
        return QStringLiteral("none");
    if (!command->getDescription().empty() && command->getDescription().find("Change") != 0)
        return QString::fromStdString(command->getDescription());
    if (dynamic_cast<SetPropertyStringValueCmd *>(command.get()))
        return QStringLiteral("string");
    if (dynamic_cast<SetPropertyBooleanValueCmd *>(command.get()))
        return QStringLiteral("boolean");
    return dynamic_cast<SetPropertyToAutoCmd *>(command.get()) ? QStringLiteral("automatic") : QStringLiteral("other");
}

} // namespace

class CommandGenerationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void price_edit_end_to_end()
    {
        Editor editor;
        editor.model.setExchangeRate({0.8, "CHF"});
        CostPropertyDouble rate(key("P_Rate"), 100.0, "usd");
        QModelIndex cell;
        QSignalSpy modified(&editor.model, &ProcPlanBaseQItemModel::sigPropGotModified);
        const auto command = editor.edit(rate, 200.0, &cell);
        QCOMPARE(modified.count(), 2); // the fill and the edit; the write-back sends nothing
        QVERIFY(dynamic_cast<SetPropertyDoubleValueCmd *>(command.get()));
        QCOMPARE(command->getDescription(), std::string("Change Rate of Op 10 to 200 CHF"));
        QCOMPARE(rate.getDoubleValue(), 100.0);

        QVERIFY(command->execute());
        editor.refill(cell, rate);
        QCOMPARE(rate.getDoubleValue(), 250.0);
        QCOMPARE(cell.data(Qt::EditRole), QVariant(200.0));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), int(ChangedFlag));
        QVERIFY(command->undo());
        editor.refill(cell, rate);
        QCOMPARE(cell.data(Qt::EditRole), QVariant(80.0));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), 0);

        // A command even when nothing changed.
        QVERIFY(editor.edit(rate, QVariant()));
    }

    void strings()
    {
        Editor editor;
        CostPropertyString name(key("P_Name"), "old");
        QModelIndex cell;
        const auto command = editor.edit(name, QStringLiteral("<new>\nline\r\nend"), &cell);
        QCOMPARE(madeBy(command), QStringLiteral("string"));
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
        QVERIFY(commented->execute());
        QCOMPARE(comment.getValue(), std::string("two\nlines"));
    }

    void booleans_and_enumerations()
    {
        Editor editor;
        CostPropertyBoolean flag(key("P_Flag"), false);
        const auto toggled = editor.edit(flag, true);
        QCOMPARE(madeBy(toggled), QStringLiteral("boolean"));
        QCOMPARE(toggled->getDescription(), std::string("Change  of Op 10 to true"));
        QVERIFY(toggled->execute());
        QVERIFY(flag.getValue());

        // The cell's label picks the index; the first of equal labels wins; an unknown label, nothing.
        CostPropertyEnum material(key("P_Material"), {"MAT_Steel", "MAT_Alu", "MAT_Alloy"}, 0);
        const auto chosen = editor.edit(material, QStringLiteral("Aluminium"));
        QVERIFY(dynamic_cast<SetPropertyEnumValueCmd *>(chosen.get()));
        QVERIFY(chosen->execute());
        QCOMPARE(material.getIndexValue(), 1);
        QVERIFY(material.isModified());
        QVERIFY(editor.edit(material, QStringLiteral("Steel"))->execute());
        QCOMPARE(material.getIndexValue(), 0);
        QVERIFY(!editor.edit(material, QStringLiteral("Brass")));

        // A property of no known kind gets no command, but its cell is still flattened.
        FixedProperty unknown(99, {});
        QModelIndex cell;
        QVERIFY(!editor.edit(unknown, QStringLiteral("a\nb"), &cell));
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("a b"));
    }

    void design_factory_routes_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<int>("control"); // 0 none, 1 with a factory, 2 without one
        QTest::addColumn<QString>("modify");
        QTest::addColumn<QString>("toAutomatic");
        const QByteArray name = QByteArray::fromStdString(CCAPIProcessLayout::BaseFeature::s_nameProperty);
        const QByteArray cushion = QByteArray::fromStdString(CCAPIProcessLayout::BaseBaseAssembly::s_airCushionUsedProperty);
        QTest::newRow("name, no control") << name << false << 0 << "string" << "automatic";
        QTest::newRow("name, factory") << name << false << 1 << "rename to <F2>" << "name to auto";
        QTest::newRow("name, no factory") << name << false << 2 << "string" << "automatic";
        QTest::newRow("cushion, no control") << cushion << true << 0 << "boolean" << "automatic";
        QTest::newRow("cushion, factory") << cushion << true << 1 << "cushion on" << "cushion to auto";
        QTest::newRow("other text, factory") << QByteArray("P_Name") << false << 1 << "string" << "automatic";
        QTest::newRow("other flag, factory") << QByteArray("P_Flag") << true << 1 << "boolean" << "automatic";
    }

    void design_factory_routes()
    {
        QFETCH(QByteArray, key);
        QFETCH(bool, boolean);
        QFETCH(int, control);
        Editor editor;
        auto design = std::make_shared<Control>();
        if (control == 1)
            design->factory = std::make_shared<RecordingFactory>();
        if (control > 0)
            editor.model.setDesignDefinitionControl(design);
        std::unique_ptr<BaseProperty> property;
        if (boolean)
            property = std::make_unique<CostPropertyBoolean>(LabelKey(key.toStdString(), "CAT"), false);
        else
            property = std::make_unique<CostPropertyString>(LabelKey(key.toStdString(), "CAT"), "F1");

        const QVariant entered = boolean ? QVariant(true) : QVariant(QStringLiteral("<F2>"));
        QTEST(madeBy(editor.edit(*property, entered)), "modify");
        QTEST(madeBy(editor.model.generateSetPropertyToAutoCommand(nullptr, editor.layout, property.get())), "toAutomatic");
    }
};

QTEST_MAIN(CommandGenerationTest)
#include "CommandGenerationTest.moc"
