// Random properties, settings and edits under the item-model tester: state flags against a
// small oracle written here, and every edit's command undone back to the exact property and cell.
#include "model/ProcPlanBaseQItemModel.h"

#include "support/PlanObjects.h"

#include "host/commands/CommandBase.h"

#include <QAbstractItemModelTester>

#include <random>

namespace {

struct Random
{
    explicit Random(unsigned seed) : engine(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    std::mt19937 engine;
};

struct Generated
{
    std::shared_ptr<BaseProperty> property;
    bool outside = false; // its value lies outside what it allows
    QVariant edit;        // what a user types into its cell
};

Generated randomProperty(Random &random, int serial)
{
    const LabelKey key("P_" + std::to_string(serial), "CAT", serial);
    const std::string unit = random.chance(50) ? "usd" : "mm";
    const int value = random.between(-100, 100);
    const int low = random.between(-100, 0);
    const int high = random.between(0, 100);
    const bool outside = value < low || value > high;
    Generated g;
    switch (random.between(0, 4)) {
    case 0:
        g.property = std::make_shared<CostPropertyDouble>(key, value / 4.0, unit, low / 4.0, high / 4.0);
        g.outside = outside;
        g.edit = random.between(-4000, 4000) / 8.0;
        break;
    case 1:
        g.property = std::make_shared<BaseMultiProperty>(key, MultiLotPropertyType, BaseMultiProperty::IntegerValues,
                                                         std::vector<double>{1.0, double(value)}, unit, low, high);
        static_cast<BaseMultiProperty &>(*g.property).setActiveIndex(1);
        g.outside = outside;
        g.edit = random.between(-300, 300);
        break;
    case 2: {
        const int choices = random.between(0, 3);
        const int index = random.between(-1, choices);
        g.property = std::make_shared<CostPropertyEnum>(key, std::vector<std::string>(std::size_t(choices), "MAT"), index);
        g.outside = index < 0 || index >= choices;
        break;
    }
    case 3:
        g.property = std::make_shared<CostPropertyString>(key, random.chance(50) ? "a<b>" : "   ", random.chance(50));
        break;
    default:
        g.property = std::make_shared<CostPropertyBoolean>(key, random.chance(50));
        g.edit = !std::get<bool>(g.property->value());
    }
    g.property->markCurrentStateAutomatic();
    static_cast<CostProperty &>(*g.property).setEditable(random.chance(70));
    g.property->setNoValue(random.chance(15));
    g.property->setModified(random.chance(30));
    g.property->setRangeApplied(random.chance(15));
    return g;
}

} // namespace

class RandomizedPopulationTest : public QObject
{
    Q_OBJECT

private slots:
    void flags_follow_the_rules_and_edits_undo_exactly();
    void category_lookup_survives_random_host_changes();
};

void RandomizedPopulationTest::flags_follow_the_rules_and_edits_undo_exactly()
{
    CCAPIAccess::DataBaseControl labels;
    CCAPIAccess::ProcessLayoutController controller(&labels);
    const auto layout = std::make_shared<ProcessLayout>(&labels);
    const double rates[] = {1.0, 0.8, 2.5};
    int edits = 0;
    for (const unsigned seed : {7u, 99991u}) {
        Random random(seed);
        ProcPlanBaseQItemModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStandardItem *category = model.itemFromIndex(model.categoryIndex("CAT", "Category"));
        for (int n = 0; n < 150; ++n) {
            const QString where = QStringLiteral("seed %1, case %2").arg(seed).arg(n);
            const double rate = rates[random.between(0, 2)];
            const bool comparison = random.chance(50);
            const int scaleMode = random.between(0, 2);
            const bool forceEditable = random.chance(20);
            const bool forceReadOnly = random.chance(10);
            model.setExchangeRate({rate, "CHF"});
            model.enableReferenceComparison(comparison);
            const Generated g = randomProperty(random, n);
            const bool withReference = random.chance(50);
            const auto object = std::make_shared<Object>(n);

            category->appendRow({new QStandardItem, new QStandardItem});
            const QModelIndex cell = model.index(category->rowCount() - 1, 1, category->index());
            const auto fill = [&] {
                model.updatePropertyValueAt(&labels, g.property.get(), withReference ? g.property.get() : nullptr, n,
                                            cell, nullptr, scaleMode, forceEditable, forceReadOnly);
            };
            fill();
            const BaseProperty &p = *g.property;
            const int flags = (p.isModified() ? ChangedFlag : 0)
                              | (p.hasNoValue() || p.isRangeApplied() || g.outside ? AttentionFlag : 0)
                              | (comparison && !withReference ? ReferenceMismatchFlag : 0);
            QVERIFY2(cell.data(StateFlagsRole).toInt() == flags, qPrintable(where));
            const bool readOnly = forceReadOnly || (!forceEditable && !static_cast<const CostProperty &>(p).editable());
            QVERIFY2(cell.data(ReadOnlyRole).toBool() == readOnly, qPrintable(where));
            if (!g.edit.isValid() || readOnly)
                continue;

            // An edit, its command, and the way back to the very same property and cell.
            const QMap<int, QVariant> filled = model.itemData(cell);
            const PropertyState before = g.property->state();
            model.setData(cell, g.edit);
            const auto command = model.generatePropertyModifyCommand(&controller, object, layout, g.property.get(), cell);
            QVERIFY2(command && command->execute(), qPrintable(where));
            QVERIFY2(g.property->isModified() && !g.property->hasNoValue(), qPrintable(where));
            QVERIFY2(command->undo(), qPrintable(where));
            const PropertyState after = g.property->state();
            QVERIFY2(after.value == before.value && after.noValue == before.noValue && after.modified == before.modified,
                     qPrintable(where));
            fill();
            QVERIFY2(model.itemData(cell) == filled, qPrintable(where));
            ++edits;
        }
    }
    QVERIFY(edits > 50);
}

void RandomizedPopulationTest::category_lookup_survives_random_host_changes()
{
    Random random(424242);
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto lastRowWithKey = [&model](const QString &key) {
        int found = -1;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.index(row, 0).data(ProcPlanBaseQItemModel::s_tsKeyRole).toString() == key)
                found = row;
        }
        return found;
    };
    for (int step = 0; step < 1500; ++step) {
        const std::string key = "CAT_" + std::to_string(random.between(0, 12));
        const QString qKey = QString::fromStdString(key);
        switch (random.between(0, 6)) {
        case 0: // a row the host inserts, sometimes carrying a key that exists already
            model.insertRow(random.between(0, model.rowCount()), new QStandardItem);
            if (random.chance(50))
                model.setData(model.index(random.between(0, model.rowCount() - 1), 0), qKey,
                              ProcPlanBaseQItemModel::s_tsKeyRole);
            break;
        case 1:
            if (model.rowCount() > 0)
                model.removeRow(random.between(0, model.rowCount() - 1));
            break;
        case 2:
            if (model.rowCount() > 1) {
                const QList<QStandardItem *> taken = model.takeRow(random.between(0, model.rowCount() - 1));
                model.insertRow(random.between(0, model.rowCount()), taken);
            }
            break;
        case 3: // a property row below a category
            if (model.rowCount() > 0)
                model.item(random.between(0, model.rowCount() - 1))->appendRow({new QStandardItem, new QStandardItem});
            break;
        default: {
            const int expected = lastRowWithKey(qKey);
            const QModelIndex found = model.categoryIndex(key, "Label " + key);
            QVERIFY2(found.row() == (expected >= 0 ? expected : model.rowCount() - 1),
                     qPrintable(QStringLiteral("step %1: %2 at %3, want %4").arg(step).arg(qKey).arg(found.row()).arg(expected)));
            QCOMPARE(found.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString(), qKey);
        }
        }
    }
}

QTEST_MAIN(RandomizedPopulationTest)
#include "RandomizedPopulationTest.moc"
