#include <velmaris/commands/SetPropertyCommandDescription.h>

#include "support/OneTextTranslator.h"
#include "support/PlanObjects.h"

class CommandDescriptionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void description()
    {
        CCAPIAccess::DataBaseControl labels;
        labels.setLabel("OP_Rate", "Hourly rate");
        CCAPIProcessLayout::TSObject owner("OBJ_Milling", "Milling 10");
        auto layout = std::make_shared<ProcessLayout>(&labels);
        CostPropertyDouble rate(key("OP_Rate"), 80.0, "usd");
        rate.setOwnerObject(&owner);
        SetPropertyDoubleValueCmd command(layout, &rate, 100.0, false);

        // Property, owner, value; describing does not run the command.
        setPropertyCommandDescription(command, layout, &rate, "<200 CHF>");
        QCOMPARE(command.getDescription(), std::string("Change Hourly rate of Milling 10 to <200 CHF>"));
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
};

QTEST_MAIN(CommandDescriptionTest)
#include "CommandDescriptionTest.moc"
