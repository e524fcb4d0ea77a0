#include "support/PropertyRows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>

using Roles = QMap<int, QVariant>;
Q_DECLARE_METATYPE(Roles)

namespace {

QVariant spin(double min, double max, int decimals, const char *suffix)
{
    VLDoubleSpinBoxData data;
    data.minimum = min;
    data.maximum = max;
    data.decimals = decimals;
    data.suffix = QString::fromUtf8(suffix);
    return QVariant::fromValue(data);
}

int flagsOf(const QModelIndex &cell) { return cell.data(StateFlagsRole).toInt(); }

void useStyle(const QVariant &family, const QVariant &size)
{
    qApp->setProperty("vlFont", family);
    qApp->setProperty("vlFontSize", size);
}

} // namespace

class RowPopulationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { useStyle(QStringLiteral("DejaVu Sans"), 10); }
    // Each kind's value cell, filled over a cell that showed "earlier", at the rate 0.8 CHF.
    void cell_roles_data()
    {
        QTest::addColumn<PropertyPointer>("property");
        QTest::addColumn<int>("scaleMode");
        QTest::addColumn<Roles>("roles");
        const std::vector<std::string> materials{"MAT_Steel", "MAT_Alu", "MAT_Ti"};
        const auto material = [&](int count, int index) {
            return std::make_shared<CostPropertyEnum>(key("P_Mat"), std::vector<std::string>(materials.begin(), materials.begin() + count), index);
        };
        const QVariant labels(QStringList{"Steel", "Aluminium", "Titanium"});
        const QVariant earlier(QStringLiteral("earlier"));
        auto lots = std::make_shared<BaseMultiProperty>(key("P_Lots"), MultiLotPropertyType, BaseMultiProperty::DoubleValues, std::vector<double>{5.0});
        lots->setNoValue(true);
        QTest::newRow("price") << PropertyPointer(std::make_shared<CostPropertyDouble>(key("P_Price"), 250.0, "usd", 0.0, 1000.0)) << 0
                               << Roles{{Qt::EditRole, 200.0}, {SpinBoxDataRole, spin(0.0, 800.0, 2, "CHF")}, {NumericEditorRole, true},
                                        {ValueCellRole, true}, {StateFlagsRole, 0}, {TsKeyRole, "P_Price"}, {ParentObjectIdRole, 7}};
        // Scale mode 2, and only 2, doubles value and bounds; outside them asks for attention.
        QTest::newRow("doubled") << PropertyPointer(std::make_shared<CostPropertyInteger>(key("P_N"), 21, "pcs", 0, 30)) << 2
                                 << Roles{{Qt::EditRole, 42}, {SpinBoxDataRole, spin(0.0, 60.0, 0, "pcs")}, {StateFlagsRole, 0}};
        QTest::newRow("scale mode 1") << PropertyPointer(std::make_shared<CostPropertyInteger>(key("P_N"), 21, "pcs", 0, 20)) << 1
                                      << Roles{{Qt::EditRole, 21}, {StateFlagsRole, int(AttentionFlag)}};
        QTest::newRow("scale mode 3") << PropertyPointer(std::make_shared<CostPropertyInteger>(key("P_N"), 21, "pcs", 0, 30)) << 3 << Roles{{Qt::EditRole, 21}};
        // No value asks for attention and empties the cell, which keeps the number's editor.
        QTest::newRow("no value") << PropertyPointer(lots) << 0
                                  << Roles{{Qt::EditRole, QStringLiteral("")}, {StateFlagsRole, int(AttentionFlag)}, {NumericEditorRole, true},
                                           {SpinBoxDataRole, spin(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(), 2, "")}};
        // An index outside the values asks for attention and leaves the cell as it was.
        QTest::newRow("first choice") << PropertyPointer(material(3, 0)) << 0
                                      << Roles{{Qt::DisplayRole, "Steel"}, {EnumLabelsRole, labels}, {EnumEditorRole, true}, {StateFlagsRole, 0}};
        QTest::newRow("last choice") << PropertyPointer(material(3, 2)) << 0 << Roles{{Qt::DisplayRole, "Titanium"}, {StateFlagsRole, 0}};
        for (const auto &[name, count, index] : {std::make_tuple("below the choices", 3, -1), std::make_tuple("past the choices", 3, 3),
                                                  std::make_tuple("no choices", 0, 0)})
            QTest::newRow(name) << PropertyPointer(material(count, index)) << 0
                                << Roles{{Qt::DisplayRole, earlier}, {EnumLabelsRole, {}}, {EnumEditorRole, {}}, {StateFlagsRole, int(AttentionFlag)}};
        QTest::newRow("single line") << PropertyPointer(std::make_shared<CostPropertyString>(key("P_T"), "a<b>c <<x>>")) << 0
                                     << Roles{{Qt::EditRole, "a[b]c [[x]]"}, {SingleLineTextRole, true}, {MultiLineTextRole, {}}};
        QTest::newRow("multi line, spaces") << PropertyPointer(std::make_shared<CostPropertyString>(key("P_T"), "   ", true)) << 0
                                            << Roles{{Qt::EditRole, QString()}, {MultiLineTextRole, true}, {SingleLineTextRole, {}}};
        QTest::newRow("boolean") << PropertyPointer(std::make_shared<CostPropertyBoolean>(key("P_F"), true)) << 0
                                 << Roles{{Qt::EditRole, true}, {BooleanEditorRole, true}, {NumericEditorRole, {}}};
    }

    void cell_roles()
    {
        QFETCH(PropertyPointer, property);
        QFETCH(int, scaleMode);
        QFETCH(Roles, roles);
        PropertyRows rows;
        rows.labels.setLabel("MAT_Steel", "Steel");
        rows.labels.setLabel("MAT_Alu", "Aluminium");
        rows.labels.setLabel("MAT_Ti", "Titanium");
        rows.model.setExchangeRate({0.8, "CHF"});
        const QModelIndex cell = rows.addRow();
        rows.model.setDataQuietly(cell, QStringLiteral("earlier"), Qt::DisplayRole);
        rows.refill(cell, *property, scaleMode);
        for (auto role = roles.cbegin(); role != roles.cend(); ++role)
            QVERIFY2(cell.data(role.key()) == role.value(), qPrintable(QString::number(role.key())));

        // A refill with another kind leaves the old kind's marker in place.
        CostPropertyBoolean flag(key("P_F"), false);
        rows.refill(cell, flag);
        QCOMPARE(cell.data(BooleanEditorRole), QVariant(true));
        QCOMPARE(cell.data(SingleLineTextRole), roles.value(SingleLineTextRole));
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
        QSignalSpy changed(&rows.model, &QAbstractItemModel::dataChanged);
        rows.model.updatePropertyValueAt(&rows.labels, PropertySignalContainer::make(length), nullptr, cell, 0, false);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(changed.count(), 1); // key and value roles alike
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
        QSignalSpy changed(&rows.model, &QAbstractItemModel::dataChanged);
        QSignalSpy itemChanged(&rows.model, &QStandardItemModel::itemChanged);
        useStyle(QStringLiteral("DejaVu Sans"), 60);
        rows.refill(cell, count);
        QCOMPARE(cell.data(WideExpressionRole), QVariant(true));
        // Views hear of a refill once, of exactly the roles it changed, and not when none did.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>{WideExpressionRole});
        QCOMPARE(itemChanged.count(), 1);
        rows.refill(cell, count);
        QCOMPARE(changed.count(), 1);
        useStyle(QStringLiteral("DejaVu Sans"), QStringLiteral("10"));
        rows.refill(cell, count);
        QCOMPARE(cell.data(WideExpressionRole), QVariant(false));
        // A new value is news for both roles that share it.
        count.assign(13);
        rows.refill(cell, count);
        const auto roles = changed.last().at(2).value<QVector<int>>();
        QVERIFY(roles.contains(Qt::DisplayRole) && roles.contains(Qt::EditRole));

        // Without style values a font is built all the same and measuring goes on.
        useStyle(QVariant(), QVariant());
        CostPropertyDouble longText(key("P_Long"), 123456789.25, "millimetres");
        QCOMPARE(rows.fill(longText).data(WideExpressionRole), QVariant(true));
    }
};

QTEST_MAIN(RowPopulationTest)
#include "RowPopulationTest.moc"
