#include "support/PropertyRows.h"
#include "support/SharedObjects.h"

#include <QSignalSpy>

namespace {

using References = std::vector<BaseProperty *>;

// Rows of shared properties, labelled as the plan labels them.
struct SharedRows : PropertyRows
{
    SharedRows()
    {
        labels.setLabel("A", "Alpha");
        labels.setLabel("B", "Beta");
        labels.setLabel("C", "Gamma");
    }

    QModelIndex fill(const SharedProperty &property, const References &references = {}, bool forceEditable = false)
    {
        const QModelIndex cell = addRow();
        model.updateSharedPropertyValueAt(&labels, property, references, cell, forceEditable);
        return cell;
    }
};

} // namespace

class SharedRowPopulationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mixed_values_data()
    {
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<bool>("mixed");
        QTest::addColumn<QVariant>("value"); // the edit role; the display role for enumerations

        const QVariant empty = QStringLiteral("");
        QTest::newRow("numbers equal") << std::vector{number(5), number(5)} << false << QVariant(5.0);
        QTest::newRow("numbers differ") << std::vector{number(5), number(6)} << true << empty;
        QTest::newRow("the third differs") << std::vector{number(5), number(5), number(5.5)} << true << empty;
        QTest::newRow("one without a value") << std::vector{number(5), withoutValue(number(5))} << true << empty;
        QTest::newRow("none with a value") << std::vector{withoutValue(number(5)), withoutValue(number(6))} << false << empty;
        QTest::newRow("whole numbers differ")
            << std::vector<PropertyPointer>{std::make_shared<CostPropertyInteger>(key("P_Count"), 3),
                                            std::make_shared<CostPropertyInteger>(key("P_Count"), 4)}
            << true << empty;
        QTest::newRow("same key at other indices") << std::vector{choice({"A", "B"}, 1), choice({"B", "A"}, 0)} << false
                                                   << QVariant(QStringLiteral("Beta"));
        QTest::newRow("same index, other keys") << std::vector{choice({"A", "B"}, 0), choice({"B", "A"}, 0)} << true << empty;
        QTest::newRow("booleans equal") << std::vector{flag(true), flag(true)} << false << QVariant(true);
        QTest::newRow("booleans differ") << std::vector{flag(true), flag(false)} << true << empty;
        QTest::newRow("texts equal") << std::vector{text("a<b"), text("a<b")} << false << QVariant(QStringLiteral("a[b"));
        QTest::newRow("texts differ") << std::vector{text("a"), text("A")} << true << empty;
    }

    void mixed_values()
    {
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(bool, mixed);
        QFETCH(QVariant, value);
        SharedRows rows;
        QSignalSpy filled(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
        const QModelIndex cell = rows.fill(sharedOf(properties));
        QCOMPARE(filled.count(), 1);
        QCOMPARE(cell.data(MixedValueRole).toBool(), mixed);
        QCOMPARE(cell.data(Qt::EditRole), value);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), mixed ? QStringLiteral("Multiple values") : QString());
        QCOMPARE(cell.data(ParentObjectIdRole).toInt(), -1);
        QCOMPARE(rows.model.getPropertyKeyAtIndex(cell), properties.front()->getLabelKey()->getStringKey());
        QVERIFY(cell.data(ValueCellRole).toBool());
    }

    void refill_once_equal_drops_the_mixed_marks()
    {
        SharedRows rows;
        const PropertyPointer first = number(5);
        const PropertyPointer second = number(6);
        const SharedProperty shared = sharedOf({first, second});
        const QModelIndex cell = rows.fill(shared);
        QVERIFY(second->assign(5.0));
        rows.model.updateSharedPropertyValueAt(&rows.labels, shared, {}, cell, false);
        QCOMPARE(cell.data(MixedValueRole).toBool(), false);
        QCOMPARE(cell.data(Qt::EditRole), QVariant(5.0));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QString());
    }

    void numbers_offer_the_overlap_data()
    {
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");

        QTest::newRow("overlap") << std::vector{number(5, "mm", 0, 10), number(6, "mm", 4, 20)} << 1.0 << 4.0 << 10.0;
        QTest::newRow("the last is narrowest") << std::vector{number(5, "mm", 0, 10), number(6, "mm", 1, 20), number(6, "mm", 2, 8)}
                                               << 1.0 << 2.0 << 8.0;
        QTest::newRow("bounds of different objects") << std::vector{number(5, "mm", 5, 50), number(6, "mm", 0, 40), number(7, "mm", 1, 60)}
                                                     << 1.0 << 5.0 << 40.0;
        QTest::newRow("prices, converted") << std::vector{number(5, "usd", 0, 100), number(6, "usd", 50, 200)} << 0.5 << 25.0 << 50.0;
    }

    void numbers_offer_the_overlap()
    {
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(double, rate);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        SharedRows rows;
        rows.model.setExchangeRate({rate, "CHF"});
        const QModelIndex cell = rows.fill(sharedOf(properties));
        const auto settings = cell.data(SpinBoxDataRole).value<VLDoubleSpinBoxData>();
        QCOMPARE(settings.minimum, minimum);
        QCOMPARE(settings.maximum, maximum);
        QVERIFY(cell.data(NumericEditorRole).toBool());
    }

    void enumerations_offer_the_values_in_common()
    {
        SharedRows rows;
        const QModelIndex cell = rows.fill(sharedOf({choice({"A", "B", "C"}, 0), choice({"C", "A"}, 0)}));
        QVERIFY(cell.data(EnumEditorRole).toBool());
        QCOMPARE(cell.data(EnumLabelsRole).toStringList(), (QStringList{"Alpha", "Gamma"}));
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), QString());
    }

    void texts_on_several_lines_only_in_all()
    {
        SharedRows rows;
        const QModelIndex some = rows.fill(sharedOf({text("a", true), text("a", false)}));
        QCOMPARE(some.data(MultiLineTextRole).toBool(), false);
        QCOMPARE(some.data(SingleLineTextRole).toBool(), true);
        const QModelIndex all = rows.fill(sharedOf({text("a", true), text("a", true)}));
        QCOMPARE(all.data(MultiLineTextRole).toBool(), true);
        QCOMPARE(all.data(SingleLineTextRole).toBool(), false);
    }

    void read_only_if_any_data()
    {
        QTest::addColumn<QVector<bool>>("editable");
        QTest::addColumn<bool>("forceEditable");
        QTest::addColumn<bool>("readOnly");

        QTest::newRow("all editable") << QVector<bool>{true, true, true} << false << false;
        QTest::newRow("the last is not") << QVector<bool>{true, true, false} << false << true;
        QTest::newRow("the first is not") << QVector<bool>{false, true} << false << true;
        QTest::newRow("forced editable") << QVector<bool>{false, false} << true << false;
    }

    void read_only_if_any()
    {
        QFETCH(QVector<bool>, editable);
        QFETCH(bool, forceEditable);
        QFETCH(bool, readOnly);
        std::vector<PropertyPointer> properties;
        for (const bool each : editable) {
            auto property = std::make_shared<CostPropertyBoolean>(key("P_Deburr"), true);
            property->setEditable(each);
            properties.push_back(property);
        }
        SharedRows rows;
        const QModelIndex cell = rows.fill(sharedOf(properties), {}, forceEditable);
        QCOMPARE(cell.data(ReadOnlyRole).toBool(), readOnly);
    }

    void state_flags_if_any_data()
    {
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<int>("flags");

        PropertyPointer edited = number(5);
        edited->setModified(true);
        PropertyPointer clipped = number(5);
        clipped->setRangeApplied(true);
        QTest::newRow("none") << std::vector{number(5), number(5)} << 0;
        QTest::newRow("changed in the second") << std::vector{number(5), edited} << int(ChangedFlag);
        QTest::newRow("clipped in the second") << std::vector{number(5), clipped} << int(AttentionFlag);
        QTest::newRow("outside its own range") << std::vector{number(5, "mm", 0, 10), number(50, "mm", 0, 40)} << int(AttentionFlag);
        QTest::newRow("no value in one") << std::vector{number(5), withoutValue(number(5))} << int(AttentionFlag);
        QTest::newRow("index outside in one") << std::vector{choice({"A"}, 0), choice({"A"}, 3)} << int(AttentionFlag);
    }

    void state_flags_if_any()
    {
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(int, flags);
        SharedRows rows;
        const QModelIndex cell = rows.fill(sharedOf(properties));
        QCOMPARE(cell.data(StateFlagsRole).toInt(), flags);
    }

    void reference_any_data()
    {
        QTest::addColumn<std::vector<PropertyPointer>>("properties");
        QTest::addColumn<std::vector<PropertyPointer>>("references"); // null: none
        QTest::addColumn<bool>("mismatch");
        QTest::addColumn<QString>("tooltip");

        const PropertyPointer none;
        QTest::newRow("all equal") << std::vector{number(5), number(5)} << std::vector{number(5), number(5)} << false << QString();
        QTest::newRow("the second differs") << std::vector{number(5), number(5)} << std::vector{number(5), number(7)} << true
                                            << QStringLiteral("Reference value: 7.00");
        QTest::newRow("both differ alike") << std::vector{number(5), number(6)} << std::vector{number(7), number(7)} << true
                                           << QStringLiteral("Multiple values\nReference value: 7.00");
        QTest::newRow("both differ otherwise") << std::vector{number(5), number(5)} << std::vector{number(7), number(8)} << true
                                               << QStringLiteral("The objects' reference values differ");
        QTest::newRow("one has none") << std::vector{flag(true), flag(true)} << std::vector{flag(true), none} << true
                                      << QStringLiteral("No reference value");
        QTest::newRow("the last not given") << std::vector{flag(true), flag(true)} << std::vector{flag(true)} << true
                                            << QStringLiteral("No reference value");
    }

    void reference_any()
    {
        QFETCH(std::vector<PropertyPointer>, properties);
        QFETCH(std::vector<PropertyPointer>, references);
        QFETCH(bool, mismatch);
        QFETCH(QString, tooltip);
        SharedRows rows;
        rows.model.enableReferenceComparison(true);
        References referenceProperties;
        for (const PropertyPointer &reference : references)
            referenceProperties.push_back(reference.get());
        const QModelIndex cell = rows.fill(sharedOf(properties), referenceProperties);
        QCOMPARE((cell.data(StateFlagsRole).toInt() & ReferenceMismatchFlag) != 0, mismatch);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), tooltip);
    }

    void mixed_tooltip_in_german()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/velmaris_de.qm")));
        QCoreApplication::installTranslator(&german);
        SharedRows rows;
        const QModelIndex cell = rows.fill(sharedOf({flag(true), flag(false)}));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Mehrere Werte"));
    }
};

QTEST_MAIN(SharedRowPopulationTest)
#include "SharedRowPopulationTest.moc"
