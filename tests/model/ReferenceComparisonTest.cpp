#include "support/PropertyRows.h"

#include <QTranslator>

namespace {

PropertyPointer material(int index)
{
    return std::make_shared<CostPropertyEnum>(key("P_Material"), std::vector<std::string>{"MAT_Steel", "MAT_Alu"}, index);
}

struct Comparison : PropertyRows
{
    Comparison()
    {
        labels.setLabel("MAT_Steel", "Steel");
        labels.setLabel("MAT_Alu", "Aluminium");
    }

    std::string tooltip(BaseProperty *reference, double rate = 1.0)
    {
        return ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(rate, "EUR", &labels, nullptr, reference);
    }

    CCAPIAccess::ProcessLayoutController controller{&labels};
};

} // namespace

class ReferenceComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    void tooltip_texts_data()
    {
        QTest::addColumn<PropertyPointer>("reference");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("withTranslator");
        QTest::addColumn<QString>("tooltip");
        const PropertyPointer price = std::make_shared<CostPropertyDouble>(key("P_Price"), 100.0, "usd");
        QTest::newRow("no reference") << PropertyPointer() << 1.0 << true << QStringLiteral("No reference value");
        QTest::newRow("no translator") << price << 1.0 << false << QStringLiteral("No reference value");
        QTest::newRow("price converted") << price << 0.5 << true << QStringLiteral("Reference value: 50.00");
        QTest::newRow("integer") << PropertyPointer(std::make_shared<CostPropertyInteger>(key("P_N"), 7, "pcs")) << 2.0
                                 << true << QStringLiteral("Reference value: 7");
        QTest::newRow("text as stored") << PropertyPointer(std::make_shared<CostPropertyString>(key("P_T"), "x<y")) << 1.0
                                        << true << QStringLiteral("Reference value: x<y");
        QTest::newRow("no") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), false)) << 1.0 << true
                            << QStringLiteral("Reference value: No");
        QTest::newRow("yes") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), true)) << 1.0 << true
                             << QStringLiteral("Reference value: Yes");
        QTest::newRow("first choice") << material(0) << 1.0 << true << QStringLiteral("Reference value: Steel");
        QTest::newRow("last choice") << material(1) << 1.0 << true << QStringLiteral("Reference value: Aluminium");
        QTest::newRow("below the choices") << material(-1) << 1.0 << true << QStringLiteral("Reference value: ");
        QTest::newRow("past the choices") << material(2) << 1.0 << true << QStringLiteral("Reference value: ");
    }

    void tooltip_texts()
    {
        QFETCH(PropertyPointer, reference);
        QFETCH(double, rate);
        QFETCH(bool, withTranslator);
        QFETCH(QString, tooltip);
        Comparison c;
        CostPropertyDouble shown(key("P_Price"), 1.0, "usd");
        // Only the reference counts, never the shown property.
        QCOMPARE(QString::fromStdString(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(
                     rate, "EUR", withTranslator ? &c.labels : nullptr, &shown, reference.get())),
                 tooltip);
    }

    void tooltip_forms()
    {
        Comparison c;
        // The container form converts at rate 1.0.
        auto container = PropertySignalContainer::make(std::make_shared<CostPropertyDouble>(key("P"), 100.0, "usd"));
        QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltipPtr("CHF", &c.labels, nullptr, container),
                 std::string("Reference value: 100.00"));
        QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltipPtr("CHF", &c.labels, container, nullptr),
                 std::string("No reference value"));

        // Rows shown doubled still show the stored reference.
        c.model.enableReferenceComparison(true);
        const QModelIndex cell = c.addRow();
        CostPropertyDouble mine(key("P_Price"), 1.0, "mm");
        CostPropertyDouble theirs(key("P_Price"), 3.0, "mm");
        c.model.updatePropertyValueAt(&c.labels, &mine, &theirs, 1, cell, nullptr, 2, false, false);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 3.00"));
    }

    void refreshing_a_cell()
    {
        Comparison c;
        CostPropertyDouble mine(key("P_L"), 1.0, "mm");
        CostPropertyDouble equal(key("P_L"), 1.0, "mm");
        CostPropertyDouble other(key("P_L"), 2.0, "mm");
        const QModelIndex cell = c.addRow();
        c.model.setData(cell, ChangedFlag | AttentionFlag | ReferenceMismatchFlag, StateFlagsRole);
        c.model.setData(cell, QStringLiteral("old"), Qt::ToolTipRole);

        // Off: the tooltip is cleared, only the mismatch bit goes, and nothing is compared.
        ProcessPlanReferenceComparison::resetCallCount();
        c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &other, cell, 0);
        QCOMPARE(cell.data(Qt::ToolTipRole), QVariant(QStringLiteral("")));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag);
        QCOMPARE(ProcessPlanReferenceComparison::callCount(), 0);

        // On: the tooltip and the bit follow the reference; the last argument plays no part.
        c.model.enableReferenceComparison(true);
        c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &other, cell, 12345);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 2.00"));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag | ReferenceMismatchFlag);
        c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &equal, cell, -1);
        QCOMPARE(cell.data(Qt::ToolTipRole), QVariant(QStringLiteral("")));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag);

        const QModelIndex fresh = c.addRow();
        c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, nullptr, fresh, 0);
        QCOMPARE(fresh.data(StateFlagsRole).toInt(), int(ReferenceMismatchFlag));
        QCOMPARE(fresh.data(Qt::ToolTipRole).toString(), QStringLiteral("No reference value"));
    }

    void german_texts()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/velmaris_de.qm")));
        QCoreApplication::installTranslator(&german);
        Comparison c;
        CostPropertyBoolean flag(key("P_Flag"), true);
        const std::string yes = c.tooltip(&flag);
        const std::string none = c.tooltip(nullptr);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(QString::fromStdString(yes), QStringLiteral("Referenzwert: Ja"));
        QCOMPARE(QString::fromStdString(none), QStringLiteral("Kein Referenzwert"));
    }
};

QTEST_MAIN(ReferenceComparisonTest)
#include "ReferenceComparisonTest.moc"
