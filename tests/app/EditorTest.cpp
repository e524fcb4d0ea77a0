#include "EditorRun.h"

#include "app/plan/PlanFile.h"
#include "app/ui/MainWindow.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <velmaris/model/PropertyRowWalk.h>

#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/property/ScalarProperties.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using namespace VelmarisEditor;

namespace {

const QString s_plan = QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/editor-plan.json");

std::unique_ptr<PlanDocument> samplePlan()
{
    PlanError error;
    auto plan = loadPlan(s_plan, &error);
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
    auto *delegate = static_cast<Velmaris::PropertyItemDelegate *>(view->itemDelegate());
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

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void filling_and_settings()
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

    void editing_with_undo()
    {
        MainWindow window(samplePlan(), nullptr, QString());
        auto *rate = dynamic_cast<CCAPIBaseCommon::CostPropertyDouble *>(window.plan().property(10, "OP_Rate"));
        editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) {
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

    void save_and_reload()
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

    void command_line()
    {
        QTemporaryDir dir;
        const QString &good = s_plan;
        const auto [dumpEnded, dumpCode, dumpOut, dumpErr] =
            runEditor({QStringLiteral("--plan"), good, QStringLiteral("--dump")});
        QCOMPARE(dumpCode, 0);
        QVERIFY2(dumpOut.contains(QStringLiteral("  Rate = 100")), qPrintable(dumpOut + dumpErr));
        QVERIFY(dumpOut.contains(QStringLiteral("  Count = 3 (read-only)")));
        QVERIFY(dumpOut.startsWith(QStringLiteral("Cost\n")));

        const auto [deEnded, deCode, deOut, deErr] =
            runEditor({QStringLiteral("--plan"), good, QStringLiteral("--dump"), QStringLiteral("--lang"), QStringLiteral("de"),
                       QStringLiteral("--currency"), QStringLiteral("CHF")});
        QCOMPARE(deCode, 0);
        QVERIFY2(deOut.contains(QStringLiteral("  Satz = 95")), qPrintable(deOut + deErr));

        QCOMPARE(runEditor({QStringLiteral("--plan"), good, QStringLiteral("--select"), QStringLiteral("7"),
                            QStringLiteral("--dump")}).exitCode,
                 2);

        const QString png = dir.filePath(QStringLiteral("shot.png"));
        const auto [shotEnded, shotCode, shotOut, shotErr] =
            runEditor({QStringLiteral("--screenshot"), png, QStringLiteral("--compare")});
        QVERIFY2(shotCode == 0, qPrintable(shotErr));
        const QImage shot(png);
        QVERIFY(shot.width() > 400 && shot.height() > 300);
    }

    void tab_order()
    {
        MainWindow window(samplePlan(), nullptr, QString());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QListWidget *>()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.propertyView());
        // The first value cell, not the category row above it.
        QCOMPARE(window.propertyView()->currentIndex(), viewCell(window, "OP_Rate"));
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
