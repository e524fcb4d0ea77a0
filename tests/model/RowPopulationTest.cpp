#include "support/PropertyRows.h"

#include "host/comparison/ProcessPlanReferenceComparison.h"
#include "host/objects/Object.h"
#include "host/objects/PropertySignalContainer.h"
#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"
#include "host/widgets/VLDoubleSpinBoxData.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

LabelKey key(const std::string &name) { return LabelKey(name, "CAT"); }

struct Population : PropertyRows
{
    // The property form, with the switches a test varies.
    QModelIndex fill(BaseProperty &property, int scaleMode = 0, bool forceEditable = false,
                     bool forceReadOnly = false, BaseProperty *comparison = nullptr,
                     BaseProperty *reference = nullptr)
    {
        const QModelIndex cell = addRow();
        refill(cell, property, scaleMode, forceEditable, forceReadOnly, comparison, reference);
        return cell;
    }

    void refill(const QModelIndex &cell, BaseProperty &property, int scaleMode = 0, bool forceEditable = false,
                bool forceReadOnly = false, BaseProperty *comparison = nullptr, BaseProperty *reference = nullptr)
    {
        model.updatePropertyValueAt(&labels, &property, reference, 7, cell, comparison, scaleMode,
                                    forceEditable, forceReadOnly);
    }
};

int flagsOf(const QModelIndex &cell) { return cell.data(StateFlagsRole).toInt(); }

bool marked(const QModelIndex &cell, int role) { return cell.data(role).toBool(); }

} // namespace

class RowPopulationTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qApp->setProperty("vlFont", QStringLiteral("DejaVu Sans"));
        qApp->setProperty("vlFontSize", 10);
    }
    void numbers();
    void enumerations();
    void strings_and_booleans();
    void state_flags_and_read_only();
    void container_form_and_signal();
    void wide_expressions_follow_the_style();
};

void RowPopulationTest::numbers()
{
    Population rows;
    rows.model.setExchangeRate({0.8, "CHF"});
    CostPropertyDouble price(key("P_Price"), 250.0, "usd", 0.0, 1000.0);
    const QModelIndex cell = rows.fill(price);

    QCOMPARE(cell.data(Qt::EditRole).toDouble(), 200.0);
    QVERIFY(marked(cell, NumericEditorRole));
    QVERIFY(marked(cell, ValueCellRole));
    QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString(), QStringLiteral("P_Price"));
    QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_parentObjectIdRole).toInt(), 7);
    const QVariant spin = cell.data(SpinBoxDataRole);
    QCOMPARE(QByteArray(spin.typeName()), QByteArray("VLDoubleSpinBoxData"));
    const auto settings = spin.value<VLDoubleSpinBoxData>();
    QCOMPARE(settings.maximum, 800.0);
    QCOMPARE(settings.suffix, QStringLiteral("CHF"));
    QCOMPARE(settings.decimals, 2);
    QVERIFY(cell.data(WideExpressionRole).isValid());
    QCOMPARE(flagsOf(cell), 0);

    // Scale mode 2, and only 2, doubles value and bounds.
    CostPropertyInteger count(key("P_Count"), 21, "pcs", 0, 30);
    QCOMPARE(rows.fill(count, 2).data(Qt::EditRole), QVariant(42));
    QCOMPARE(rows.fill(count, 2).data(SpinBoxDataRole).value<VLDoubleSpinBoxData>().maximum, 60.0);
    QCOMPARE(rows.fill(count, 1).data(Qt::EditRole), QVariant(21));
    QCOMPARE(rows.fill(count, 3).data(Qt::EditRole), QVariant(21));

    // Out of bounds asks for attention; so does no value, which also empties the cell but keeps
    // the number's markers.
    CostPropertyInteger tooMany(key("P_Many"), 31, "pcs", 0, 30);
    QCOMPARE(flagsOf(rows.fill(tooMany)), int(AttentionFlag));
    auto lots = BaseMultiProperty(key("P_Lots"), MultiLotPropertyType, BaseMultiProperty::DoubleValues, {5.0});
    lots.setNoValue(true);
    const QModelIndex empty = rows.fill(lots);
    QCOMPARE(empty.data(Qt::EditRole), QVariant(QStringLiteral("")));
    QCOMPARE(flagsOf(empty), int(AttentionFlag));
    QVERIFY(marked(empty, NumericEditorRole));
    QVERIFY(empty.data(SpinBoxDataRole).isValid());
}

void RowPopulationTest::enumerations()
{
    Population rows;
    rows.labels.setLabel("MAT_Steel", "Steel");
    rows.labels.setLabel("MAT_Alu", "Aluminium");
    rows.labels.setLabel("MAT_Ti", "Titanium");
    CostPropertyEnum material(key("P_Material"), {"MAT_Steel", "MAT_Alu", "MAT_Ti"}, 1);
    const QModelIndex cell = rows.fill(material);
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("Aluminium"));
    QCOMPARE(cell.data(EnumLabelsRole).toStringList(), (QStringList{"Steel", "Aluminium", "Titanium"}));
    QVERIFY(marked(cell, EnumEditorRole));
    QCOMPARE(flagsOf(cell), 0);

    // An index outside the values: attention, and the cell keeps what it showed.
    for (int index : {-1, 3}) {
        CostPropertyEnum lost(key("P_Material"), {"MAT_Steel", "MAT_Alu", "MAT_Ti"}, index);
        rows.refill(cell, lost);
        QCOMPARE(flagsOf(cell), int(AttentionFlag));
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), QStringLiteral("Aluminium"));
    }
    CostPropertyEnum none(key("P_None"), {}, 0);
    const QModelIndex noneCell = rows.fill(none);
    QCOMPARE(flagsOf(noneCell), int(AttentionFlag));
    QVERIFY(!noneCell.data(EnumEditorRole).isValid());
    QVERIFY(!noneCell.data(EnumLabelsRole).isValid());
}

void RowPopulationTest::strings_and_booleans()
{
    Population rows;
    CostPropertyString single(key("P_Name"), "a<b>c");
    const QModelIndex name = rows.fill(single);
    QCOMPARE(name.data(Qt::EditRole), QVariant(QStringLiteral("a[b]c")));
    QVERIFY(marked(name, SingleLineTextRole));
    QVERIFY(!name.data(MultiLineTextRole).isValid());

    CostPropertyString multi(key("P_Notes"), "   ", true);
    const QModelIndex notes = rows.fill(multi);
    QCOMPARE(notes.data(Qt::EditRole).toString(), QString());
    QVERIFY(marked(notes, MultiLineTextRole));
    QVERIFY(!notes.data(SingleLineTextRole).isValid());

    CostPropertyBoolean flag(key("P_Flag"), true);
    const QModelIndex check = rows.fill(flag);
    QVERIFY(marked(check, BooleanEditorRole));
    QCOMPARE(check.data(Qt::EditRole).userType(), int(QMetaType::Bool));
    QCOMPARE(check.data(Qt::EditRole).toBool(), true);

    // A refill with another kind leaves the old kind's markers in place.
    rows.refill(check, single);
    QVERIFY(marked(check, BooleanEditorRole));
    QVERIFY(marked(check, SingleLineTextRole));
}

void RowPopulationTest::state_flags_and_read_only()
{
    Population rows;
    CostPropertyDouble length(key("P_Length"), 5.0, "mm", 0.0, 10.0);
    CostPropertyDouble same(key("P_Length"), 5.0, "mm");
    CostPropertyDouble other(key("P_Length"), 6.0, "mm");

    // Changed: by the comparison property when given, else by the property's own mark.
    QCOMPARE(flagsOf(rows.fill(length, 0, false, false, &same)), 0);
    QCOMPARE(flagsOf(rows.fill(length, 0, false, false, &other)), int(ChangedFlag));
    length.setModified(true);
    QCOMPARE(flagsOf(rows.fill(length)), int(ChangedFlag));
    QCOMPARE(flagsOf(rows.fill(length, 0, false, false, &same)), 0);
    length.setModified(false).setRangeApplied(true);
    QCOMPARE(flagsOf(rows.fill(length)), int(AttentionFlag));
    length.setRangeApplied(false);

    // Reference mismatch only with comparison on; the equality check is not even asked otherwise.
    ProcessPlanReferenceComparison::resetCallCount();
    const QModelIndex cell = rows.fill(length, 0, false, false, nullptr, &other);
    QCOMPARE(flagsOf(cell), 0);
    QCOMPARE(ProcessPlanReferenceComparison::callCount(), 0);
    QVERIFY(!cell.data(Qt::ToolTipRole).isValid());
    rows.model.enableReferenceComparison(true);
    rows.refill(cell, length, 0, false, false, nullptr, &other);
    QCOMPARE(flagsOf(cell), int(ReferenceMismatchFlag));
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 6.00"));
    // Equal again: the old tooltip stays, the bit goes.
    rows.refill(cell, length, 0, false, false, nullptr, &same);
    QCOMPARE(flagsOf(cell), 0);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 6.00"));
    rows.refill(cell, length);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("No reference value"));
    QCOMPARE(flagsOf(cell), int(ReferenceMismatchFlag));

    // Read-only: forced read-only wins, forced editable overrides the property.
    CostPropertyString fixed(key("P_Fixed"), "x");
    fixed.setEditable(false);
    QCOMPARE(rows.fill(fixed).data(ReadOnlyRole).toBool(), true);
    QCOMPARE(rows.fill(fixed, 0, true).data(ReadOnlyRole).toBool(), false);
    QCOMPARE(rows.fill(fixed, 0, true, true).data(ReadOnlyRole).toBool(), true);
    CostPropertyString free(key("P_Free"), "x");
    QCOMPARE(rows.fill(free).data(ReadOnlyRole).toBool(), false);
    QCOMPARE(rows.fill(free, 0, false, true).data(ReadOnlyRole).toBool(), true);
}

void RowPopulationTest::container_form_and_signal()
{
    Population rows;
    QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
    auto length = std::make_shared<CostPropertyDouble>(key("P_Length"), 5.0, "mm");

    // One signal per population, sent once the cell is complete.
    const QModelIndex cell = rows.addRow();
    bool completeWhenSignalled = false;
    connect(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified, this, [&](const QModelIndex &idx) {
        completeWhenSignalled = idx.data(ValueCellRole).toBool() && idx.data(StateFlagsRole).isValid();
    });
    rows.model.updatePropertyValueAt(&rows.labels, PropertySignalContainer::make(length), nullptr, cell, 0, false);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().first().toModelIndex(), cell);
    QVERIFY(completeWhenSignalled);
    QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_parentObjectIdRole).toInt(), -1);

    auto withParent = PropertySignalContainer::make(length, std::make_shared<Object>(42));
    rows.model.updatePropertyValueAt(&rows.labels, withParent, nullptr, cell, 0, true);
    QCOMPARE(rows.model.getPropertyParentIdAtIndex(cell), 42);
    QCOMPARE(cell.data(ReadOnlyRole).toBool(), false);
    QCOMPARE(modified.count(), 2);

    // Nothing to show: nothing written, nothing sent.
    const QModelIndex untouched = rows.addRow();
    rows.model.updatePropertyValueAt(&rows.labels, std::shared_ptr<PropertySignalContainer>(), nullptr, untouched, 0, false);
    rows.model.updatePropertyValueAt(&rows.labels, nullptr, nullptr, 1, untouched, nullptr, 0, false, false);
    QCOMPARE(modified.count(), 2);
    QVERIFY(!untouched.data(ValueCellRole).isValid());
}

void RowPopulationTest::wide_expressions_follow_the_style()
{
    Population rows;
    CostPropertyInteger count(key("P_Count"), 12, "pcs");
    const QModelIndex cell = rows.fill(count);
    QCOMPARE(cell.data(WideExpressionRole).toBool(), false);

    // A larger application font takes effect with the next fill, for the very same text.
    qApp->setProperty("vlFontSize", 60);
    rows.refill(cell, count);
    QCOMPARE(cell.data(WideExpressionRole).toBool(), true);
    qApp->setProperty("vlFontSize", QStringLiteral("10"));
    rows.refill(cell, count);
    QCOMPARE(cell.data(WideExpressionRole).toBool(), false);

    // Without style values the font is built all the same and measuring goes on.
    qApp->setProperty("vlFont", QVariant());
    qApp->setProperty("vlFontSize", QVariant());
    CostPropertyDouble longText(key("P_Long"), 123456789.25, "millimetres");
    QCOMPARE(rows.fill(longText).data(WideExpressionRole).toBool(), true);
}

QTEST_MAIN(RowPopulationTest)
#include "RowPopulationTest.moc"
