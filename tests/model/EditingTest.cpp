#include "support/PropertyRows.h"

#include <QDate>
#include <QSignalSpy>

class EditingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void edits_are_cleaned_and_signalled_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("before");
        QTest::addColumn<QVariant>("entered");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("signalled");
        const QVariant empty(QStringLiteral(""));
        QTest::newRow("spaces onto empty") << int(Qt::EditRole) << empty << QVariant(QStringLiteral("   ")) << empty << false;
        QTest::newRow("text") << int(Qt::EditRole) << empty << QVariant(QStringLiteral("text")) << QVariant(QStringLiteral("text")) << true;
        QTest::newRow("blanks and tab clear text") << int(Qt::EditRole) << QVariant(QStringLiteral("text"))
                                                   << QVariant(QStringLiteral(" \t ")) << empty << true;
        QTest::newRow("inner blanks stay") << int(Qt::EditRole) << empty << QVariant(QStringLiteral(" a ")) << QVariant(QStringLiteral(" a ")) << true;
        QTest::newRow("same number") << int(Qt::EditRole) << QVariant(2.5) << QVariant(2.5) << QVariant(2.5) << false;
        QTest::newRow("other type") << int(Qt::EditRole) << QVariant(2.5) << QVariant(true) << QVariant(true) << true;
        // The old value converts to the entered one's type: 5 equals "5", in Qt 6 as in Qt 5.
        QTest::newRow("converted equal") << int(Qt::EditRole) << QVariant(5) << QVariant(QStringLiteral("5")) << QVariant(QStringLiteral("5")) << false;
        QTest::newRow("flag as its text") << int(Qt::EditRole) << QVariant(true) << QVariant(QStringLiteral("true")) << QVariant(QStringLiteral("true")) << false;
        QTest::newRow("number over its text") << int(Qt::EditRole) << QVariant(QStringLiteral("7")) << QVariant(7) << QVariant(7) << false;
        QTest::newRow("whole over decimal") << int(Qt::EditRole) << QVariant(2.0) << QVariant(2) << QVariant(2) << false;
        QTest::newRow("converted unequal") << int(Qt::EditRole) << QVariant(3) << QVariant(QStringLiteral("3.5")) << QVariant(QStringLiteral("3.5")) << true;
        QTest::newRow("conversion fails") << int(Qt::EditRole) << QVariant(QStringLiteral("abc")) << QVariant(3) << QVariant(3) << true;
        // Where Qt 6's own == differs: it no longer converts text and bytes or dates, and compares
        // a number's text as a number.
        QTest::newRow("text over its bytes") << int(Qt::EditRole) << QVariant(QByteArray("x")) << QVariant(QStringLiteral("x")) << QVariant(QStringLiteral("x")) << false;
        QTest::newRow("text over its date") << int(Qt::EditRole) << QVariant(QDate(2026, 12, 8)) << QVariant(QStringLiteral("2026-12-08"))
                                            << QVariant(QStringLiteral("2026-12-08")) << false;
        QTest::newRow("decimals written out") << int(Qt::EditRole) << QVariant(2.5) << QVariant(QStringLiteral("2.50")) << QVariant(QStringLiteral("2.50")) << true;
        QTest::newRow("nothing over text") << int(Qt::EditRole) << QVariant(QStringLiteral("x")) << QVariant() << QVariant() << true;
        QTest::newRow("tooltip cleaned, not signalled") << int(Qt::ToolTipRole) << QVariant(QStringLiteral("x"))
                                                        << QVariant(QStringLiteral("  ")) << empty << false;
        QTest::newRow("display role not signalled") << int(Qt::DisplayRole) << empty << QVariant(QStringLiteral("shown"))
                                                    << QVariant(QStringLiteral("shown")) << false;
    }

    void edits_are_cleaned_and_signalled()
    {
        QFETCH(int, role);
        QFETCH(QVariant, before);
        QFETCH(QVariant, entered);
        QFETCH(QVariant, stored);
        QFETCH(bool, signalled);
        PropertyRows rows;
        const QModelIndex cell = rows.addRow();
        rows.model.setDataQuietly(cell, before, role);
        QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);

        QVERIFY(rows.model.setData(cell, entered, role));
        const QVariant now = cell.data(role);
        QCOMPARE(now.userType(), stored.userType());
        QCOMPARE(now, stored);
        QCOMPARE(modified.count(), signalled ? 1 : 0);
        if (signalled)
            QCOMPARE(modified.first().first().toModelIndex(), cell);
    }

    void quiet_storage_and_invalid_cells()
    {
        PropertyRows rows;
        QSignalSpy modified(&rows.model, &ProcPlanBaseQItemModel::sigPropGotModified);
        QSignalSpy changed(&rows.model, &QAbstractItemModel::dataChanged);
        const QModelIndex cell = rows.addRow();
        QVERIFY(rows.model.setDataQuietly(cell, QStringLiteral("   ")));
        QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("   "));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(modified.count(), 0);

        // An invalid cell stores nothing, yet a different edit value is still reported.
        QVERIFY(!rows.model.setData(QModelIndex(), QStringLiteral("x")));
        QCOMPARE(modified.count(), 1);
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
