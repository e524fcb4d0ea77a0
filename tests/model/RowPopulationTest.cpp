#include "support/PropertyRows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>

namespace {

int flagsOf(const QModelIndex &cell) { return cell.data(StateFlagsRole).toInt(); }

VLDoubleSpinBoxData spinOf(const QModelIndex &cell) { return cell.data(SpinBoxDataRole).value<VLDoubleSpinBoxData>(); }

void useStyle(const QVariant &family, const QVariant &size)
{
    qApp->setProperty("vlFont", family);
    qApp->setProperty("vlFontSize", size);
}

} // namespace

class RowPopulationTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { useStyle(QStringLiteral("DejaVu Sans"), 10); }
    void numbers()
    {
        PropertyRows rows;
        rows.model.setExchangeRate({0.8, "CHF"});
        CostPropertyDouble price(key("P_Price"), 250.0, "usd", 0.0, 1000.0);
        const QModelIndex cell = rows.fill(price);
        QCOMPARE(cell.data(Qt::EditRole), QVariant(200.0));
        QCOMPARE(cell.data(NumericEditorRole), QVariant(true));
        QCOMPARE(cell.data(ValueCellRole), QVariant(true));
        QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString(), QStringLiteral("P_Price"));
        QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_parentObjectIdRole), QVariant(7));
        QCOMPARE(QByteArray(cell.data(SpinBoxDataRole).typeName()), QByteArray("VLDoubleSpinBoxData"));
        QCOMPARE(std::make_tuple(spinOf(cell).maximum, spinOf(cell).suffix, spinOf(cell).decimals),
                 std::make_tuple(800.0, QStringLiteral("CHF"), 2));
        QCOMPARE(flagsOf(cell), 0);

        // Scale mode 2, and only 2, doubles value and bounds.
        CostPropertyInteger count(key("P_Count"), 21, "pcs", 0, 30);
        QCOMPARE(rows.fill(count, 2).data(Qt::EditRole), QVariant(42));
        QCOMPARE(spinOf(rows.fill(count, 2)).maximum, 60.0);
        QCOMPARE(rows.fill(count, 1).data(Qt::EditRole), QVariant(21));
        QCOMPARE(rows.fill(count, 3).data(Qt::EditRole), QVariant(21));

        // No value asks for attention and empties the cell, which keeps the number's editor.
        BaseMultiProperty lots(key("P_Lots"), MultiLotPropertyType, BaseMultiProperty::DoubleValues, {5.0});
        lots.setNoValue(true);
        const QModelIndex empty = rows.fill(lots);
        QCOMPARE(empty.data(Qt::EditRole), QVariant(QStringLiteral("")));
        QCOMPARE(flagsOf(empty), int(AttentionFlag));
        QVERIFY(empty.data(NumericEditorRole).toBool() && empty.data(SpinBoxDataRole).isValid());
    }

    void enumerations_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVariant>("shown");
        QTest::newRow("first") << 3 << 0 << QVariant(QStringLiteral("Steel"));
        QTest::newRow("last") << 3 << 2 << QVariant(QStringLiteral("Titanium"));
        QTest::newRow("below the values") << 3 << -1 << QVariant(QStringLiteral("earlier"));
        QTest::newRow("past the values") << 3 << 3 << QVariant(QStringLiteral("earlier"));
        QTest::newRow("no values") << 0 << 0 << QVariant(QStringLiteral("earlier"));
    }

    void enumerations()
    {
        QFETCH(int, values);
        QFETCH(int, index);
        const std::vector<std::string> all{"MAT_Steel", "MAT_Alu", "MAT_Ti"};
        CostPropertyEnum material(key("P_Material"), std::vector<std::string>(all.begin(), all.begin() + values), index);
        PropertyRows rows;
        rows.labels.setLabel("MAT_Steel", "Steel");
        rows.labels.setLabel("MAT_Alu", "Aluminium");
        rows.labels.setLabel("MAT_Ti", "Titanium");
        const QModelIndex cell = rows.addRow();
        rows.model.setDataQuietly(cell, QStringLiteral("earlier"), Qt::DisplayRole);
        rows.refill(cell, material);

        // An index outside the values asks for attention and leaves the cell as it was.
        const bool valid = index >= 0 && index < values;
        QTEST(cell.data(Qt::DisplayRole), "shown");
        QCOMPARE(flagsOf(cell), valid ? 0 : int(AttentionFlag));
        QCOMPARE(cell.data(EnumEditorRole), valid ? QVariant(true) : QVariant());
        QCOMPARE(cell.data(EnumLabelsRole), valid ? QVariant(QStringList{"Steel", "Aluminium", "Titanium"}) : QVariant());
    }

    void texts_and_booleans()
    {
        PropertyRows rows;
        CostPropertyString single(key("P_Name"), "a<b>c <<x>>");
        const QModelIndex name = rows.fill(single);
        QCOMPARE(name.data(Qt::EditRole), QVariant(QStringLiteral("a[b]c [[x]]")));
        QCOMPARE(name.data(SingleLineTextRole), QVariant(true));
        QVERIFY(!name.data(MultiLineTextRole).isValid());

        CostPropertyString multi(key("P_Notes"), "   ", true);
        const QModelIndex notes = rows.fill(multi);
        QCOMPARE(notes.data(Qt::EditRole), QVariant(QString()));
        QCOMPARE(notes.data(MultiLineTextRole), QVariant(true));
        QVERIFY(!notes.data(SingleLineTextRole).isValid());

        CostPropertyBoolean flag(key("P_Flag"), true);
        const QModelIndex check = rows.fill(flag);
        QCOMPARE(check.data(BooleanEditorRole), QVariant(true));
        QCOMPARE(check.data(Qt::EditRole), QVariant(true));
        // A refill with another kind leaves the old kind's marker in place.
        rows.refill(check, single);
        QVERIFY(check.data(BooleanEditorRole).toBool() && check.data(SingleLineTextRole).toBool());
    }

    void changed_and_reference_marks()
    {
        PropertyRows rows;
        CostPropertyDouble length(key("P_Length"), 5.0, "mm", 0.0, 10.0);
        CostPropertyDouble same(key("P_Length"), 5.0, "mm");
        CostPropertyDouble other(key("P_Length"), 6.0, "mm");

        // Changed: by the comparison property when one is given, else by the property's own mark.
        QCOMPARE(flagsOf(rows.fill(length, 0, &other)), int(ChangedFlag));
        length.setModified(true);
        QCOMPARE(flagsOf(rows.fill(length, 0, &same)), 0);

        // The reference is not even compared with comparison off.
        ProcessPlanReferenceComparison::resetCallCount();
        const QModelIndex cell = rows.fill(length, 0, &same, &other);
        QCOMPARE(ProcessPlanReferenceComparison::callCount(), 1);
        QVERIFY(!cell.data(Qt::ToolTipRole).isValid());
        rows.model.enableReferenceComparison(true);
        rows.refill(cell, length, 0, &same, &other);
        QCOMPARE(flagsOf(cell), int(ReferenceMismatchFlag));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 6.00"));
        // Equal again: the bit goes, the old tooltip stays.
        rows.refill(cell, length, 0, &same, &same);
        QCOMPARE(flagsOf(cell), 0);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Reference value: 6.00"));
    }

    void container_form_and_signal()
    {
        PropertyRows rows;
        QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
        auto length = std::make_shared<CostPropertyDouble>(key("P_Length"), 5.0, "mm");

        // One signal per population, sent once the cell is complete.
        const QModelIndex cell = rows.addRow();
        bool completeWhenSignalled = false;
        connect(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified, this, [&](const QModelIndex &idx) {
            completeWhenSignalled = idx.data(ValueCellRole).toBool() && idx.data(ReadOnlyRole).isValid();
        });
        rows.model.updatePropertyValueAt(&rows.labels, PropertySignalContainer::make(length), nullptr, cell, 0, false);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.first().first().toModelIndex(), cell);
        QVERIFY(completeWhenSignalled);
        QCOMPARE(cell.data(ProcPlanBaseQItemModel::s_parentObjectIdRole), QVariant(-1));
        rows.model.updatePropertyValueAt(&rows.labels, PropertySignalContainer::make(length, std::make_shared<Object>(42)),
                                         nullptr, cell, 0, false);
        QCOMPARE(rows.model.getPropertyParentIdAtIndex(cell), 42);

        // Nothing to show: nothing written, nothing sent.
        const QModelIndex untouched = rows.addRow();
        rows.model.updatePropertyValueAt(&rows.labels, std::shared_ptr<PropertySignalContainer>(), nullptr, untouched, 0, false);
        rows.model.updatePropertyValueAt(&rows.labels, nullptr, nullptr, 1, untouched, nullptr, 0, false, false);
        QCOMPARE(modified.count(), 2);
        QVERIFY(!untouched.data(ValueCellRole).isValid());
    }

    void wide_expressions()
    {
        // A value text of exactly 90 pixels is wide, one of 89 is not: find both in this font.
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Normal, false));
        std::map<int, std::pair<int, std::string>> byWidth;
        std::vector<std::string> units{""};
        for (std::size_t i = 0; i < 400; ++i) // every unit of up to five letters i, r and m
            for (const char letter : {'i', 'r', 'm'})
                units.push_back(units[i] + letter);
        for (int number = 1; number < 100000000; number *= 10) {
            for (const std::string &unit : units)
                byWidth.emplace(metrics.horizontalAdvance(QString::number(number) + QLatin1Char(' ') + QString::fromStdString(unit)),
                                std::make_pair(number, unit));
        }
        QVERIFY(byWidth.count(89) && byWidth.count(90));
        PropertyRows rows;
        for (const int width : {89, 90}) {
            CostPropertyInteger count(key("P_Count"), byWidth[width].first, byWidth[width].second);
            QCOMPARE(rows.fill(count).data(WideExpressionRole), QVariant(width == 90));
        }

        // A larger application font counts from the next fill, for the very same text.
        CostPropertyInteger count(key("P_Count"), 12, "pcs");
        const QModelIndex cell = rows.fill(count);
        useStyle(QStringLiteral("DejaVu Sans"), 60);
        rows.refill(cell, count);
        QCOMPARE(cell.data(WideExpressionRole), QVariant(true));
        useStyle(QStringLiteral("DejaVu Sans"), QStringLiteral("10"));
        rows.refill(cell, count);
        QCOMPARE(cell.data(WideExpressionRole), QVariant(false));

        // Without style values a font is built all the same and measuring goes on.
        useStyle(QVariant(), QVariant());
        CostPropertyDouble longText(key("P_Long"), 123456789.25, "millimetres");
        QCOMPARE(rows.fill(longText).data(WideExpressionRole), QVariant(true));
    }
};

QTEST_MAIN(RowPopulationTest)
#include "RowPopulationTest.moc"
