// What the editor relies on in the host stand-in's commands: exact undo, refused misfits.
#include "support/PlanObjects.h"

class HostContractTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_undo_exactly_and_refuse_misfits()
    {
        CCAPIAccess::DataBaseControl labels;
        auto layout = std::make_shared<ProcessLayout>(&labels);
        CostPropertyString name(key("P"), "old");
        name.setNoValue(true);
        SetPropertyStringValueCmd rename(layout, &name, "new");
        QVERIFY(rename.execute() && name.isModified() && !name.hasNoValue());
        QVERIFY(rename.undo());
        QCOMPARE(name.getValue(), std::string("old"));
        QVERIFY(!name.isModified() && name.hasNoValue());
        QVERIFY(rename.redo());
        QCOMPARE(name.getValue(), std::string("new"));

        CostPropertyEnum choice(key("P"), {"A", "B"}, 0);
        CostPropertyInteger count(key("P"), 5);
        QVERIFY(!SetPropertyEnumValueCmd(layout, &choice, 2, false).execute());
        QVERIFY(!SetPropertyDoubleValueCmd(layout, &count, 2.5, false).execute());
        QVERIFY(!SetPropertyEnumValueCmd(layout, &name, 0, false).execute());
        QVERIFY(!SetPropertyBooleanValueCmd(layout, nullptr, true).execute());
        QCOMPARE(std::make_tuple(choice.getIndexValue(), count.getValue(), choice.isModified()), std::make_tuple(0, 5, false));
    }
};

QTEST_MAIN(HostContractTest)
#include "HostContractTest.moc"
