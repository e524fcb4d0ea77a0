#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include "support/OneTextTranslator.h"
#include "support/PlanObjects.h"

#include <velmaris/host/commands/DesignCommandFactory.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStandardItem>

#include <functional>
#include <memory>

// A change the host makes to the top level of a model holding rows A, B and C, which the
// model made, and H, which the host made.
using HostChange = std::function<void(QStandardItemModel &)>;
Q_DECLARE_METATYPE(HostChange)

namespace {

struct NoFactoryControl : DesignDefinitionControlInterface
{
    std::shared_ptr<DesignCommandFactory> getCommandFactory() const override { return {}; }
};

QString keyAt(const QModelIndex &index) { return index.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString(); }

QStandardItem *keyed(const char *key)
{
    auto *item = new QStandardItem;
    item->setData(QString::fromLatin1(key), ProcPlanBaseQItemModel::s_tsKeyRole);
    return item;
}

// Replaces the item's data wholesale, as loading it from a stream does; the model announces
// only the flags role.
void readInto(QStandardItem *item, const char *key)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    std::unique_ptr<QStandardItem>(keyed(key))->write(out);
    QDataStream in(bytes);
    item->read(in);
}

// A model under the tester; category rows by key.
struct Categories
{
    int row(const std::string &key, const std::string &label = {}) { return model.categoryIndex(key, label).row(); }

    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

} // namespace

class ModelStructureTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults_and_shared_control()
    {
        ProcPlanBaseQItemModel model;
        QCOMPARE(model.exchangeRate().rate, 1.0);
        QCOMPARE(model.exchangeRate().currency, std::string("EUR"));
        QVERIFY(!model.referenceComparisonEnabled() && !model.parent() && !ProcPlanBaseQItemModel::getShowAllProperties());
        // The model holds a share of the control and gives it up on replacement and destruction.
        auto control = std::make_shared<NoFactoryControl>();
        {
            ProcPlanBaseQItemModel shared(control);
            QCOMPARE(control.use_count(), 2L);
            shared.setDesignDefinitionControl({});
            QCOMPARE(control.use_count(), 1L);
            shared.setDesignDefinitionControl(control);
        }
        QCOMPARE(control.use_count(), 1L);
    }

    void category_rows()
    {
        Categories c;
        QSignalSpy modified(&c.model, &ProcPlanBaseQItemModel::sigPropGotModified);
        const QModelIndex cost = c.model.categoryIndex("CAT_Cost", "Cost");
        QCOMPARE(c.row("CAT_Time", "Time"), 1);
        QCOMPARE(cost.row(), 0);
        QCOMPARE(keyAt(cost), QStringLiteral("CAT_Cost"));
        QCOMPARE(cost.data(ReadOnlyRole).toBool(), true);
        QCOMPARE(cost.data(Qt::DisplayRole).toString(), QStringLiteral("Cost"));

        // The same key finds its row, which keeps its first label; keys match byte for byte.
        QCOMPARE(c.model.categoryIndex("CAT_Cost", "Kosten"), cost);
        QCOMPARE(cost.data(Qt::DisplayRole).toString(), QStringLiteral("Cost"));
        QCOMPARE(c.row("cat_cost"), 2);
        QCOMPARE(c.row("CAT_Cost "), 3);
        QCOMPARE(c.row(""), 4);
        QCOMPARE(c.row(""), 4);
        QCOMPARE(c.model.rowCount(), 5);
        QCOMPARE(modified.count(), 0);
    }

    void category_rows_follow_unannounced_changes_data()
    {
        QTest::addColumn<HostChange>("change");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("row"); // -1: a new last row
        const HostChange read = [](QStandardItemModel &m) { readInto(m.item(1), "X"); };
        const HostChange insert = [](QStandardItemModel &m) { m.insertRow(0, keyed("Z")); };
        const HostChange duplicate = [](QStandardItemModel &m) { m.appendRow(keyed("A")); };
        const HostChange remove = [](QStandardItemModel &m) { m.removeRow(0); };
        const auto renameRow = [](int row) {
            return HostChange([row](QStandardItemModel &m) {
                m.setData(m.index(row, 0), QStringLiteral("X"), ProcPlanBaseQItemModel::s_tsKeyRole);
            });
        };
        const HostChange move = [](QStandardItemModel &m) { m.insertRow(0, m.takeRow(2)); };
        const auto setItemData = [](int row, const QString &key) {
            return HostChange([row, key](QStandardItemModel &m) {
                m.setItemData(m.index(row, 0), {{ProcPlanBaseQItemModel::s_tsKeyRole, key}});
            });
        };
        const HostChange clearItemData = [](QStandardItemModel &m) { m.clearItemData(m.index(1, 0)); };
        const HostChange clearItem = [](QStandardItemModel &m) { m.item(1)->clearData(); };
        const HostChange hostRowToDuplicate = [](QStandardItemModel &m) {
            m.item(3)->setData(QStringLiteral("A"), ProcPlanBaseQItemModel::s_tsKeyRole);
        };
        const auto replaceRow = [](int row) {
            return HostChange([row](QStandardItemModel &m) { m.setItem(row, keyed("A")); });
        };
        const HostChange column = [](QStandardItemModel &m) { m.insertColumn(0); };
        const HostChange clear = [](QStandardItemModel &m) { m.clear(); };
        QTest::newRow("insert: row shifts") << insert << false << "C" << 3;
        QTest::newRow("removal: last key") << remove << false << "C" << 1;
        QTest::newRow("move") << move << false << "C" << 0;
        QTest::newRow("append: duplicate wins") << duplicate << false << "A" << 4;
        QTest::newRow("rename: new key") << renameRow(0) << false << "X" << 0;
        QTest::newRow("column in front of the keys") << column << false << "A" << -1;
        QTest::newRow("cleared") << clear << false << "A" << -1;
        QTest::newRow("read: new key found") << read << false << "X" << 1;
        QTest::newRow("read: old key gone") << read << false << "B" << -1;
        QTest::newRow("blocked insert: row shifts") << insert << true << "C" << 3;
        QTest::newRow("blocked insert: key found") << insert << true << "Z" << 0;
        QTest::newRow("blocked append: duplicate wins") << duplicate << true << "A" << 4;
        QTest::newRow("blocked removal: last key") << remove << true << "C" << 1;
        QTest::newRow("blocked removal: removed key") << remove << true << "A" << -1;
        QTest::newRow("blocked rename: new key") << renameRow(0) << true << "X" << 0;
        QTest::newRow("blocked rename: old key") << renameRow(0) << true << "A" << -1;
        QTest::newRow("blocked move") << move << true << "C" << 0;
        QTest::newRow("blocked move: a key moved down") << move << true << "A" << 1;
        QTest::newRow("blocked rename of a host row") << renameRow(3) << true << "H" << -1;
        QTest::newRow("blocked setItemData: new key") << setItemData(1, "X") << true << "X" << 1;
        QTest::newRow("blocked setItemData: old key") << setItemData(1, "X") << true << "B" << -1;
        QTest::newRow("blocked setItemData: duplicate") << setItemData(2, "A") << true << "A" << 2;
        QTest::newRow("clearItemData") << clearItemData << false << "B" << -1;
        QTest::newRow("clearData of the item") << clearItem << false << "B" << -1;
        QTest::newRow("blocked duplicate in a host row") << hostRowToDuplicate << true << "A" << 3;
        QTest::newRow("blocked host row replaced by a duplicate") << replaceRow(3) << true << "A" << 3;
        QTest::newRow("blocked own row replaced by a duplicate") << replaceRow(2) << true << "A" << 2;
    }

    void category_rows_follow_unannounced_changes()
    {
        QFETCH(HostChange, change);
        QFETCH(bool, blocked);
        QFETCH(QString, key);
        QFETCH(int, row);
        ProcPlanBaseQItemModel model; // no tester: it would object to the unannounced changes
        for (const char *existing : {"A", "B", "C"})
            model.categoryIndex(existing, {});
        model.item(1)->appendRow({new QStandardItem, new QStandardItem}); // rows below are no category
        model.appendRow(keyed("H"));
        model.categoryIndex("H", {});
        model.blockSignals(blocked);
        change(model);
        model.blockSignals(false);

        const int rows = model.rowCount();
        const QModelIndex found = model.categoryIndex(key.toStdString(), {});
        QCOMPARE(found.row(), row >= 0 ? row : rows);
        QCOMPARE(keyAt(found), key);
        QCOMPARE(model.rowCount(), row >= 0 ? rows : rows + 1);
    }

    void category_rows_read_afresh_after_a_reset()
    {
        // A host's model that rewrites rows quietly and then announces that everything changed.
        struct ReloadingModel : ProcPlanBaseQItemModel
        {
            void reload(const HostChange &change)
            {
                beginResetModel();
                blockSignals(true);
                change(*this);
                blockSignals(false);
                endResetModel();
            }
        };
        ReloadingModel model;
        model.categoryIndex("A", {});
        model.categoryIndex("B", {});
        model.reload([](QStandardItemModel &m) { m.item(0)->clearData(); });
        QCOMPARE(model.categoryIndex("A", {}).row(), 2);
    }

    void category_row_of_a_container()
    {
        CCAPIAccess::DataBaseControl db;
        db.setLabel("CAT_Cost", "Cost");
        CCAPIAccess::ProcessLayoutController controller(&db);
        Categories c;
        const auto row = [&](const std::string &category) {
            return c.model.categoryIndex(&controller, PropertySignalContainer::make(std::make_shared<CostPropertyDouble>(
                                                          LabelKey("P_" + category, category), 1.0)));
        };
        const QModelIndex cost = row("CAT_Cost");
        QCOMPARE(cost.data(Qt::DisplayRole).toString(), QStringLiteral("Cost"));
        QCOMPARE(keyAt(cost), QStringLiteral("CAT_Cost"));

        // Categories without a label are all "Unnamed Category", each under its own key.
        const QModelIndex unnamed = row("CAT_Y");
        QCOMPARE(unnamed.data(Qt::DisplayRole).toString(), QStringLiteral("Unnamed Category"));
        QCOMPARE(keyAt(unnamed), QStringLiteral("CAT_Y"));
        QCOMPARE(row("CAT_Z").row(), 2);
        QCOMPARE(row("CAT_Cost"), cost);
    }

    void label_cell_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QVariant>("tooltip");
        QTest::addColumn<QString>("translation"); // of " not editable"; none when null
        const QString thirty(30, QLatin1Char('x'));
        const QString thirtyOne(31, QLatin1Char('y'));
        const QString umlauts(16, QChar(0xe4)); // 32 bytes in 16 characters
        QTest::newRow("30 bytes, no tooltip") << thirty << true << false << QVariant() << QString();
        QTest::newRow("31 bytes, itself") << thirtyOne << true << true << QVariant(thirtyOne) << QString();
        QTest::newRow("bytes count, not characters") << umlauts << true << false << QVariant(umlauts) << QString();
        QTest::newRow("short, not editable") << "Rate" << false << true << QVariant(QStringLiteral("Rate not editable")) << QString();
        QTest::newRow("long, not editable") << thirtyOne << false << false << QVariant(thirtyOne + " not editable") << QString();
        QTest::newRow("not editable, translated") << "Rate" << false << true << QVariant(QStringLiteral("Rate nicht editierbar"))
                                                  << QStringLiteral(" nicht editierbar");
    }

    void label_cell()
    {
        QFETCH(QString, label);
        QFETCH(bool, editable);
        QFETCH(bool, marked);
        QFETCH(QString, translation);
        CCAPIAccess::DataBaseControl db;
        db.setLabel("P_Key", label.toStdString());
        Categories c;
        c.model.item(c.row("C"))->appendRow(new QStandardItem);
        const QModelIndex cell = c.model.index(0, 0, c.model.index(0, 0));
        const LabelKey labelKey = LabelKey("P_Key", "C").setEditable(editable);
        OneTextTranslator translator("Velmaris::ProcPlanBaseQItemModel", " not editable", translation);
        QCoreApplication::installTranslator(&translator);
        c.model.generateLabelQitem(&db, &labelKey, cell, marked);
        c.model.generateLabelQitem(&db, &labelKey, cell, false); // a mark stays once set

        QCOMPARE(cell.data(Qt::DisplayRole).toString(), label);
        QTEST(cell.data(Qt::ToolTipRole), "tooltip");
        QCOMPARE(cell.data(MarkedLabelRole), marked ? QVariant(true) : QVariant());
        QCOMPARE(cell.data(ReadOnlyRole), QVariant(true));
        QCOMPARE(c.model.getPropertyKeyAtIndex(cell), std::string("P_Key"));
        QCOMPARE(c.model.getPropertyParentIdAtIndex(cell), 0);
        c.model.generateLabelQitem(&db, &labelKey, QModelIndex(), true);
        QCOMPARE(c.model.rowCount(), 1);
        QCOMPARE(c.model.getPropertyKeyAtIndex(QModelIndex()), std::string());
    }
};

QTEST_MAIN(ModelStructureTest)
#include "ModelStructureTest.moc"
