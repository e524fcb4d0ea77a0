#include "model/ProcPlanBaseQItemModel.h"

#include "support/ModelTestAccess.h"
#include "support/OneTextTranslator.h"

#include "host/access/DataBaseControl.h"
#include "host/access/ProcessLayoutController.h"
#include "host/commands/DesignCommandFactory.h"
#include "host/objects/PropertySignalContainer.h"
#include "host/property/NumericProperties.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace CCAPIBaseCommon;


using namespace Velmaris;

namespace {

struct NoFactoryControl : DesignDefinitionControlInterface
{
    std::shared_ptr<DesignCommandFactory> getCommandFactory() const override { return {}; }
};

QString keyAt(const QModelIndex &index)
{
    return index.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString();
}

} // namespace

class ModelStructureTest : public QObject
{
    Q_OBJECT

private slots:
    void construction_and_settings();
    void category_rows();
    void category_rows_follow_host_changes();
    void category_row_of_a_container();
    void label_cell();
    void cell_accessors();
    void string_replacement();
};

void ModelStructureTest::construction_and_settings()
{
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.parent());
    QCOMPARE(model.exchangeRate().rate, 1.0);
    QCOMPARE(model.exchangeRate().currency, std::string("EUR"));
    QVERIFY(!model.referenceComparisonEnabled());
    QVERIFY(!model.designDefinitionControl());

    // Settings are copied, not referenced.
    ProcPlanBaseQItemModel::ExchangeRate chf{0.8, "CHF"};
    model.setExchangeRate(chf);
    chf.rate = 2.0;
    QCOMPARE(model.exchangeRate().rate, 0.8);
    QCOMPARE(model.exchangeRate().currency, std::string("CHF"));
    model.enableReferenceComparison(true);
    QVERIFY(model.referenceComparisonEnabled());

    // The model keeps its share of the control and releases it on replacement and destruction.
    auto control = std::make_shared<NoFactoryControl>();
    {
        ProcPlanBaseQItemModel shared(control);
        QCOMPARE(control.use_count(), 2L);
        shared.setDesignDefinitionControl({});
        QCOMPARE(control.use_count(), 1L);
        shared.setDesignDefinitionControl(control);
        QCOMPARE(control.use_count(), 2L);
    }
    QCOMPARE(control.use_count(), 1L);

    // One switch for the whole process.
    ProcPlanBaseQItemModel::setShowAllProperties(true);
    QVERIFY(ProcPlanBaseQItemModel::getShowAllProperties());
    ProcPlanBaseQItemModel::setShowAllProperties(false);
    QVERIFY(!ProcPlanBaseQItemModel::getShowAllProperties());

    // Meta-object: class name, the one signal, and casts by name.
    const QMetaObject *meta = model.metaObject();
    QCOMPARE(QByteArray(meta->className()), QByteArray("Velmaris::ProcPlanBaseQItemModel"));
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 1);
    QCOMPARE(meta->method(meta->methodOffset()).methodSignature(),
             QByteArray("sigPropGotModified(QModelIndex)"));
    QCOMPARE(model.qt_metacast("Velmaris::ProcPlanBaseQItemModel"), static_cast<void *>(&model));
    QVERIFY(model.qt_metacast("QStandardItemModel"));
    QVERIFY(!model.qt_metacast("Velmaris::Unrelated"));
    QCOMPARE(ProcPlanBaseQItemModel::s_parentObjectIdRole, 1234);
    QCOMPARE(ProcPlanBaseQItemModel::s_tsKeyRole, 1235);
}

void ModelStructureTest::category_rows()
{
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy modified(&model, &ProcPlanBaseQItemModel::sigPropGotModified);

    // Created on first request, appended in request order, with key, read-only and label.
    const QModelIndex cost = model.categoryIndex("CAT_Cost", "Cost");
    const QModelIndex time = model.categoryIndex("CAT_Time", "Time");
    QCOMPARE(cost.row(), 0);
    QCOMPARE(time.row(), 1);
    QCOMPARE(cost.column(), 0);
    QVERIFY(!cost.parent().isValid());
    QCOMPARE(keyAt(cost), QStringLiteral("CAT_Cost"));
    QCOMPARE(cost.data(ReadOnlyRole).toBool(), true);
    QCOMPARE(cost.data(Qt::DisplayRole).toString(), QStringLiteral("Cost"));

    // The same key returns the same row, which keeps its first label.
    const QModelIndex again = model.categoryIndex("CAT_Cost", "Kosten");
    QCOMPARE(again, cost);
    QCOMPARE(again.data(Qt::EditRole).toString(), QStringLiteral("Cost"));
    QCOMPARE(model.rowCount(), 2);

    // Keys match exactly: case, blanks and the empty key are keys of their own.
    QCOMPARE(model.categoryIndex("cat_cost", "x").row(), 2);
    QCOMPARE(model.categoryIndex("CAT_Cost ", "x").row(), 3);
    QCOMPARE(model.categoryIndex("", "Empty").row(), 4);
    QCOMPARE(model.categoryIndex("", "Other").row(), 4);
    QCOMPARE(model.rowCount(), 5);

    // A category row never counts as a modification.
    QCOMPARE(modified.count(), 0);
}

void ModelStructureTest::category_rows_follow_host_changes()
{
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.categoryIndex("A", "A");
    model.categoryIndex("B", "B");
    model.categoryIndex("C", "C");

    // Property rows below a category do not disturb the lookup.
    model.itemFromIndex(model.categoryIndex("B", ""))->appendRow({new QStandardItem, new QStandardItem});
    QCOMPARE(model.categoryIndex("B", "").row(), 1);

    // Rows removed, inserted and moved (taken and put back) by the host.
    model.removeRow(0);
    QCOMPARE(model.categoryIndex("B", "").row(), 0);
    QCOMPARE(model.categoryIndex("C", "").row(), 1);
    model.insertRow(0, new QStandardItem(QStringLiteral("host row")));
    QCOMPARE(model.categoryIndex("B", "").row(), 1);
    model.insertRow(0, model.takeRow(2));
    QCOMPARE(model.categoryIndex("C", "").row(), 0);
    QCOMPARE(model.categoryIndex("B", "").row(), 2);

    // A duplicate key written by the host: the last row with the key wins.
    auto *duplicate = new QStandardItem;
    duplicate->setData(QStringLiteral("C"), ProcPlanBaseQItemModel::s_tsKeyRole);
    model.appendRow(duplicate);
    QCOMPARE(model.categoryIndex("C", "").row(), model.rowCount() - 1);

    // A key changed in place, and a column inserted in front of the keys.
    model.setData(model.index(0, 0), QStringLiteral("renamed"), ProcPlanBaseQItemModel::s_tsKeyRole);
    QCOMPARE(model.categoryIndex("renamed", "").row(), 0);
    const int rows = model.rowCount();
    model.insertColumn(0);
    QCOMPARE(model.categoryIndex("renamed", "new").row(), rows);
    QCOMPARE(model.rowCount(), rows + 1);

    // After a reset everything is created anew.
    model.clear();
    QCOMPARE(model.categoryIndex("renamed", "").row(), 0);
    QCOMPARE(model.rowCount(), 1);
}

void ModelStructureTest::category_row_of_a_container()
{
    CCAPIAccess::DataBaseControl db;
    db.setLabel("CAT_Cost", "Cost");
    CCAPIAccess::ProcessLayoutController controller(&db);
    auto property = [](const std::string &category) {
        return PropertySignalContainer::make(
            std::make_shared<CostPropertyDouble>(LabelKey("P_" + category, category), 1.0));
    };

    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex cost = model.categoryIndex(&controller, property("CAT_Cost"));
    QCOMPARE(cost.data(Qt::DisplayRole).toString(), QStringLiteral("Cost"));
    QCOMPARE(keyAt(cost), QStringLiteral("CAT_Cost"));

    // Categories without a label are all "Unnamed Category", each with its own key.
    const QModelIndex first = model.categoryIndex(&controller, property("CAT_X"));
    const QModelIndex second = model.categoryIndex(&controller, property("CAT_Y"));
    QVERIFY(first != second);
    QCOMPARE(first.data(Qt::DisplayRole).toString(), QStringLiteral("Unnamed Category"));
    QCOMPARE(second.data(Qt::DisplayRole).toString(), QStringLiteral("Unnamed Category"));
    QCOMPARE(keyAt(second), QStringLiteral("CAT_Y"));
    QCOMPARE(model.categoryIndex(&controller, property("CAT_Cost")), cost);
}

void ModelStructureTest::label_cell()
{
    CCAPIAccess::DataBaseControl db;
    const std::string thirty(30, 'x');
    const std::string thirtyOne(31, 'y');
    db.setLabel("P_30", thirty);
    db.setLabel("P_31", thirtyOne);
    db.setLabel("P_Fixed", "Rate");
    db.setLabel("P_Umlaut", "Größe");

    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStandardItem *category = model.itemFromIndex(model.categoryIndex("C", "C"));
    for (int i = 0; i < 4; ++i)
        category->appendRow({new QStandardItem, new QStandardItem});
    const auto labelCell = [&](int row) { return model.index(row, 0, category->index()); };

    // A label of exactly 30 bytes gets no tooltip, one of 31 bytes gets itself.
    const LabelKey key30("P_30", "C");
    model.generateLabelQitem(&db, &key30, labelCell(0), false);
    QCOMPARE(labelCell(0).data(Qt::DisplayRole).toString(), QString::fromStdString(thirty));
    QVERIFY(!labelCell(0).data(Qt::ToolTipRole).isValid());
    QCOMPARE(labelCell(0).data(ReadOnlyRole).toBool(), true);
    QCOMPARE(keyAt(labelCell(0)), QStringLiteral("P_30"));
    QVERIFY(!labelCell(0).data(MarkedLabelRole).isValid());
    const LabelKey key31("P_31", "C");
    model.generateLabelQitem(&db, &key31, labelCell(1), true);
    QCOMPARE(labelCell(1).data(Qt::ToolTipRole).toString(), QString::fromStdString(thirtyOne));
    QCOMPARE(labelCell(1).data(MarkedLabelRole).toBool(), true);

    // Bytes, not characters, count: "Größe" is 7 bytes, UTF-8 reaches the cell intact.
    const LabelKey umlaut("P_Umlaut", "C");
    model.generateLabelQitem(&db, &umlaut, labelCell(2), false);
    QCOMPARE(labelCell(2).data(Qt::DisplayRole).toString(), QStringLiteral("Größe"));

    // Not editable: the label and " not editable", however short, translated by the model.
    const LabelKey fixed = LabelKey("P_Fixed", "C").setEditable(false);
    model.generateLabelQitem(&db, &fixed, labelCell(3), false);
    QCOMPARE(labelCell(3).data(Qt::ToolTipRole).toString(), QStringLiteral("Rate not editable"));
    OneTextTranslator german("Velmaris::ProcPlanBaseQItemModel", " not editable", QStringLiteral(" nicht editierbar"));
    QCoreApplication::installTranslator(&german);
    model.generateLabelQitem(&db, &fixed, labelCell(3), false);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(labelCell(3).data(Qt::ToolTipRole).toString(), QStringLiteral("Rate nicht editierbar"));

    // An earlier mark stays when the label is regenerated unmarked.
    model.generateLabelQitem(&db, &key31, labelCell(1), false);
    QCOMPARE(labelCell(1).data(MarkedLabelRole).toBool(), true);

    // An invalid cell stores nothing and does not fail.
    model.generateLabelQitem(&db, &key31, QModelIndex(), true);
    QCOMPARE(model.rowCount(), 1);
}

void ModelStructureTest::cell_accessors()
{
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex category = model.categoryIndex("CAT_Cost", "Cost");
    model.itemFromIndex(category)->appendRow({new QStandardItem, new QStandardItem});
    const QModelIndex label = model.index(0, 0, category);
    const QModelIndex value = model.index(0, 1, category);
    model.setData(value, QStringLiteral("P_Rate"), ProcPlanBaseQItemModel::s_tsKeyRole);
    model.setData(value, 42, ProcPlanBaseQItemModel::s_parentObjectIdRole);

    QCOMPARE(model.getPropertyKeyAtIndex(category), std::string("CAT_Cost"));
    QCOMPARE(model.getPropertyKeyAtIndex(value), std::string("P_Rate"));
    QCOMPARE(model.getPropertyParentIdAtIndex(value), 42);
    QCOMPARE(model.getPropertyParentIdAtIndex(label), 0);
    QCOMPARE(model.getPropertyParentIdAtIndex(category), 0);
    QCOMPARE(model.getPropertyKeyAtIndex(label), std::string());
    QCOMPARE(model.getPropertyKeyAtIndex(QModelIndex()), std::string());
    QCOMPARE(model.getPropertyParentIdAtIndex(QModelIndex()), 0);
}

void ModelStructureTest::string_replacement()
{
    ProcPlanBaseQItemModel model;
    const auto replaced = [&](const std::string &subject, const std::string &search,
                              const std::string &replacement) {
        return ProcPlanBaseQItemModelTestAccess::replaced(model, subject, search, replacement);
    };
    QCOMPARE(replaced("a<b<c", "<", "["), std::string("a[b[c"));
    // No overlap and no rescan of what was inserted.
    QCOMPARE(replaced("aaaa", "aa", "a"), std::string("aa"));
    QCOMPARE(replaced("ab", "a", "aa"), std::string("aab"));
    QCOMPARE(replaced("text", "", "x"), std::string("text"));
    QCOMPARE(replaced("", "a", "b"), std::string());
}

QTEST_MAIN(ModelStructureTest)
#include "ModelStructureTest.moc"
