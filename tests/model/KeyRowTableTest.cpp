#include <velmaris/model/KeyRowTable.h>

#include <QtTest>

#include <map>
#include <random>
#include <string>

using namespace Velmaris;

namespace {

// Keys around the inline limit, with bytes a C string would cut short.
std::string randomKey(std::mt19937 &random)
{
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(0, 3);
    std::string key(static_cast<std::size_t>(length(random)), 'k');
    for (char &c : key)
        c = "ab\0\xff"[byte(random)];
    return key;
}

} // namespace

class KeyRowTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agrees_with_an_ordered_map_through_growth_and_clearing()
    {
        std::mt19937 random(20261207);
        KeyRowTable table;
        std::map<std::string, int> oracle;
        QCOMPARE(table.find("anything"), -1);

        for (int round = 0; round < 3; ++round) {
            // Few byte values: short keys repeat, so rows get replaced.
            for (int step = 0; step < 5000; ++step) {
                const std::string key = randomKey(random);
                table.put(key, step);
                oracle[key] = step;
            }
            QCOMPARE(table.size(), static_cast<int>(oracle.size()));
            for (const auto &[key, row] : oracle)
                QCOMPARE(table.find(key), row);
            for (int probe = 0; probe < 2000; ++probe) {
                const std::string key = randomKey(random);
                const auto expected = oracle.find(key);
                QCOMPARE(table.find(key), expected == oracle.end() ? -1 : expected->second);
            }

            table.clear();
            QCOMPARE(table.size(), 0);
            for (const auto &entry : oracle)
                QCOMPARE(table.find(entry.first), -1);
            oracle.clear();
        }

        // The inline limit itself: a key one byte longer is another key.
        const std::string inlineKey(23, 'x');
        table.put(inlineKey, 1);
        table.put(inlineKey + 'x', 2);
        QCOMPARE(table.find(inlineKey), 1);
        QCOMPARE(table.find(inlineKey + 'x'), 2);
        QCOMPARE(table.find(std::string(22, 'x')), -1);
    }
};

QTEST_MAIN(KeyRowTableTest)
#include "KeyRowTableTest.moc"
