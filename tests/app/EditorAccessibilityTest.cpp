#include "EditorRun.h"

#include "app/ui/MainWindow.h"

#include <velmaris/host/property/BaseProperty.h>

#include <QAccessible>
#include <QTreeView>
#include <QtTest>

using namespace VelmarisEditor;

namespace {

const QString s_plan = QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/editor-plan.json");

// The cell a screen reader announces under the label, found as a reader finds it.
QAccessibleInterface *announced(QTreeView *view, const QString &label)
{
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < tree->childCount(); ++i) {
        QAccessibleInterface *cell = tree->child(i);
        if (cell->role() == QAccessible::Cell && cell->text(QAccessible::Name).startsWith(label + QLatin1String(": ")))
            return cell;
    }
    return nullptr;
}

} // namespace

class EditorAccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_set_by_a_screen_reader_are_undoable_data()
    {
        QTest::addColumn<bool>("throughEditor"); // else through the cell's own value

        QTest::newRow("the cell") << false;
        QTest::newRow("the open editor") << true;
    }

    void values_set_by_a_screen_reader_are_undoable()
    {
        QFETCH(bool, throughEditor);
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTreeView *view = window.propertyView();
        QAccessibleInterface *rate = announced(view, QStringLiteral("Rate"));
        QVERIFY(rate);
        QCOMPARE(rate->text(QAccessible::Name), QStringLiteral("Rate: 100.00 EUR"));
        if (throughEditor) {
            rate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(rate->childCount(), 1);
            QAccessibleInterface *editor = rate->child(0);
            QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Rate"));
            editor->valueInterface()->setCurrentValue(120.0);
            QTest::keyClick(static_cast<QWidget *>(editor->object()), Qt::Key_Return);
        } else {
            rate->valueInterface()->setCurrentValue(120.0);
        }
        QTRY_COMPARE(window.undoStack().count(), 1);
        QCOMPARE(window.undoStack().text(0), QStringLiteral("Change Rate of Milling 10 to 120 EUR"));
        rate = announced(view, QStringLiteral("Rate"));
        QCOMPARE(rate->text(QAccessible::Name), QStringLiteral("Rate: 120.00 EUR"));
        QCOMPARE(rate->text(QAccessible::Description), QStringLiteral("changed"));

        window.undoStack().undo();
        QCOMPARE(std::get<double>(window.plan().property(10, "OP_Rate")->value()), 100.0);
        rate = announced(view, QStringLiteral("Rate"));
        QCOMPARE(rate->text(QAccessible::Name), QStringLiteral("Rate: 100.00 EUR"));
        QCOMPARE(rate->text(QAccessible::Description), QStringLiteral("automatic"));
    }
};

QTEST_MAIN(EditorAccessibilityTest)
#include "EditorAccessibilityTest.moc"
