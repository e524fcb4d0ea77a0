#include "support/PropertyRows.h"
#include "support/SharedObjects.h"

#include <velmaris/commands/CompositeCmd.h>

using Values = std::vector<PropertyValue>;
Q_DECLARE_METATYPE(Values)

namespace {

PropertyPointer edited(PropertyPointer property, const PropertyValue &value)
{
    property->assign(value);
    return property;
}

PropertyPointer lots(std::vector<double> values)
{
    return std::make_shared<BaseMultiProperty>(key("P_Lots"), MultiLotPropertyType, BaseMultiProperty::DoubleValues,
                                               std::move(values));
}

// A shared cell filled and edited as a view edits it, and the command for the edit.
struct Editor : PropertyRows
{
    Editor()
    {
        labels.setLabel("P_Length", "Length");
        labels.setLabel("P_Coolant", "Coolant");
        labels.setLabel("P_Auto", "Auto");
        labels.setLabel("A", "Yes");
        labels.setLabel("B", "No");
        labels.setLabel("C", "Mist");
    }

    std::shared_ptr<CommandBase> edit(const std::vector<PropertyPointer> &properties, const QVariant &entered)
    {
        for (std::size_t i = 0; i < properties.size(); ++i) {
            owners.push_back(std::make_unique<CCAPIProcessLayout::TSObject>("OP", "Op " + std::to_string(i + 1)));
            properties[i]->setOwnerObject(owners.back().get());
        }
        shared = sharedOf(properties);
        cell = addRow();
        model.updateSharedPropertyValueAt(&labels, shared, {}, cell, false);
        if (entered.isValid())
            model.setData(cell, entered);
        return model.generateSharedPropertyModifyCommand(layout, shared, cell);
    }

    std::shared_ptr<ProcessLayout> layout = std::make_shared<ProcessLayout>(&labels);
    std::vector<std::unique_ptr<CCAPIProcessLayout::TSObject>> owners;
    SharedProperty shared;
    QModelIndex cell;
};

void compareStates(const std::vector<PropertyPointer> &properties, const std::vector<PropertyState> &states)
{
    for (std::size_t i = 0; i < properties.size(); ++i) {
        QCOMPARE(properties[i]->value(), states[i].value);
        QCOMPARE(properties[i]->hasNoValue(), states[i].noValue);
        QCOMPARE(properties[i]->isModified(), states[i].modified);
    }
}

std::vector<PropertyState> statesOf(const std::vector<PropertyPointer> &properties)
{
    std::vector<PropertyState> states;
    for (const PropertyPointer &property : properties)
        states.push_back(property->state());
    return states;
}

// Each object edited by the user to its value of values.
std::vector<PropertyState> editedTo(const Values &values)
{
    std::vector<PropertyState> states;
    for (const PropertyValue &value : values)
        states.push_back({value, false, true});
    return states;
}

} // namespace

class SharedCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void edit_sets_each_object_data()
    {
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QVariant>("entered"); // as the view's delegate writes it
        QTest::addColumn<Values>("stored");    // each object's value after the edit

        QTest::newRow("numbers, one without a value")
            << std::vector{number(1.5), edited(number(2.5), 2.75), withoutValue(number(3.5))} << 1.0 << QVariant(7.25)
            << Values{7.25, 7.25, 7.25};
        QTest::newRow("whole numbers") << std::vector<PropertyPointer>{std::make_shared<CostPropertyInteger>(key("P_Count"), 3),
                                                                       std::make_shared<CostPropertyInteger>(key("P_Count"), 4)}
                                       << 1.0 << QVariant(9) << Values{9, 9};
        QTest::newRow("prices at a rate") << std::vector{number(100, "usd", 0, 1000), number(300, "usd", 0, 1000)} << 0.8
                                          << QVariant(200.0) << Values{250.0, 250.0};
        QTest::newRow("lots") << std::vector{lots({1, 2}), lots({3})} << 1.0 << QVariant(5.0) << Values{5.0, 5.0};
        QTest::newRow("enumerations by key, each its own index")
            << std::vector{choice({"A", "B", "C"}, 0), choice({"C", "B", "A"}, 1)} << 1.0 << QVariant(QStringLiteral("Mist"))
            << Values{2, 0};
        QTest::newRow("booleans") << std::vector{flag(false), flag(true)} << 1.0 << QVariant(true) << Values{true, true};
        QTest::newRow("texts") << std::vector{text("a"), text("b")} << 1.0 << QVariant(QStringLiteral("x<y>"))
                               << Values{std::string("x[y]"), std::string("x[y]")};
        QTest::newRow("texts on one line") << std::vector{text("a"), text("b")} << 1.0 << QVariant(QStringLiteral("x\ny"))
                                           << Values{std::string("x y"), std::string("x y")};
    }

    void edit_sets_each_object()
    {
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(double, rate);
        QFETCH(QVariant, entered);
        QFETCH(Values, stored);
        Editor editor;
        editor.model.setExchangeRate({rate, "CHF"});
        const std::vector<PropertyState> before = statesOf(properties);
        const auto command = editor.edit(properties, entered);
        QVERIFY(command);
        compareStates(properties, before); // made, not executed

        QVERIFY(command->execute());
        compareStates(properties, editedTo(stored));
        QVERIFY(command->undo());
        compareStates(properties, before);
        QVERIFY(command->redo());
        compareStates(properties, editedTo(stored));
        QVERIFY(command->undo());
        compareStates(properties, before);
    }

    void description_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<QVariant>("entered");
        QTest::addColumn<QString>("description");

        const auto coolants = [] { return std::vector{choice({"A", "B"}, 0), choice({"A", "B"}, 1), choice({"B", "A"}, 0)}; };
        QTest::newRow("English") << false << coolants() << QVariant(QStringLiteral("Yes"))
                                 << QStringLiteral("Change Coolant of 3 objects to Yes");
        QTest::newRow("German") << true << coolants() << QVariant(QStringLiteral("Yes"))
                                << QStringLiteral("Coolant von 3 Objekten auf Yes ändern");
        QTest::newRow("number with its unit") << false << std::vector{number(1), number(2)} << QVariant(7.25)
                                              << QStringLiteral("Change Length of 2 objects to 7.25 mm");
        QTest::newRow("one object, its own") << false << std::vector{number(1)} << QVariant(7.25)
                                             << QStringLiteral("Change Length of Op 1 to 7.25 mm");
    }

    void description()
    {
        QFETCH(bool, german);
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(QVariant, entered);
        QFETCH(QString, description);
        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral(":/translations/velmaris_de.qm")));
        if (german)
            QCoreApplication::installTranslator(&translation);
        Editor editor;
        const auto command = editor.edit(properties, entered);
        QCoreApplication::removeTranslator(&translation);
        QVERIFY(command);
        QCOMPARE(QString::fromStdString(command->getDescription()), description);
        // Several objects' commands become one; one object's stays its own.
        QCOMPARE(dynamic_cast<CompositeCmd *>(command.get()) != nullptr, properties.size() > 1);
    }

    void unedited_mixed_cell_makes_no_command()
    {
        Editor editor;
        const std::vector<PropertyPointer> properties{number(1), number(2)};
        QVERIFY(!editor.edit(properties, QVariant()));
        editor.model.setData(editor.cell, 0.0);
        QVERIFY(editor.model.generateSharedPropertyModifyCommand(editor.layout, editor.shared, editor.cell));
    }

    void an_object_without_a_command_stops_all()
    {
        Editor editor;
        const PropertyPointer note = text("a");
        const SharedProperty shared{"P_Note",
                                    {{nullptr, PropertySignalContainer::make(note)},
                                     {nullptr, PropertySignalContainer::make(std::make_shared<FixedProperty>(99, std::string("b")))}},
                                    {}};
        const QModelIndex cell = editor.addRow();
        editor.model.updateSharedPropertyValueAt(&editor.labels, shared, {}, cell, false);
        editor.model.setData(cell, QStringLiteral("c"));
        QVERIFY(!editor.model.generateSharedPropertyModifyCommand(editor.layout, shared, cell));
    }

    void set_to_automatic_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("description");

        QTest::newRow("English") << false << QStringLiteral("Set Auto of 2 objects to automatic");
        QTest::newRow("German") << true << QStringLiteral("Auto von 2 Objekten auf automatisch setzen");
    }

    void set_to_automatic()
    {
        QFETCH(bool, german);
        QFETCH(QString, description);
        Editor editor;
        const std::vector<PropertyPointer> properties{edited(number(1, "mm", 0, 9, "P_Auto"), 5.0),
                                                      edited(number(2, "mm", 0, 9, "P_Auto"), 6.0)};
        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral(":/translations/velmaris_de.qm")));
        if (german)
            QCoreApplication::installTranslator(&translation);
        const auto command = editor.model.generateSharedSetPropertyToAutoCommand(editor.layout, sharedOf(properties));
        QCoreApplication::removeTranslator(&translation);
        QVERIFY(command);
        QCOMPARE(QString::fromStdString(command->getDescription()), description);

        const std::vector<PropertyState> before = statesOf(properties);
        const std::vector<PropertyState> automatic{{1.0, false, false}, {2.0, false, false}};
        QVERIFY(command->execute());
        compareStates(properties, automatic);
        QVERIFY(command->undo());
        compareStates(properties, before);
        QVERIFY(command->redo());
        compareStates(properties, automatic);
    }
};

QTEST_MAIN(SharedCommandTest)
#include "SharedCommandTest.moc"
