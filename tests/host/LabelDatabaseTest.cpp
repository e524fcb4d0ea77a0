// Label lookups as the model and the plan files rely on them: fallbacks, replacement, and
// tables of many thousand keys.
#include <velmaris/host/access/DataBaseControl.h>

#include <QtTest>

using CCAPIAccess::DataBaseControl;
using CCAPIAccess::LabelTable;

class LabelDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void lookups_fall_back_to_the_default_language_data()
    {
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label");
        QTest::newRow("own language") << "de" << "P_A" << "Spannkraft";
        QTest::newRow("replaced") << "de" << "P_B" << "Drehzahl";
        QTest::newRow("default language") << "en" << "P_A" << "Clamping force";
        QTest::newRow("missing in own") << "de" << "P_C" << "Feed";
        QTest::newRow("language without labels") << "fr" << "P_A" << "Clamping force";
        QTest::newRow("missing everywhere") << "de" << "P_D" << "";
        QTest::newRow("empty key") << "de" << "" << "";
    }

    void lookups_fall_back_to_the_default_language()
    {
        QFETCH(QString, active);
        QFETCH(QString, key);
        QFETCH(QString, label);
        DataBaseControl labels;
        labels.setActiveLanguage(active.toStdString());
        for (const auto &[k, text] : {std::pair{"P_A", "Clamping force"}, std::pair{"P_B", "Speed"}, std::pair{"P_C", "Feed"}})
            labels.setLabel(k, text);
        labels.setLabel("P_A", "Spannkraft", "de");
        labels.setLabel("P_B", "Geschwindigkeit", "de");
        labels.setLabel("P_B", "Drehzahl", "de");
        QCOMPARE(QString::fromStdString(labels.getLabel(key.toStdString())), label);
        QCOMPARE(labels.labelTables().at("de").size(), std::size_t(2));
    }

    void large_tables_find_every_key_and_compare_by_content()
    {
        LabelTable forward;
        LabelTable backward;
        constexpr int count = 5000;
        for (int i = 0; i < count; ++i) {
            forward.set("K" + std::to_string(i), "label " + std::to_string(i));
            backward.set("K" + std::to_string(count - 1 - i), "label " + std::to_string(count - 1 - i));
        }
        for (int i = 0; i < count; ++i) {
            const std::string *label = forward.find("K" + std::to_string(i));
            QVERIFY(label && *label == "label " + std::to_string(i));
        }
        QVERIFY(!forward.find("K" + std::to_string(count)));
        QCOMPARE(forward.begin()->first, std::string("K0"));
        QVERIFY(forward == backward);
        backward.set("K7", "changed");
        QVERIFY(!(forward == backward));
        LabelTable fewer = forward;
        fewer.set("K" + std::to_string(count), "one more");
        QVERIFY(!(forward == fewer) && !(fewer == forward));
    }
};

QTEST_MAIN(LabelDatabaseTest)
#include "LabelDatabaseTest.moc"
