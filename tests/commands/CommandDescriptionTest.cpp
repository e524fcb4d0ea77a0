#include "commands/CommandExecutorInterface.h"
#include "commands/SetPropertyCommandDescription.h"

#include "support/OneTextTranslator.h"
#include "support/PlanObjects.h"

namespace {

// Remembers in which order labels were asked for.
class RecordingTranslator : public CCAPIAccess::DataBaseControl
{
public:
    using CCAPIAccess::DataBaseControl::getLabel;
    std::string getLabel(const CCAPIProcessLayout::TSObject *object) const override
    {
        asked << QStringLiteral("owner");
        return DataBaseControl::getLabel(object);
    }
    std::string getLabel(const BaseProperty *property) const override
    {
        asked << QStringLiteral("property");
        return DataBaseControl::getLabel(property);
    }
    mutable QStringList asked;
};

// An executor as a host writes one: runs a command and keeps it for undo.
struct HistoryExecutor : CommandExecutorInterface
{
    bool execute(std::shared_ptr<CommandBase> command) override
    {
        if (!command || !command->execute())
            return false;
        history.push_back(std::move(command));
        return true;
    }
    std::vector<std::shared_ptr<CommandBase>> history;
};

} // namespace

class CommandDescriptionTest : public QObject
{
    Q_OBJECT

private slots:
    void description();
    void executor_interface();
};

void CommandDescriptionTest::description()
{
    RecordingTranslator labels;
    labels.setLabel("OP_Rate", "Hourly rate");
    CCAPIProcessLayout::TSObject owner("OBJ_Milling", "Milling 10");
    auto layout = std::make_shared<ProcessLayout>(&labels);
    CostPropertyDouble rate(key("OP_Rate"), 80.0, "usd");
    rate.setOwnerObject(&owner);
    SetPropertyDoubleValueCmd command(layout, &rate, 100.0, false);

    // Property, owner, value; the owner's label is fetched first. Describing does not run it.
    setPropertyCommandDescription(command, layout, &rate, "<200 CHF>");
    QCOMPARE(command.getDescription(), std::string("Change Hourly rate of Milling 10 to <200 CHF>"));
    QCOMPARE(labels.asked, (QStringList{"owner", "property"}));
    QCOMPARE(rate.getDoubleValue(), 80.0);

    // A translation may reorder the placeholders; each still gets its own text.
    OneTextTranslator german("SetPropertyCommandBase", "Change %1 of %2 to %3", QStringLiteral("%3 als %1 von %2 setzen"));
    QCoreApplication::installTranslator(&german);
    setPropertyCommandDescription(command, layout, &rate, "200 CHF");
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(command.getDescription(), std::string("200 CHF als Hourly rate von Milling 10 setzen"));

    // An owner without a name shows its type's label; texts holding a placeholder are not filled again.
    labels.setLabel("OBJ_Drilling", "Drilling %3");
    CCAPIProcessLayout::TSObject unnamed("OBJ_Drilling");
    rate.setOwnerObject(&unnamed);
    setPropertyCommandDescription(command, layout, &rate, "5 %1");
    QCOMPARE(command.getDescription(), std::string("Change Hourly rate of Drilling %3 to 5 %1"));
}

void CommandDescriptionTest::executor_interface()
{
    static_assert(std::is_abstract_v<CommandExecutorInterface> && std::has_virtual_destructor_v<CommandExecutorInterface>);
    CCAPIAccess::DataBaseControl labels;
    CostPropertyInteger count(key("OP_Count"), 1);
    HistoryExecutor executor;
    CommandExecutorInterface &asInterface = executor;
    QVERIFY(asInterface.execute(std::make_shared<SetPropertyIntegerValueCmd>(std::make_shared<ProcessLayout>(&labels), &count, 7, false)));
    QVERIFY(!asInterface.execute(nullptr));
    QCOMPARE(count.getValue(), 7);
    QCOMPARE(executor.history.size(), std::size_t(1));
}

QTEST_MAIN(CommandDescriptionTest)
#include "CommandDescriptionTest.moc"
