// Label lookups as the model and the plan files rely on them: fallbacks, replacement, and
// tables of many thousand keys.
#include <velmaris/host/access/DataBaseControl.h>

#include <QtTest>

class LabelDatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookups_fall_back_and_tables_compare_by_content()
    {
        CCAPIAccess::DataBaseControl labels;
        labels.setActiveLanguage("de");
        QCOMPARE(labels.getLabel("P_A"), std::string()); // no table for either language yet
        constexpr int count = 5000;
        for (int i = 0; i < count; ++i)
            labels.setLabel("P_" + std::to_string(i), "label " + std::to_string(i));
        labels.setLabel("P_1", "Spannkraft", "de");
        labels.setLabel("P_2", "Drehzahl", "de");
        labels.setLabel("P_2", "Vorschub", "de");
        for (int i = 0; i < count; ++i)
            QCOMPARE(labels.getLabel("P_" + std::to_string(i)), i == 1 ? "Spannkraft" : i == 2 ? "Vorschub" : "label " + std::to_string(i));
        QCOMPARE(labels.getLabel("P_" + std::to_string(count)), std::string());
        labels.setActiveLanguage("fr");
        QCOMPARE(labels.getLabel("P_1"), std::string("label 1"));

        // The same labels set in another order are the same table; one label more or changed is not.
        CCAPIAccess::LabelTable backward;
        for (int i = count - 1; i >= 0; --i)
            backward.set("P_" + std::to_string(i), "label " + std::to_string(i));
        const CCAPIAccess::LabelTable &forward = labels.labelTables().at("en");
        QVERIFY(forward == backward);
        CCAPIAccess::LabelTable more = backward;
        more.set("P_extra", "x");
        backward.set("P_7", "changed");
        QVERIFY(!(forward == backward) && !(forward == more) && !(more == forward));
    }
};

QTEST_MAIN(LabelDatabaseTest)
#include "LabelDatabaseTest.moc"
