#include "app/plan/JsonWriter.h"

#include <nlohmann/json.hpp>

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <functional>

using namespace VelmarisEditor;

namespace {

// What the writer hands its sink for a sequence of calls, and whether it finished well.
std::pair<std::string, bool> written(const std::function<void(JsonWriter &)> &calls)
{
    std::string out;
    JsonWriter writer([&out](const char *data, std::size_t size) {
        out.append(data, size);
        return true;
    });
    calls(writer);
    const bool finished = writer.finish();
    return {out, finished};
}

double readBack(const std::string &text)
{
    return nlohmann::json::parse(text).get<double>();
}

} // namespace

class JsonWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("plain") << QByteArray("Milling 10") << QByteArray("\"Milling 10\"");
        QTest::newRow("quote and backslash") << QByteArray("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
        QTest::newRow("named controls") << QByteArray("a\nb\tc\rd\be\ff") << QByteArray("\"a\\nb\\tc\\rd\\be\\ff\"");
        QTest::newRow("other controls") << QByteArray("\x01\x1f", 2) << QByteArray("\"\\u0001\\u001f\"");
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("\"a\\u0000b\"");
        QTest::newRow("UTF-8 as it is") << QByteArray("Größe 材料 ⚙") << QByteArray("\"Größe 材料 ⚙\"");
        QTest::newRow("DEL and slash as they are") << QByteArray("\x7f/") << QByteArray("\"\x7f/\"");
    }

    void texts()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, json);
        const auto [out, finished] = written([&text](JsonWriter &w) { w.value(std::string_view(text.constData(), std::size_t(text.size()))); });
        QVERIFY(finished);
        QCOMPARE(QByteArray::fromStdString(out), json);
        QCOMPARE(QByteArray::fromStdString(nlohmann::json::parse(out).get<std::string>()), text);
    }

    void numbers_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("json");
        QTest::newRow("whole") << 85.0 << QStringLiteral("85");
        QTest::newRow("fraction") << 0.1 << QStringLiteral("0.1");
        QTest::newRow("negative") << -97.5 << QStringLiteral("-97.5");
        QTest::newRow("huge") << 1e300 << QStringLiteral("1e+300");
        QTest::newRow("largest") << std::numeric_limits<double>::max() << QStringLiteral("1.7976931348623157e+308");
        QTest::newRow("lowest") << std::numeric_limits<double>::lowest() << QStringLiteral("-1.7976931348623157e+308");
        QTest::newRow("smallest") << 5e-324 << QStringLiteral("5e-324");
        QTest::newRow("negative zero") << -0.0 << QStringLiteral("-0.0");
    }

    void numbers()
    {
        QFETCH(double, number);
        QFETCH(QString, json);
        const auto [out, finished] = written([number](JsonWriter &w) { w.value(number); });
        QVERIFY(finished);
        QCOMPARE(QString::fromStdString(out), json);
        const double back = readBack(out);
        QCOMPARE(std::memcmp(&back, &number, sizeof number), 0);
    }

    void doubles_read_back_exactly()
    {
        QRandomGenerator random(20261207);
        for (int i = 0; i < 20000; ++i) {
            double number;
            const quint64 bits = random.generate64();
            std::memcpy(&number, &bits, sizeof number);
            if (!std::isfinite(number))
                continue;
            const auto [out, finished] = written([number](JsonWriter &w) { w.value(number); });
            const double back = readBack(out);
            QVERIFY2(finished && std::memcmp(&back, &number, sizeof number) == 0, out.c_str());
        }
    }

    void structure_and_line_breaks()
    {
        const auto [out, finished] = written([](JsonWriter &w) {
            w.beginObject();
            w.key("a");
            w.beginArray();
            w.value(1);
            w.value(std::numeric_limits<int>::min());
            w.value(true);
            w.endArray();
            w.lineBreak();
            w.key("b");
            w.beginObject();
            w.endObject();
            w.key("c");
            w.beginArray();
            w.lineBreak();
            w.value("x");
            w.lineBreak();
            w.value(false);
            w.rawValue("{\"d\":[]}");
            w.endArray();
            w.endObject();
            w.endLine();
        });
        QVERIFY(finished);
        QCOMPARE(QString::fromStdString(out), QStringLiteral("{\"a\":[1,-2147483648,true],\n\"b\":{},\"c\":[\n\"x\",\nfalse,{\"d\":[]}]}\n"));
    }

    void failures_data()
    {
        QTest::addColumn<int>("sinkRefusesAfter"); // bytes taken before it refuses; -1 never
        QTest::addColumn<double>("number");
        QTest::addColumn<bool>("nonFinite");
        QTest::newRow("sink refuses at once") << 0 << 1.0 << false;
        QTest::newRow("sink refuses later") << (1 << 20) << 1.0 << false;
        QTest::newRow("infinity") << -1 << std::numeric_limits<double>::infinity() << true;
        QTest::newRow("not a number") << -1 << std::numeric_limits<double>::quiet_NaN() << true;
    }

    void failures()
    {
        QFETCH(int, sinkRefusesAfter);
        QFETCH(double, number);
        QFETCH(bool, nonFinite);
        std::size_t taken = 0;
        JsonWriter writer([&](const char *, std::size_t size) {
            if (sinkRefusesAfter >= 0 && taken + size > std::size_t(sinkRefusesAfter))
                return false;
            taken += size;
            return true;
        });
        // Several buffers' worth, so that a refusal in the middle is seen too.
        writer.beginArray();
        for (int i = 0; i < 3; ++i)
            writer.value(std::string(1 << 20, 'x'));
        writer.value(number);
        writer.endArray();
        QVERIFY(!writer.finish());
        QCOMPARE(writer.hadNonFiniteNumber(), nonFinite);
    }

    void large_output_arrives_whole()
    {
        std::string expected = "[";
        const auto [out, finished] = written([&expected](JsonWriter &w) {
            w.beginArray();
            for (int i = 0; i < 300000; ++i) {
                w.value(i);
                expected += (i ? "," : "") + std::to_string(i);
            }
            w.endArray();
        });
        QVERIFY(finished);
        QCOMPARE(out, expected + "]");
    }
};

QTEST_APPLESS_MAIN(JsonWriterTest)
#include "JsonWriterTest.moc"
