// Random properties, settings and edits under the item-model tester: state flags and read-only
// against a small oracle written here, every edit undone back to the exact property and cell,
// and the category lookup through random row churn.
#include "support/PropertyRows.h"

#include <random>

namespace {

struct Random
{
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
    const LabelKey labelKey("P_" + std::to_string(serial), "CAT", serial);
    const int value = random.between(-100, 100);
    const int low = random.between(-100, 0);
    const int high = random.between(0, 100);
    const std::string unit = random.chance(50) ? "usd" : "mm";
    Generated g;
    switch (random.between(0, 3)) {
    case 0:
        g.property = std::make_shared<CostPropertyDouble>(labelKey, value / 4.0, unit, low / 4.0, high / 4.0);
        g.outside = value < low || value > high;
        g.edit = random.between(-4000, 4000) / 8.0;
        break;
    case 1: {
        auto lots = std::make_shared<BaseMultiProperty>(labelKey, MultiLotPropertyType, BaseMultiProperty::IntegerValues,
                                                        std::vector<double>{1.0, double(value)}, unit, low, high);
        lots->setActiveIndex(1);
        g = {lots, value < low || value > high, random.between(-300, 300)};
        break;
    }
    case 2: {
        const int choices = random.between(0, 3);
        const int index = random.between(-1, choices);
        g.property = std::make_shared<CostPropertyEnum>(labelKey, std::vector<std::string>(std::size_t(choices), "A"), index);
        g.outside = index < 0 || index >= choices;
        break;
    }
    default:
        g.property = std::make_shared<CostPropertyBoolean>(labelKey, random.chance(50));
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

private Q_SLOTS:
    void flags_follow_the_rules_and_edits_undo_exactly()
    {
        PropertyRows rows;
        CCAPIAccess::ProcessLayoutController controller(&rows.labels);
        const auto layout = std::make_shared<ProcessLayout>(&rows.labels);
        Random random{std::mt19937(7)};
        int edits = 0;
        for (int n = 0; n < 600; ++n) {
            rows.model.removeRows(0, rows.model.rowCount(rows.category), rows.category); // the tester walks every row
            const bool comparison = random.chance(50);
            const bool forceEditable = random.chance(20);
            const bool forceReadOnly = random.chance(10);
            rows.model.setExchangeRate({random.chance(50) ? 0.8 : 2.5, "CHF"});
            rows.model.enableReferenceComparison(comparison);
            const Generated g = randomProperty(random, n);
            BaseProperty &p = *g.property;
            BaseProperty *reference = random.chance(50) ? &p : nullptr;
            const int scaleMode = random.between(0, 2);
            const QModelIndex cell = rows.addRow();
            const auto fill = [&] {
                rows.model.updatePropertyValueAt(&rows.labels, &p, reference, n, cell, nullptr, scaleMode, forceEditable, forceReadOnly);
            };
            fill();
            const int flags = (p.isModified() ? ChangedFlag : 0) | (p.hasNoValue() || p.isRangeApplied() || g.outside ? AttentionFlag : 0)
                              | (comparison && !reference ? ReferenceMismatchFlag : 0);
            const bool readOnly = forceReadOnly || (!forceEditable && !static_cast<const CostProperty &>(p).editable());
            QVERIFY2(cell.data(StateFlagsRole).toInt() == flags && cell.data(ReadOnlyRole).toBool() == readOnly,
                     qPrintable(QStringLiteral("case %1").arg(n)));
            if (!g.edit.isValid() || readOnly)
                continue;

            // An edit, its command, and the way back to the very same property and cell.
            const QMap<int, QVariant> filled = rows.model.itemData(cell);
            const PropertyState before = p.state();
            rows.model.setData(cell, g.edit);
            const auto command = rows.model.generatePropertyModifyCommand(&controller, nullptr, layout, &p, cell);
            QVERIFY(command && command->execute() && p.isModified() && !p.hasNoValue());
            QVERIFY(command->undo());
            QVERIFY(p.value() == before.value && p.hasNoValue() == before.noValue && p.isModified() == before.modified);
            fill();
            QVERIFY2(rows.model.itemData(cell) == filled, qPrintable(QStringLiteral("case %1").arg(n)));
            ++edits;
        }
        QVERIFY(edits > 50);
    }

    void category_lookup_survives_random_row_churn()
    {
        Random random{std::mt19937(424242)};
        ProcPlanBaseQItemModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto lastRowWithKey = [&model](const QString &key) {
            int found = -1;
            for (int row = 0; row < model.rowCount(); ++row)
                found = model.index(row, 0).data(ProcPlanBaseQItemModel::s_tsKeyRole).toString() == key ? row : found;
            return found;
        };
        for (int step = 0; step < 600; ++step) {
            const std::string key = "CAT_" + std::to_string(random.between(0, 12));
            const int rows = model.rowCount();
            switch (random.between(0, 6)) {
            case 0: // a row the host inserts, sometimes carrying a key that exists already
                model.insertRow(random.between(0, rows), new QStandardItem);
                if (random.chance(50))
                    model.setData(model.index(random.between(0, rows), 0), QString::fromStdString(key), ProcPlanBaseQItemModel::s_tsKeyRole);
                break;
            case 1:
                if (rows > 0)
                    model.removeRow(random.between(0, rows - 1));
                break;
            case 2:
                if (rows > 1)
                    model.insertRow(random.between(0, rows - 1), model.takeRow(random.between(0, rows - 1)));
                break;
            case 3: // a property row below a category
                if (rows > 0)
                    model.item(random.between(0, rows - 1))->appendRow({new QStandardItem, new QStandardItem});
                break;
            default: {
                const int expected = lastRowWithKey(QString::fromStdString(key));
                const QModelIndex found = model.categoryIndex(key, "Label " + key);
                QVERIFY2(found.row() == (expected >= 0 ? expected : model.rowCount() - 1), qPrintable(QStringLiteral("step %1").arg(step)));
                QCOMPARE(model.getPropertyKeyAtIndex(found), key);
            }
            }
        }
    }
};

QTEST_MAIN(RandomizedPopulationTest)
#include "RandomizedPopulationTest.moc"
