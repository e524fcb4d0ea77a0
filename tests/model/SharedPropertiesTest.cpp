#include "support/SharedObjects.h"

namespace {

PropertyPointer multi(int valueType)
{
    return std::make_shared<BaseMultiProperty>(key("P_Lots"), MultiLotPropertyType, valueType, std::vector<double>{1, 2});
}

PropertyPointer at(PropertyPointer property, int position)
{
    property->labelKey().setDisplayPosition(position);
    return property;
}

PropertyPointer hidden(PropertyPointer property)
{
    property->setPropertyVisible(false);
    return property;
}

QStringList keysOf(const std::vector<SharedProperty> &shared)
{
    QStringList keys;
    for (const SharedProperty &property : shared)
        keys << QString::fromStdString(property.key);
    return keys;
}

} // namespace

class SharedPropertiesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<Selection>("selection");
        QTest::addColumn<QStringList>("keys");    // the shared keys, in order
        QTest::addColumn<QStringList>("allowed"); // the first shared key's allowed values

        const QStringList length{QStringLiteral("P_Length")};
        const QStringList coolant{QStringLiteral("P_Coolant")};
        QTest::newRow("same key and kind") << Selection{{number(1)}, {number(2)}} << length << QStringList();
        QTest::newRow("key in one object only") << Selection{{number(1), flag(true)}, {number(2)}} << length << QStringList();
        QTest::newRow("one of three lacks it") << Selection{{number(1)}, {number(1)}, {flag(true)}} << QStringList() << QStringList();
        QTest::newRow("kind differs") << Selection{{number(1)}, {std::make_shared<CostPropertyInteger>(key("P_Length"), 1, "mm")}}
                                      << QStringList() << QStringList();
        QTest::newRow("whole and real lots") << Selection{{multi(BaseMultiProperty::IntegerValues)}, {multi(BaseMultiProperty::DoubleValues)}}
                                             << QStringList() << QStringList();
        QTest::newRow("lots of one value type") << Selection{{multi(BaseMultiProperty::DoubleValues)}, {multi(BaseMultiProperty::DoubleValues)}}
                                                << QStringList{QStringLiteral("P_Lots")} << QStringList();
        QTest::newRow("units differ") << Selection{{number(1, "mm")}, {number(1, "in")}} << QStringList() << QStringList();
        QTest::newRow("unit in one only") << Selection{{number(1, "mm")}, {number(1, "")}} << QStringList() << QStringList();
        QTest::newRow("prices") << Selection{{number(1, "usd")}, {number(9, "usd")}} << length << QStringList();
        QTest::newRow("ranges overlap") << Selection{{number(1, "mm", 0, 10)}, {number(9, "mm", 5, 20)}} << length << QStringList();
        QTest::newRow("ranges touch") << Selection{{number(1, "mm", 0, 10)}, {number(10, "mm", 10, 20)}} << length << QStringList();
        QTest::newRow("ranges apart") << Selection{{number(1, "mm", 0, 10)}, {number(15, "mm", 11, 20)}} << QStringList() << QStringList();
        QTest::newRow("values in common, first's order")
            << Selection{{choice({"A", "B", "C"}, 0)}, {choice({"C", "D", "A"}, 0)}} << coolant << QStringList{"A", "C"};
        QTest::newRow("value in all three") << Selection{{choice({"A", "B"}, 0)}, {choice({"B", "A"}, 0)}, {choice({"B"}, 0)}}
                                            << coolant << QStringList{"B"};
        QTest::newRow("repeated value once") << Selection{{choice({"A", "A", "B"}, 0)}, {choice({"A", "B"}, 1)}}
                                             << coolant << QStringList{"A", "B"};
        QTest::newRow("repeated in the second only") << Selection{{choice({"A", "B"}, 0)}, {choice({"B", "B"}, 1)}}
                                                     << coolant << QStringList{"B"};
        QTest::newRow("no value in common") << Selection{{choice({"A"}, 0)}, {choice({"B"}, 0)}} << QStringList() << QStringList();
        QTest::newRow("single- and multi-line texts") << Selection{{text("a", false)}, {text("b", true)}}
                                                      << QStringList{QStringLiteral("P_Note")} << QStringList();
        QTest::newRow("hidden in one") << Selection{{number(1)}, {hidden(number(1))}} << QStringList() << QStringList();
        QTest::newRow("the first object's order")
            << Selection{{at(number(1, "mm", 0, 9, "P_B"), 1), at(number(1, "mm", 0, 9, "P_A"), 2)},
                         {at(number(1, "mm", 0, 9, "P_A"), 1), at(number(1, "mm", 0, 9, "P_B"), 2)}}
            << QStringList{"P_B", "P_A"} << QStringList();
        QTest::newRow("twice in one, the second fits") << Selection{{number(1)}, {text("x", false, "P_Length"), number(2)}}
                                                       << length << QStringList();
        QTest::newRow("twice in the first") << Selection{{number(1), text("x", false, "P_Length")}, {text("y", false, "P_Length")}}
                                            << QStringList() << QStringList();
        QTest::newRow("one object") << Selection{{number(1), flag(true)}} << QStringList{"P_Length", "P_Deburr"} << QStringList();
        QTest::newRow("no objects") << Selection{} << QStringList() << QStringList();
    }

    void rules()
    {
        QFETCH(Selection, selection);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, allowed);
        const auto shared = sharedProperties(objectsOf(selection), false);
        QCOMPARE(keysOf(shared), keys);
        QStringList sharedAllowed;
        for (const std::string &value : shared.empty() ? std::vector<std::string>() : shared.front().allowedValues)
            sharedAllowed << QString::fromStdString(value);
        QCOMPARE(sharedAllowed, allowed);
    }

    void members_follow_the_objects()
    {
        const PropertyPointer first = number(1);
        const PropertyPointer second = number(2);
        const auto objects = objectsOf({{flag(true), first}, {second}});
        const auto shared = sharedProperties(objects, false);
        QCOMPARE(shared.size(), std::size_t(1));
        QCOMPARE(shared.front().members.size(), std::size_t(2));
        QCOMPARE(shared.front().members[0].object, objects[0].object);
        QCOMPARE(shared.front().members[0].container->getProperty(), first.get());
        QCOMPARE(shared.front().members[1].object, objects[1].object);
        QCOMPARE(shared.front().members[1].container->getProperty(), second.get());
    }

    void label_key_visibility()
    {
        PropertyPointer quiet = number(1);
        quiet->labelKey().setVisible(false);
        const Selection selection{{number(1)}, {quiet}};
        QCOMPARE(sharedProperties(objectsOf(selection), false).size(), std::size_t(1));
        QCOMPARE(sharedProperties(objectsOf(selection), true).size(), std::size_t(0));
    }

    void withdrawn_property_is_not_shown()
    {
        auto objects = objectsOf({{number(1)}, {number(2)}});
        objects[1].containers.front()->withdraw();
        QVERIFY(sharedProperties(objects, false).empty());
    }
};

QTEST_MAIN(SharedPropertiesTest)
#include "SharedPropertiesTest.moc"
