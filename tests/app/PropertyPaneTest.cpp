#include "app/plan/PlanFile.h"
#include "app/ui/ModelDump.h"
#include "app/ui/PropertyPane.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace VelmarisEditor;
using Velmaris::ProcPlanBaseQItemModel;

namespace {

constexpr int sliceRows = static_cast<int>(PropertyPane::rowsPerSlice);

// Objects 1, 2, ... holding these numbers of properties over three categories, every other
// one a price; values differ from object to object only for every third key.
std::unique_ptr<PlanDocument> planOf(const std::vector<int> &counts);

// Object 1 holds the given number of properties; object 2 holds three.
std::unique_ptr<PlanDocument> planWith(int properties)
{
    return planOf({properties, 3});
}

std::unique_ptr<PlanDocument> planOf(const std::vector<int> &counts)
{
    int properties = 0;
    for (const int count : counts)
        properties = std::max(properties, count);
    std::string json = R"({"format":"velmaris-plan","version":1,"labels":{"en":{"C0":"Cost")";
    for (int p = 0; p < properties; ++p)
        json += R"(,"K)" + std::to_string(p) + (p % 2 ? R"(":"Length )" : R"(":"Price )") + std::to_string(p) + '"';
    json += R"(}},"objects":[)";
    for (std::size_t o = 0; o < counts.size(); ++o) {
        json += (o ? "," : "") + std::string(R"({"id":)") + std::to_string(o + 1)
                + R"(,"kind":"operation","type":"OP","name":"Op","properties":[)";
        for (int p = 0; p < counts[o]; ++p) {
            const int value = p % 3 ? p : p + static_cast<int>(o);
            json += (p ? "," : "") + std::string(R"({"key":"K)") + std::to_string(p) + R"(","category":"C)"
                    + std::to_string(p % 3) + R"(","kind":"double","position":)" + std::to_string(p)
                    + (p % 2 ? R"(,"unit":"mm")" : R"(,"unit":"usd")") + R"(,"value":)" + std::to_string(value) + "}";
        }
        json += "]}";
    }
    json += "]}";
    PlanError error;
    auto plan = parsePlan(json, QStringLiteral("pane test"), &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

// The object's rows filled in one go into a model of their own, at the rate.
QString filledAtOnce(PlanDocument &plan, int objectId, const ProcPlanBaseQItemModel::ExchangeRate &rate)
{
    ProcPlanBaseQItemModel model;
    model.setExchangeRate(rate);
    PropertyViewFiller filler(model);
    filler.setPlan(&plan);
    filler.fill(*plan.object(objectId));
    return dumpPropertyTree(model);
}

int shownPropertyRows(const QAbstractItemModel &model)
{
    int rows = 0;
    for (int category = 0; category < model.rowCount(); ++category)
        rows += model.rowCount(model.index(category, 0));
    return rows;
}

void waitUntilIdle(const PropertyPane &pane)
{
    QTRY_VERIFY_WITH_TIMEOUT(pane.isIdle(), 120000);
}

} // namespace

class PropertyPaneTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sliced_fill_equals_one_fill_data()
    {
        QTest::addColumn<int>("properties");
        QTest::newRow("a few") << 5;
        QTest::newRow("one slice") << sliceRows;
        QTest::newRow("one row more") << sliceRows + 1;
        QTest::newRow("slices and a half") << sliceRows * 5 / 2;
    }
    void sliced_fill_equals_one_fill()
    {
        QFETCH(int, properties);
        auto plan = planWith(properties);
        PropertyPane pane;
        QAbstractItemModelTester tester(&pane.filterModel());
        pane.setPlan(plan.get());
        QSignalSpy progress(&pane, &PropertyPane::fillProgress);
        QSignalSpy shown(&pane, &PropertyPane::shown);
        QSignalSpy edited(&pane, &PropertyPane::edited);

        pane.show(plan->object(1));
        const bool sliced = properties > sliceRows;
        QCOMPARE(pane.isFilling(), sliced);
        // Until every row is in, the view shows none rather than some.
        QCOMPARE(shownPropertyRows(pane.filterModel()), sliced ? 0 : properties);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 120000);
        // The bar moves forward and is full before the rows are shown.
        QCOMPARE(progress.isEmpty(), !sliced);
        int filled = 0;
        for (const QVariantList &step : qAsConst(progress)) {
            QCOMPARE(step.at(1).toInt(), properties);
            QVERIFY(step.at(0).toInt() >= filled);
            filled = step.at(0).toInt();
        }
        QCOMPARE(filled, sliced ? properties : 0);
        QCOMPARE(shownPropertyRows(pane.filterModel()), properties);
        QCOMPARE(dumpPropertyTree(pane.filterModel()),
                 filledAtOnce(*plan, 1, ProcPlanBaseQItemModel::s_defaultExchangeRate));
        QCOMPARE(edited.count(), 0);
    }

    // Choosing again before a fill ends drops it; the rows left behind go without a trace.
    void another_object_before_the_fill_ends()
    {
        auto plan = planWith(sliceRows * 3);
        PropertyPane pane;
        QAbstractItemModelTester tester(&pane.filterModel());
        pane.setPlan(plan.get());
        QSignalSpy shown(&pane, &PropertyPane::shown);
        pane.show(plan->object(1));
        QTRY_VERIFY(pane.filler().filledRows() > static_cast<std::size_t>(sliceRows));
        QVERIFY(pane.isFilling());
        pane.show(plan->object(2));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(dumpPropertyTree(pane.filterModel()), filledAtOnce(*plan, 2, ProcPlanBaseQItemModel::s_defaultExchangeRate));
        waitUntilIdle(pane);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shownPropertyRows(pane.model()), 3);
        // The large object again, into the emptied model, then the small one.
        pane.show(plan->object(1));
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, 120000);
        QCOMPARE(shownPropertyRows(pane.model()), sliceRows * 3);
        pane.show(plan->object(2));
        waitUntilIdle(pane);
        QCOMPARE(dumpPropertyTree(pane.filterModel()), filledAtOnce(*plan, 2, ProcPlanBaseQItemModel::s_defaultExchangeRate));
    }

    // Enough objects that what they share is found on another thread; the rows are those of
    // a fill at once, and showing something else meanwhile drops the search.
    void several_objects_beyond_a_slice()
    {
        const int objects = static_cast<int>(PropertyPane::sharedCellsAtOnce) / 10 + 1;
        auto plan = planOf(std::vector<int>(static_cast<std::size_t>(objects), 10));
        std::vector<const PlanObject *> all;
        for (const PlanObject &object : plan->objects())
            all.push_back(&object);
        PropertyPane pane;
        QAbstractItemModelTester tester(&pane.filterModel());
        pane.setPlan(plan.get());
        QSignalSpy shown(&pane, &PropertyPane::shown);
        pane.showShared({all.begin(), all.begin() + 2});
        QCOMPARE(shown.count(), 1);
        pane.showShared(all);
        QVERIFY(pane.isFilling());
        QCOMPARE(shownPropertyRows(pane.filterModel()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, 120000);
        QVERIFY(pane.showsSeveral());

        ProcPlanBaseQItemModel atOnce;
        SharedViewFiller filler;
        filler.setPlan(plan.get());
        filler.fill(atOnce, all);
        QCOMPARE(shownPropertyRows(pane.filterModel()), 10);
        QCOMPARE(dumpPropertyTree(pane.filterModel()), dumpPropertyTree(atOnce));

        pane.showShared(all);
        pane.show(plan->object(1));
        QCOMPARE(shown.count(), 3);
        QVERIFY(!pane.showsSeveral());
        waitUntilIdle(pane);
        QCOMPARE(shown.count(), 3);
        QCOMPARE(dumpPropertyTree(pane.filterModel()), filledAtOnce(*plan, 1, ProcPlanBaseQItemModel::s_defaultExchangeRate));
    }

    void prices_follow_the_rate_data()
    {
        QTest::addColumn<bool>("duringFill");
        QTest::newRow("after the fill") << false;
        QTest::newRow("during the fill") << true;
    }
    void prices_follow_the_rate()
    {
        QFETCH(bool, duringFill);
        // More prices than a slice refreshes.
        auto plan = planWith(sliceRows * 5);
        PropertyPane pane;
        pane.setPlan(plan.get());
        pane.show(plan->object(1));
        if (!duringFill)
            waitUntilIdle(pane);
        QSignalSpy refreshed(&pane, &PropertyPane::pricesRefreshed);
        const ProcPlanBaseQItemModel::ExchangeRate swiss{0.5, "CHF"};
        pane.setExchangeRate(swiss);
        pane.refreshPrices();
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(pane.isIdle(), false);
        waitUntilIdle(pane);
        if (!duringFill)
            QCOMPARE(refreshed.count(), sliceRows * 5 / 2 / sliceRows + 1);
        QCOMPARE(dumpPropertyTree(pane.filterModel()), filledAtOnce(*plan, 1, swiss));
    }

    void filter_by_label_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("categories");
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << QString() << 3 << 5;
        QTest::newRow("any case") << QStringLiteral("pRI") << 3 << 3;
        QTest::newRow("inside") << QStringLiteral("ngt") << 2 << 2;
        QTest::newRow("no label") << QStringLiteral("Lengthy") << 0 << 0;
        // Categories are not properties: a text that names one shows no property of it.
        QTest::newRow("category") << QStringLiteral("Cost") << 0 << 0;
    }
    void filter_by_label()
    {
        QFETCH(QString, text);
        QFETCH(int, categories);
        QFETCH(int, rows);
        auto plan = planWith(5);
        PropertyPane pane;
        QAbstractItemModelTester tester(&pane.filterModel());
        pane.setPlan(plan.get());
        pane.show(plan->object(1));
        PropertyFilterModel &filter = pane.filterModel();
        QSignalSpy removed(&filter, &QAbstractItemModel::rowsRemoved);
        filter.setLabelFilter(text);
        QCOMPARE(filter.rowCount(), categories);
        QCOMPARE(shownPropertyRows(filter), rows);
        // A keystroke maps the rows anew in one step, never row by row.
        QCOMPARE(removed.count(), 0);
        filter.setLabelFilter(QString());
        QCOMPARE(shownPropertyRows(filter), 5);
    }
};

QTEST_MAIN(PropertyPaneTest)
#include "PropertyPaneTest.moc"
