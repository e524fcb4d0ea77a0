#include "support/PropertyRows.h"

#include "host/access/ProcessLayoutController.h"
#include "host/comparison/ProcessPlanReferenceComparison.h"
#include "host/objects/PropertySignalContainer.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QTranslator>
#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

LabelKey key(const std::string &name) { return LabelKey(name, "CAT"); }

struct Comparison : PropertyRows
{
    Comparison() { labels.setLabel("MAT_Alu", "Aluminium"); }

    std::string tooltip(BaseProperty *reference, double rate = 1.0, const std::string &currency = "EUR")
    {
        return ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(rate, currency, &labels, nullptr,
                                                                            reference);
    }

    CCAPIAccess::ProcessLayoutController controller{&labels};
};

} // namespace

class ReferenceComparisonTest : public QObject
{
    Q_OBJECT

private slots:
    void tooltip_texts();
    void refreshing_a_cell();
    void german_texts();
};

void ReferenceComparisonTest::tooltip_texts()
{
    Comparison c;
    QCOMPARE(c.tooltip(nullptr), std::string("No reference value"));
    QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(1.0, "EUR", nullptr, nullptr, nullptr),
             std::string("No reference value"));

    // Each kind as text: converted numbers, raw strings, yes/no, enumeration labels.
    CostPropertyDouble price(key("P_Price"), 100.0, "usd");
    QCOMPARE(c.tooltip(&price, 0.5), std::string("Reference value: 50.00"));
    CostPropertyString text(key("P_Text"), "x<y");
    QCOMPARE(c.tooltip(&text), std::string("Reference value: x<y"));
    CostPropertyBoolean flag(key("P_Flag"), false);
    QCOMPARE(c.tooltip(&flag), std::string("Reference value: No"));
    CostPropertyEnum material(key("P_Material"), {"MAT_Steel", "MAT_Alu"}, 1);
    QCOMPARE(c.tooltip(&material), std::string("Reference value: Aluminium"));
    CostPropertyEnum lost(key("P_Material"), {"MAT_Steel", "MAT_Alu"}, -1);
    QCOMPARE(c.tooltip(&lost), std::string("Reference value: "));

    // Only the reference counts; the container form converts at rate 1.0.
    CostPropertyDouble shown(key("P_Price"), 1.0, "usd");
    QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltip(0.5, "EUR", &c.labels, &shown, &price),
             c.tooltip(&price, 0.5));
    auto container = PropertySignalContainer::make(std::make_shared<CostPropertyDouble>(key("P"), 100.0, "usd"));
    QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltipPtr("CHF", &c.labels, nullptr, container),
             std::string("Reference value: 100.00"));
    QCOMPARE(ProcPlanBaseQItemModel::getCompareToReferencePropertyTooltipPtr("CHF", &c.labels, nullptr, nullptr),
             std::string("No reference value"));

    // Rows shown doubled still compare and show the stored reference.
    c.model.enableReferenceComparison(true);
    const QModelIndex cell = c.addRow();
    CostPropertyDouble mine(key("P_Price"), 1.0, "mm");
    CostPropertyDouble theirs(key("P_Price"), 3.0, "mm");
    c.model.updatePropertyValueAt(&c.labels, &mine, &theirs, 1, cell, nullptr, 2, false, false);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 3.00"));
}

void ReferenceComparisonTest::refreshing_a_cell()
{
    Comparison c;
    CostPropertyDouble mine(key("P_L"), 1.0, "mm");
    CostPropertyDouble equal(key("P_L"), 1.0, "mm");
    CostPropertyDouble other(key("P_L"), 2.0, "mm");
    const QModelIndex cell = c.addRow();
    c.model.setData(cell, ChangedFlag | AttentionFlag | ReferenceMismatchFlag, StateFlagsRole);
    c.model.setData(cell, QStringLiteral("old"), Qt::ToolTipRole);

    // Off: the tooltip is cleared, only bit 0x800 goes, and nothing is compared.
    ProcessPlanReferenceComparison::resetCallCount();
    c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &other, cell, 0);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QString());
    QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag);
    QCOMPARE(ProcessPlanReferenceComparison::callCount(), 0);

    // On and different: the tooltip and the bit; the fifth argument plays no part.
    c.model.enableReferenceComparison(true);
    c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &other, cell, 12345);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 2.00"));
    QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag | ReferenceMismatchFlag);
    c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, &equal, cell, -1);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QString());
    QCOMPARE(cell.data(StateFlagsRole).toInt(), ChangedFlag | AttentionFlag);

    // A fresh cell without flags, and a missing reference.
    const QModelIndex fresh = c.addRow();
    c.model.updatePropertyReferenceComparisonAt(&c.controller, &mine, nullptr, fresh, 0);
    QCOMPARE(fresh.data(StateFlagsRole).toInt(), int(ReferenceMismatchFlag));
    QCOMPARE(fresh.data(Qt::ToolTipRole).toString(), QStringLiteral("No reference value"));
}

void ReferenceComparisonTest::german_texts()
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
    QCOMPARE(c.tooltip(nullptr), std::string("No reference value"));
}

QTEST_MAIN(ReferenceComparisonTest)
#include "ReferenceComparisonTest.moc"
