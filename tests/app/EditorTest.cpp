#include "app/plan/PlanFile.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PropertyDelegate.h"

#include "model/PropertyRowWalk.h"

#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using namespace VelmarisEditor;

namespace {

const QByteArray s_plan = R"({
  "format": "velmaris-plan", "version": 1,
  "labels": {
    "en": {"OBJ_Op": "Operation", "CAT_Cost": "Cost", "OP_Rate": "Rate", "OP_Count": "Count",
           "OP_Mat": "Material", "MAT_A": "Steel", "MAT_B": "Aluminium", "OP_Flag": "Coolant",
           "OP_Note": "Note", "OP_Hidden": "Hidden"},
    "de": {"OP_Rate": "Satz", "CAT_Cost": "Kosten"}
  },
  "objects": [
    {"id": 10, "kind": "operation", "type": "OBJ_Op", "name": "Milling 10", "properties": [
      {"key": "OP_Rate", "category": "CAT_Cost", "kind": "double", "value": 100, "unit": "usd", "min": 0, "max": 1000, "position": 1},
      {"key": "OP_Count", "category": "CAT_Cost", "kind": "integer", "value": 3, "position": 2, "editable": false},
      {"key": "OP_Mat", "category": "CAT_Cost", "kind": "enum", "values": ["MAT_A", "MAT_B"], "value": "MAT_A", "position": 3},
      {"key": "OP_Flag", "category": "CAT_Cost", "kind": "boolean", "value": false, "position": 4},
      {"key": "OP_Note", "category": "CAT_Cost", "kind": "string", "value": "a<b>", "position": 5},
      {"key": "OP_Hidden", "category": "CAT_Cost", "kind": "string", "value": "x", "shown": false, "position": 6}
    ]},
    {"id": 20, "kind": "tool", "type": "OBJ_Tool", "name": "Drill", "properties": []}
  ]
})";

std::unique_ptr<PlanDocument> samplePlan()
{
    PlanError error;
    auto plan = parsePlan(s_plan, QStringLiteral("test plan"), &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

// The view's index of a property's value cell.
QModelIndex viewCell(MainWindow &window, const std::string &key)
{
    QModelIndex found;
    Velmaris::forEachPropertyRow(window.propertyModel(), [&](const QModelIndex &row) {
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        if (!found.isValid() && window.propertyModel().getPropertyKeyAtIndex(value) == key)
            found = window.filterModel().mapFromSource(value);
    });
    return found;
}

// Edits a cell the way a view does: the delegate's editor, then setModelData.
template <typename Editor, typename Set>
void editThroughDelegate(MainWindow &window, const std::string &key, Set set)
{
    QTreeView *view = window.propertyView();
    const QModelIndex cell = viewCell(window, key);
    auto *delegate = static_cast<PropertyDelegate *>(view->itemDelegate());
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), cell));
    auto *typed = qobject_cast<Editor *>(editor.get());
    QVERIFY(typed);
    delegate->setEditorData(typed, cell);
    set(*typed);
    delegate->setModelData(typed, view->model(), cell);
}

int propertyRows(MainWindow &window)
{
    int rows = 0;
    Velmaris::forEachPropertyRow(window.propertyModel(), [&rows](const QModelIndex &) { ++rows; });
    return rows;
}

QString editorBinary() { return QStringLiteral(VELMARIS_EDITOR_BINARY); }

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void filling_and_settings();
    void editing_with_undo();
    void save_and_reload();
    void command_line();
};

void EditorTest::filling_and_settings()
{
    MainWindow window(samplePlan(), nullptr, QString());
    QCOMPARE(propertyRows(window), 5);
    QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), 100.0);
    QCOMPARE(viewCell(window, "OP_Note").data(Qt::DisplayRole).toString(), QStringLiteral("a[b]"));
    QVERIFY(!viewCell(window, "OP_Hidden").isValid());

    QVERIFY(window.setCurrency(QStringLiteral("CHF")));
    QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), 95.0);
    QVERIFY(!window.setCurrency(QStringLiteral("XYZ")));

    window.setShowAllProperties(true);
    QCOMPARE(propertyRows(window), 6);
    window.setShowAllProperties(false);

    // The filter narrows the view by label; the model keeps every row.
    window.setFilterText(QStringLiteral("coo"));
    const QModelIndex category = window.filterModel().index(0, 0);
    QCOMPARE(window.filterModel().rowCount(category), 1);
    QCOMPARE(propertyRows(window), 5);

    QVERIFY(window.selectObject(20));
    QCOMPARE(propertyRows(window), 0);
    QVERIFY(!window.selectObject(99));
}

void EditorTest::editing_with_undo()
{
    MainWindow window(samplePlan(), nullptr, QString());
    auto *rate = dynamic_cast<CCAPIBaseCommon::CostPropertyDouble *>(window.plan().property(10, "OP_Rate"));
    editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) {
        QCOMPARE(spin.maximum(), 1000.0);
        QCOMPARE(spin.suffix(), QStringLiteral(" EUR"));
        spin.setValue(120.0);
    });
    QCOMPARE(window.undoStack().count(), 1);
    QCOMPARE(window.undoStack().text(0), QStringLiteral("Change Rate of Milling 10 to 120 EUR"));
    QCOMPARE(rate->getDoubleValue(), 120.0);
    QCOMPARE(viewCell(window, "OP_Rate").data(Velmaris::StateFlagsRole).toInt(), int(Velmaris::ChangedFlag));

    editThroughDelegate<QComboBox>(window, "OP_Mat", [](QComboBox &combo) { combo.setCurrentText(QStringLiteral("Aluminium")); });
    auto *material = dynamic_cast<CCAPIBaseCommon::CostPropertyEnum *>(window.plan().property(10, "OP_Mat"));
    QCOMPARE(material->getIndexValue(), 1);

    // Undo and redo go through the plan and show up in the view.
    window.undoStack().undo();
    QCOMPARE(material->getIndexValue(), 0);
    QCOMPARE(viewCell(window, "OP_Mat").data(Qt::DisplayRole).toString(), QStringLiteral("Steel"));
    window.undoStack().undo();
    QCOMPARE(rate->getDoubleValue(), 100.0);
    QCOMPARE(viewCell(window, "OP_Rate").data(Velmaris::StateFlagsRole).toInt(), 0);
    window.undoStack().redo();
    QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), 120.0);

    // Read-only cells open no editor; an unchanged value makes no command.
    auto *delegate = window.propertyView()->itemDelegate();
    QVERIFY(!delegate->createEditor(window.propertyView()->viewport(), QStyleOptionViewItem(), viewCell(window, "OP_Count")));
    editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &) {});
    QCOMPARE(window.undoStack().index(), 1);

    // Set to automatic returns to the plan's value.
    window.propertyView()->setCurrentIndex(viewCell(window, "OP_Rate"));
    const QList<QAction *> actions = window.propertyView()->actions();
    QCOMPARE(actions.size(), 1);
    actions.front()->trigger();
    QCOMPARE(rate->getDoubleValue(), 100.0);
    QVERIFY(!rate->isModified());
    QCOMPARE(window.undoStack().index(), 2);
    QCOMPARE(window.undoStack().text(1), QStringLiteral("Set Rate to automatic"));
}

void EditorTest::save_and_reload()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.json"));
    MainWindow window(samplePlan(), nullptr, path);
    editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) { spin.setValue(321.5); });
    QVERIFY(window.saveTo(path));
    QVERIFY(window.undoStack().isClean());

    PlanError error;
    const auto reloaded = loadPlan(path, &error);
    QVERIFY2(reloaded, qPrintable(error.message()));
    auto *rate = dynamic_cast<CCAPIBaseCommon::CostPropertyDouble *>(reloaded->property(10, "OP_Rate"));
    QCOMPARE(rate->getDoubleValue(), 321.5);
    QVERIFY(rate->isModified());
    QCOMPARE(rate->automaticState().value, CCAPIBaseCommon::PropertyValue(100.0));
}

void EditorTest::command_line()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.json"));
    const QString bad = dir.filePath(QStringLiteral("bad.json"));
    {
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(s_plan);
        QFile broken(bad);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(s_plan.left(200));
    }
    const auto run = [](const QStringList &arguments) {
        QProcess process;
        process.start(editorBinary(), arguments);
        process.waitForFinished(30000);
        return std::make_tuple(process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                               QString::fromUtf8(process.readAllStandardError()));
    };

    const auto [dumpCode, dumpOut, dumpErr] = run({QStringLiteral("--plan"), good, QStringLiteral("--dump")});
    QCOMPARE(dumpCode, 0);
    QVERIFY2(dumpOut.contains(QStringLiteral("  Rate = 100")), qPrintable(dumpOut + dumpErr));
    QVERIFY(dumpOut.contains(QStringLiteral("  Count = 3 (read-only)")));
    QVERIFY(dumpOut.startsWith(QStringLiteral("Cost\n")));

    const auto [deCode, deOut, deErr] = run({QStringLiteral("--plan"), good, QStringLiteral("--dump"),
                                             QStringLiteral("--lang"), QStringLiteral("de"),
                                             QStringLiteral("--currency"), QStringLiteral("CHF")});
    QCOMPARE(deCode, 0);
    QVERIFY2(deOut.contains(QStringLiteral("  Satz = 95")), qPrintable(deOut + deErr));

    const auto [badCode, badOut, badErr] = run({QStringLiteral("--plan"), bad, QStringLiteral("--dump")});
    QCOMPARE(badCode, 2);
    QVERIFY(badErr.contains(bad));
    QVERIFY(badOut.isEmpty());
    QCOMPARE(std::get<0>(run({QStringLiteral("--plan"), good, QStringLiteral("--select"), QStringLiteral("7"),
                              QStringLiteral("--dump")})),
             2);

    const QString png = dir.filePath(QStringLiteral("shot.png"));
    const auto [shotCode, shotOut, shotErr] = run({QStringLiteral("--screenshot"), png, QStringLiteral("--compare")});
    QVERIFY2(shotCode == 0, qPrintable(shotErr));
    const QImage shot(png);
    QVERIFY(shot.width() > 400 && shot.height() > 300);
}

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
