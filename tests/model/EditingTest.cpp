#include "support/ModelTestAccess.h"
#include "support/PropertyRows.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Velmaris;

class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void edits_are_cleaned_and_signalled();
    void quiet_storage_and_wide_flag();
};

void EditingTest::edits_are_cleaned_and_signalled()
{
    PropertyRows rows;
    QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
    const QModelIndex cell = rows.addRow();

    // Only spaces: stored empty; a signal only when that changes the value.
    rows.model.setDataQuietly(cell, QStringLiteral(""), Qt::EditRole);
    QVERIFY(rows.model.setData(cell, QStringLiteral("   ")));
    QCOMPARE(cell.data(Qt::EditRole), QVariant(QStringLiteral("")));
    QCOMPARE(modified.count(), 0);
    rows.model.setData(cell, QStringLiteral("text"));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.last().first().toModelIndex(), cell);
    rows.model.setData(cell, QStringLiteral(" \t "));
    QCOMPARE(cell.data(Qt::EditRole).toString(), QString());
    QCOMPARE(modified.count(), 2);

    // Same value again: nothing. Values of other types are stored as they are.
    rows.model.setData(cell, 2.5);
    rows.model.setData(cell, 2.5);
    QCOMPARE(modified.count(), 3);
    QCOMPARE(cell.data(Qt::EditRole).userType(), int(QMetaType::Double));
    rows.model.setData(cell, true);
    QCOMPARE(cell.data(Qt::EditRole).userType(), int(QMetaType::Bool));
    QCOMPARE(modified.count(), 4);

    // Qt 5 equality converts the old value to the new one's type: 5 equals "5".
    rows.model.setData(cell, 5);
    QCOMPARE(modified.count(), 5);
    rows.model.setData(cell, QStringLiteral("5"));
    QCOMPARE(modified.count(), 5);
    QCOMPARE(cell.data(Qt::EditRole).userType(), int(QMetaType::QString));

    // Other roles are cleaned too, but never signalled; the display role shares the edit slot.
    QVERIFY(rows.model.setData(cell, QStringLiteral("  "), Qt::ToolTipRole));
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QString());
    rows.model.setData(cell, QStringLiteral("shown"), Qt::DisplayRole);
    QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("shown"));
    QCOMPARE(modified.count(), 5);

    // An invalid cell stores nothing, yet a different edit value is still reported.
    QVERIFY(!rows.model.setData(QModelIndex(), QStringLiteral("x")));
    QCOMPARE(modified.count(), 6);
}

void EditingTest::quiet_storage_and_wide_flag()
{
    PropertyRows rows;
    QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
    QSignalSpy changed(&rows.model, &QAbstractItemModel::dataChanged);
    const QModelIndex cell = rows.addRow();
    QVERIFY(rows.model.setDataQuietly(cell, QStringLiteral("   ")));
    QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("   "));
    QCOMPARE(modified.count(), 0);
    QCOMPARE(changed.count(), 1);

    ProcPlanBaseQItemModelTestAccess::setSpinBoxRole(rows.model, cell, 89);
    QCOMPARE(cell.data(WideExpressionRole), QVariant(false));
    ProcPlanBaseQItemModelTestAccess::setSpinBoxRole(rows.model, cell, 90);
    QCOMPARE(cell.data(WideExpressionRole), QVariant(true));
    QCOMPARE(modified.count(), 0);
}

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
