#include "support/ShownPropertyView.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <QComboBox>
#include <QLabel>
#include <QToolTip>

class PropertyItemDelegateTest : public QObject
{
    Q_OBJECT

private slots:
    void keyboard_editing_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing may be written
        QTest::addColumn<bool>("open");       // the editor is still open at the end

        const QVariant none;
        QTest::newRow("untouched outside the range") << number(12.5, 0, 10, 2, "min") << s_english << "F2 Return" << none << false;
        QTest::newRow("untouched price") << number(61.655, 0, 1e6, 2, "CHF") << s_english << "Return Return" << none << false;
        QTest::newRow("untouched nine digits") << number(98765432.1, -1e12, 1e12, 2) << s_english << "F2 Tab" << none << false;
        QTest::newRow("untouched decimals") << number(51.5789, 0, 100, 2) << s_german << "F2 Enter" << none << false;
        QTest::newRow("untouched no value") << number(QString(), 0, 100, 2) << s_english << "F2 Return" << none << false;
        QTest::newRow("untouched choice") << s_choice << s_english << "F2 Return" << none << false;
        QTest::newRow("untouched text") << s_text << s_english << "Return Tab" << none << false;
        QTest::newRow("untouched lines") << s_lines << s_english << "F2 Ctrl+Return" << none << false;
        QTest::newRow("typing replaces") << number(5.0, 0, 100, 2) << s_english << "'7 Return" << QVariant(7.0) << false;
        QTest::newRow("German comma") << number(5.0, 0, 100, 2) << s_german << "'97,5 Return" << QVariant(97.5) << false;
        QTest::newRow("German grouping") << number(5.0, 0, 1e6, 2) << s_german << "'1.234,5 Tab" << QVariant(1234.5) << false;
        QTest::newRow("integer") << number(3, 0, 100, 0) << s_english << "'42 Return" << QVariant(42) << false;
        QTest::newRow("arrow steps from the value") << number(5.0, 0, 100, 2) << s_english << "F2 Up Return" << QVariant(6.0) << false;
        QTest::newRow("above the maximum") << number(5.0, 0, 10, 2) << s_english << "'50 Return Tab" << none << true;
        QTest::newRow("escape") << number(5.0, 0, 10, 2) << s_english << "'6 Escape" << none << false;
        QTest::newRow("line break, Tab leaves") << s_lines << s_english << "Return Ctrl+End Return 'c Tab" << QVariant("a\nb\nc") << false;
        QTest::newRow("Ctrl+Enter commits") << s_lines << s_english << "F2 'c Ctrl+Return" << QVariant("c") << false;
        QTest::newRow("Space toggles") << s_flag << s_english << "Space" << QVariant(true) << false;
        QTest::newRow("read-only") << Roles{{Qt::EditRole, false}, {BooleanEditorRole, true}, {ReadOnlyRole, true}} << s_english
                                   << "Space F2" << none << false;
    }

    void keyboard_editing()
    {
        QFETCH(Roles, roles);
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QVariant, stored);
        QFETCH(bool, open);
        ShownView shown(roles, locale);
        shown.press(keys);
        QTRY_COMPARE(shown.editor() != nullptr, open);
        if (stored.isValid())
            QCOMPARE(shown.cell.data(Qt::EditRole), stored);
        else
            QCOMPARE(shown.model.writes, 0);
        if (!open)
            return;
        QVERIFY(shown.editor()->toolTip().contains(QStringLiteral("outside the allowed range 0.00 – 10.00")));
        const QLabel *hint = shown.editor()->findChildren<QLabel *>().constFirst();
        QCOMPARE(hint->text(), QStringLiteral("0.00 – 10.00"));
        QCOMPARE(hint->palette().color(hint->foregroundRole()), QColor(200, 0, 0));
    }

    void cell_shows_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip"); // of a cell marked for attention; empty: no mark

        const double high = std::numeric_limits<double>::max();
        QTest::newRow("nine digits") << number(98765432.1, 0, high, 2) << s_english << "98,765,432.10" << "";
        QTest::newRow("fifteen digits") << number(123456789012345.0, 0, high, 0) << s_english << "123,456,789,012,345" << "";
        QTest::newRow("price decimals") << number(64.9, 0, 1e6, 2, "EUR") << s_german << "64,90 EUR" << "";
        QTest::newRow("German grouping, fifteen digits") << number(1234.56789012345, 0, 1e6, -1) << s_german << "1.234,56789012345" << "";
        QTest::newRow("shortest") << number(0.1 + 0.2, 0, 1, -1) << s_english << "0.3" << "";
        QTest::newRow("check box") << s_flag << s_english << "No" << "";
        QTest::newRow("no value") << number(QString(), 0, 10, 0, "kg") << s_english << "" << "No value";
        QTest::newRow("outside") << number(12, 0, 10, 0) << s_english << "12" << "Outside 0 – 10";
        QTest::newRow("clipped") << number(10, 0, 10, 0) << s_english << "10" << "Clipped to the range 0 – 10";
        Roles compared = number(QString(), 0, 10, 0);
        compared.insert(Qt::ToolTipRole, QStringLiteral("Reference: 4"));
        QTest::newRow("with the reference") << compared << s_english << "" << "Reference: 4\nNo value";
    }

    void cell_shows()
    {
        QFETCH(Roles, roles);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        roles.insert(StateFlagsRole, tooltip.isEmpty() ? 0 : int(AttentionFlag));
        ShownView shown(roles);
        locale.setNumberOptions(QLocale::OmitGroupSeparator); // as views hand it over
        QCOMPARE(PropertyItemDelegate().cellText(shown.cell, locale), text);
        const QPoint at = shown.view.visualRect(shown.cell).center();
        QHelpEvent help(QEvent::ToolTip, at, shown.view.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(shown.view.viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), tooltip);
    }

    void current_cell_stays_on_values()
    {
        ShownView shown(s_text);
        shown.view.setCurrentIndex(shown.cell.siblingAtColumn(0));
        QCOMPARE(shown.view.currentIndex(), shown.cell);
        shown.press(QStringLiteral("Left"));
        QCOMPARE(shown.view.currentIndex(), shown.cell);
        shown.press(QStringLiteral("Down"));
        QCOMPARE(shown.view.currentIndex(), shown.nextCell);
        shown.press(QStringLiteral("Up"));
        QCOMPARE(shown.view.currentIndex(), shown.cell);
        shown.press(QStringLiteral("End"));
        QCOMPARE(shown.view.currentIndex(), shown.nextCell);
        shown.press(QStringLiteral("Home"));
        QCOMPARE(shown.view.currentIndex(), shown.cell);
        // Tab commits and goes on editing the next value, past the category row between them.
        shown.press(QStringLiteral("F2 'z Tab"));
        QCOMPARE(shown.cell.data(), QVariant("z"));
        QVERIFY(shown.view.indexWidget(shown.nextCell));
    }

    void clicks_lists_and_growing_text()
    {
        ShownView flag(s_flag);
        const QRect rect = flag.view.visualRect(flag.cell);
        QTest::mouseClick(flag.view.viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 8, rect.center().y()));
        QCOMPARE(flag.cell.data(Qt::EditRole), QVariant(true));
        QVERIFY(!flag.editor());

        for (const QString &keys : {QStringLiteral("F4"), QStringLiteral("Alt+Down")}) {
            ShownView choice(s_choice);
            choice.press(keys);
            auto *combo = qobject_cast<QComboBox *>(choice.editor());
            QVERIFY(combo);
            QTRY_VERIFY(combo->view()->isVisible());
            QCOMPARE(combo->currentText(), QStringLiteral("B"));
        }

        ShownView lines(s_lines);
        lines.press(QStringLiteral("F2"));
        const int height = lines.editor()->height();
        QVERIFY(height > lines.view.visualRect(lines.cell).height());
        lines.press(QStringLiteral("Ctrl+End Return 'c Return 'd"));
        QVERIFY(lines.editor()->height() > height);
    }
};

QTEST_MAIN(PropertyItemDelegateTest)
#include "PropertyItemDelegateTest.moc"
