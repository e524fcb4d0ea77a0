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

private Q_SLOTS:
    void tooltip_texts_data()
    {
        QTest::addColumn<PropertyPointer>("reference");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("withTranslator");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<bool>("german"); // with the shipped German translation installed
        const PropertyPointer price = std::make_shared<CostPropertyDouble>(key("P_Price"), 100.0, "usd");
        QTest::newRow("no reference") << PropertyPointer() << 1.0 << true << QStringLiteral("No reference value") << false;
        QTest::newRow("no translator") << price << 1.0 << false << QStringLiteral("No reference value") << false;
        QTest::newRow("price converted") << price << 0.5 << true << QStringLiteral("Reference value: 50.00") << false;
        QTest::newRow("integer") << PropertyPointer(std::make_shared<CostPropertyInteger>(key("P_N"), 7, "pcs")) << 2.0
                                 << true << QStringLiteral("Reference value: 7") << false;
        QTest::newRow("text as stored") << PropertyPointer(std::make_shared<CostPropertyString>(key("P_T"), "x<y")) << 1.0
                                        << true << QStringLiteral("Reference value: x<y") << false;
        QTest::newRow("no") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), false)) << 1.0 << true
                            << QStringLiteral("Reference value: No") << false;
        QTest::newRow("yes") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), true)) << 1.0 << true
                             << QStringLiteral("Reference value: Yes") << false;
        QTest::newRow("first choice") << material(0) << 1.0 << true << QStringLiteral("Reference value: Steel") << false;
        QTest::newRow("last choice") << material(1) << 1.0 << true << QStringLiteral("Reference value: Aluminium") << false;
        QTest::newRow("below the choices") << material(-1) << 1.0 << true << QStringLiteral("Reference value: ") << false;
        QTest::newRow("past the choices") << material(2) << 1.0 << true << QStringLiteral("Reference value: ") << false;
        QTest::newRow("German yes") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), true)) << 1.0 << true
                                    << QStringLiteral("Referenzwert: Ja") << true;
        QTest::newRow("German none") << PropertyPointer() << 1.0 << true << QStringLiteral("Kein Referenzwert") << true;
    }

    void tooltip_texts()
    {
        QFETCH(PropertyPointer, reference);
        QFETCH(double, rate);
        QFETCH(bool, withTranslator);
        QFETCH(QString, tooltip);
        QFETCH(bool, german);
        QTranslator translation;
        if (german)
            QVERIFY(translation.load(QStringLiteral(":/translations/velmaris_de.qm")));
        QCoreApplication::installTranslator(&translation);
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
};

QTEST_MAIN(ReferenceComparisonTest)
#include "ReferenceComparisonTest.moc"
