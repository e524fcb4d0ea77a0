#include "EditorCells.h"
#include "EditorRun.h"

#include "app/plan/PlanFile.h"

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/PropertyRowWalk.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListView>
#include <QStatusBar>

using namespace VelmarisEditor;

namespace {

// Three milling operations sharing a rate, a material and a flag, the third also with a note;
// and a tool that shares nothing with them.
const char *const s_plan = R"({"format":"velmaris-plan","version":1,
  "labels":{"en":{"OP_Rate":"Rate","OP_Mat":"Material","OP_Flag":"Coolant","OP_Note":"Note","MAT_A":"Steel","MAT_B":"Aluminium"}},
  "objects":[
    {"id":10,"kind":"operation","type":"OP","name":"Milling 10","properties":[
      {"key":"OP_Rate","category":"C","kind":"double","unit":"usd","min":0,"max":1000,"value":100,"position":1},
      {"key":"OP_Mat","category":"C","kind":"enum","values":["MAT_A","MAT_B"],"value":"MAT_A","position":2},
      {"key":"OP_Flag","category":"C","kind":"boolean","value":true,"position":3}]},
    {"id":20,"kind":"operation","type":"OP","name":"Milling 20","properties":[
      {"key":"OP_Rate","category":"C","kind":"double","unit":"usd","min":0,"max":1000,"value":80,"position":1},
      {"key":"OP_Mat","category":"C","kind":"enum","values":["MAT_B","MAT_A"],"value":"MAT_A","position":2},
      {"key":"OP_Flag","category":"C","kind":"boolean","value":true,"automatic":false,"position":3}]},
    {"id":30,"kind":"operation","type":"OP","name":"Milling 30","properties":[
      {"key":"OP_Rate","category":"C","kind":"double","unit":"usd","min":0,"max":1000,"value":100,"position":1},
      {"key":"OP_Note","category":"C","kind":"string","value":"x","position":4}]},
    {"id":40,"kind":"tool","type":"T","name":"Drill","properties":[
      {"key":"T_Length","category":"C","kind":"double","unit":"mm","value":80,"position":1}]}]})";

std::unique_ptr<MainWindow> editorOnPlan()
{
    PlanError error;
    auto plan = parsePlan(s_plan, QStringLiteral("selection test"), &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return std::make_unique<MainWindow>(untitled(std::move(plan)), nullptr);
}

QStringList shownKeys(MainWindow &window)
{
    QStringList keys;
    Velmaris::forEachPropertyRow(window.propertyModel(), [&](const QModelIndex &row) {
        keys << QString::fromStdString(window.propertyModel().getPropertyKeyAtIndex(row.siblingAtColumn(1)));
    });
    return keys;
}

double rateOf(MainWindow &window, int objectId)
{
    return std::get<double>(window.plan().property(objectId, "OP_Rate")->value());
}

QStringList selectedNames(MainWindow &window)
{
    QStringList names;
    for (const QModelIndex &row : window.objectList()->selectionModel()->selectedRows())
        names << row.data().toString();
    names.sort();
    return names;
}

} // namespace

class EditorSelectionTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shared_rows_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("rateMixed");
        QTest::newRow("one") << QList<int>{30} << QStringList{"OP_Rate", "OP_Note"} << false;
        QTest::newRow("two alike") << QList<int>{20, 10} << QStringList{"OP_Rate", "OP_Mat", "OP_Flag"} << true;
        QTest::newRow("all") << QList<int>{10, 20, 30} << QStringList{"OP_Rate"} << true;
        QTest::newRow("same rate") << QList<int>{10, 30} << QStringList{"OP_Rate"} << false;
    }
    void shared_rows()
    {
        QFETCH(QList<int>, ids);
        QFETCH(QStringList, keys);
        QFETCH(bool, rateMixed);
        const auto window = editorOnPlan();
        QVERIFY(window->selectObjects(std::vector<int>(ids.begin(), ids.end())));
        QCOMPARE(shownKeys(*window), keys);
        const QModelIndex rate = viewCell(*window, "OP_Rate");
        QCOMPARE(rate.data(Velmaris::MixedValueRole).toBool(), rateMixed);
        QCOMPARE(selectedNames(*window).size(), ids.size());
        // The title and the status bar count the objects chosen together.
        const QString counted = QStringLiteral("%1 objects").arg(ids.size());
        QCOMPARE(window->windowTitle().contains(counted), ids.size() > 1);
        bool inStatus = false;
        for (const QLabel *label : window->statusBar()->findChildren<QLabel *>())
            inStatus = inStatus || label->text() == counted + QStringLiteral(" selected");
        QCOMPARE(inStatus, ids.size() > 1);
    }

    void unknown_ids_change_nothing()
    {
        const auto window = editorOnPlan();
        QVERIFY(window->selectObjects({10, 20}));
        QVERIFY(!window->selectObjects({10, 99}));
        QVERIFY(!window->selectObjects({}));
        QCOMPARE(window->selectedObjects(), (std::vector<int>{10, 20}));
    }

    // The list chooses as a user does: a row, then Ctrl+click on others.
    void list_selection_chooses_the_objects()
    {
        const auto window = editorOnPlan();
        QItemSelectionModel *selection = window->objectList()->selectionModel();
        const QAbstractItemModel *list = window->objectList()->model();
        selection->select(list->index(2, 0), QItemSelectionModel::Select);
        QCOMPARE(window->selectedObjects(), (std::vector<int>{10, 30}));
        selection->select(list->index(0, 0), QItemSelectionModel::Deselect);
        QCOMPARE(window->selectedObjects(), std::vector<int>());
        QCOMPARE(shownKeys(*window), (QStringList{"OP_Rate", "OP_Note"}));
        window->objectList()->selectAll();
        QCOMPARE(window->selectedObjects(), (std::vector<int>{10, 20, 30, 40}));
        // Nothing shared: the status bar says why the view is empty.
        QCOMPARE(shownKeys(*window), QStringList());
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("The 4 chosen objects share no property"));
    }

    // One edit goes to every object as one step of the history; undo gives each its own value
    // back and chooses the same objects again.
    void one_edit_for_all_and_undo()
    {
        const auto window = editorOnPlan();
        QVERIFY(window->selectObjects({10, 20}));
        editThroughDelegate<QDoubleSpinBox>(*window, "OP_Rate", [](QDoubleSpinBox &spin) {
            QCOMPARE(spin.cleanText(), QString());
            spin.setValue(120.0);
        });
        QCOMPARE(window->undoStack().count(), 1);
        QCOMPARE(window->undoStack().text(0), QStringLiteral("Change Rate of 2 objects to 120 EUR"));
        QCOMPARE(rateOf(*window, 10), 120.0);
        QCOMPARE(rateOf(*window, 20), 120.0);
        QCOMPARE(rateOf(*window, 30), 100.0);
        QCOMPARE(viewCell(*window, "OP_Rate").data(Velmaris::MixedValueRole).toBool(), false);
        QCOMPARE(viewCell(*window, "OP_Rate").data(Qt::EditRole).toDouble(), 120.0);

        editThroughDelegate<QComboBox>(*window, "OP_Mat", [](QComboBox &combo) { combo.setCurrentText(QStringLiteral("Aluminium")); });
        // Each object stores the chosen key at its own place in its list.
        QCOMPARE(std::get<int>(window->plan().property(10, "OP_Mat")->value()), 1);
        QCOMPARE(std::get<int>(window->plan().property(20, "OP_Mat")->value()), 0);

        window->selectObject(30);
        window->undoStack().undo();
        window->undoStack().undo();
        QCOMPARE(rateOf(*window, 10), 100.0);
        QCOMPARE(rateOf(*window, 20), 80.0);
        QCOMPARE(window->selectedObjects(), (std::vector<int>{10, 20}));
        QCOMPARE(selectedNames(*window), (QStringList{"Milling 10", "Milling 20"}));
        QVERIFY(viewCell(*window, "OP_Rate").data(Velmaris::MixedValueRole).toBool());
        QCOMPARE(window->propertyView()->currentIndex(), viewCell(*window, "OP_Rate"));

        window->undoStack().redo();
        QCOMPARE(rateOf(*window, 20), 120.0);
        QVERIFY(window->isWindowModified());
    }

    void set_all_to_automatic()
    {
        const auto window = editorOnPlan();
        QVERIFY(window->selectObjects({10, 20}));
        window->propertyView()->setCurrentIndex(viewCell(*window, "OP_Flag"));
        // Object 20's flag is not automatic; object 10's is.
        QVERIFY(window->toAutomaticAction()->isEnabled());
        window->toAutomaticAction()->trigger();
        QCOMPARE(window->undoStack().text(0), QStringLiteral("Set Coolant of 2 objects to automatic"));
        QCOMPARE(std::get<bool>(window->plan().property(20, "OP_Flag")->value()), false);
        QCOMPARE(std::get<bool>(window->plan().property(10, "OP_Flag")->value()), true);
        QVERIFY(!window->toAutomaticAction()->isEnabled());
        window->undoStack().undo();
        QCOMPARE(std::get<bool>(window->plan().property(20, "OP_Flag")->value()), true);
    }
};

QTEST_MAIN(EditorSelectionTest)
#include "EditorSelectionTest.moc"
