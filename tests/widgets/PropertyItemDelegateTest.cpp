#include "support/ShownPropertyView.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QTranslator>

// The delegate, telling the text it hands the style to paint and measure.
struct PaintingDelegate : PropertyItemDelegate
{
    QString paintedText(const QModelIndex &index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.text;
    }
};

class PropertyItemDelegateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboard_editing_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing may be written

        const QVariant none;
        QTest::newRow("untouched outside the range") << number(12.5, 0, 10, 2, "min") << s_english << "F2 Return" << none;
        QTest::newRow("untouched price") << number(61.655, 0, 1e6, 2, "CHF") << s_english << "Return Return" << none;
        QTest::newRow("untouched nine digits") << number(98765432.1, -1e12, 1e12, 2) << s_english << "F2 Tab" << none;
        QTest::newRow("untouched decimals") << number(51.5789, 0, 100, 2) << s_german << "F2 Enter" << none;
        QTest::newRow("untouched no value") << number(QString(), 0, 100, 2) << s_english << "F2 Return" << none;
        QTest::newRow("untouched choice") << s_choice << s_english << "F2 Return" << none;
        QTest::newRow("untouched text") << s_text << s_english << "Return Tab" << none;
        QTest::newRow("untouched lines") << s_lines << s_english << "F2 Ctrl+Return" << none;
        QTest::newRow("typing replaces") << number(5.0, 0, 100, 2) << s_english << "'7 Return" << QVariant(7.0);
        QTest::newRow("arrow steps from the value") << number(5.0, 0, 100, 2) << s_english << "F2 Up Return" << QVariant(6.0);
        QTest::newRow("escape") << number(5.0, 0, 10, 2) << s_english << "'6 Escape" << none;
        QTest::newRow("line break, Tab leaves") << s_lines << s_english << "Return Ctrl+End Return 'c Tab" << QVariant("a\nb\nc");
        QTest::newRow("Ctrl+Enter commits") << s_lines << s_english << "F2 'c Ctrl+Return" << QVariant("c");
        QTest::newRow("Space toggles") << s_flag << s_english << "Space" << QVariant(true);
        QTest::newRow("read-only") << Roles{{Qt::EditRole, false}, {BooleanEditorRole, true}, {ReadOnlyRole, true}} << s_english
                                   << "Space F2" << none;
        QTest::newRow("untouched multiple numbers") << mixed(number(5.0, 0, 100, 2)) << s_english << "F2 Return" << none;
        QTest::newRow("untouched multiple choices") << mixed(s_choice) << s_english << "F2 Return" << none;
        QTest::newRow("untouched multiple texts") << mixed(s_text) << s_english << "F2 Tab" << none;
        QTest::newRow("multiple numbers, typed") << mixed(number(5.0, 0, 100, 2)) << s_english << "'7 Return" << QVariant(7.0);
        QTest::newRow("multiple choices, chosen") << mixed(s_choice) << s_english << "F2 Down Return" << QVariant("A");
        QTest::newRow("multiple flags, toggled") << mixed(s_flag) << s_english << "Space" << QVariant(true);
    }

    void keyboard_editing()
    {
        QFETCH(Roles, roles);
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QVariant, stored);
        ShownView shown(roles, locale);
        shown.press(keys);
        QTRY_VERIFY(!shown.editor());
        if (stored.isValid())
            QCOMPARE(shown.cell.data(Qt::EditRole), stored);
        else
            QCOMPARE(shown.model.writes, 0);
    }

    void typed_numbers_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QVariant>("stored");  // invalid: nothing written and the editor stays open
        QTest::addColumn<QString>("message");  // part of the message beside the editor; empty: none

        const QVariant none;
        const Roles weight = number(38.2, 0, 2000, 2, "kg");
        const Roles cycle = number(9.25, 0.5, 10, 2, "min");
        const Roles count = number(14, 0, 10000, 0, "pcs");
        const QString unreadable = QStringLiteral("is not a number");
        QTest::newRow("de decimal comma") << weight << s_german << "'12,5 Return" << QVariant(12.5) << "";
        QTest::newRow("de point inside a group") << weight << s_german << "'12.5 Return" << none << "ist keine Zahl";
        QTest::newRow("de point as group separator") << weight << s_german << "'1.234,5 Return" << QVariant(1234.5) << "";
        QTest::newRow("de group of two") << weight << s_german << "'1.23,5 Return" << none << "ist keine Zahl";
        QTest::newRow("de keypad decimal") << weight << s_german << "'12 Num+. '5 Tab" << QVariant(12.5) << "";
        QTest::newRow("de third decimal") << weight << s_german << "'12,345 Return" << none << "Höchstens 2 Nachkommastellen";
        QTest::newRow("de small decimals") << cycle << s_german << "'8,25 Return" << QVariant(8.25) << "";
        QTest::newRow("de above the maximum") << cycle << s_german << "'10,5 Return" << none << "außerhalb";
        QTest::newRow("en decimal point") << weight << s_english << "'12.5 Return" << QVariant(12.5) << "";
        QTest::newRow("en comma inside a group") << weight << s_english << "'13,5 Return" << none << unreadable;
        QTest::newRow("en comma as group separator") << weight << s_english << "'1,234.5 Tab" << QVariant(1234.5) << "";
        QTest::newRow("en keypad comma") << weight << s_english << "'12 Num+, '5 Return" << QVariant(12.5) << "";
        QTest::newRow("en beyond fifteen digits") << number(1.0, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(), 0)
                                                  << s_english << "'1234567890123456 Return" << none << "outside the allowed range";
        QTest::newRow("en letters") << weight << s_english << "'12x Return" << none << unreadable;
        QTest::newRow("en above the maximum") << cycle << s_english << "'50 Return Tab" << none << "50 is outside the allowed range 0.50 – 10.00";
        QTest::newRow("en integer, decimal typed") << count << s_english << "'3.7 Return" << none << "whole numbers";
        QTest::newRow("de integer, decimal typed") << count << s_german << "'3,7 Return" << none << "ganze Zahlen";
        QTest::newRow("de integer grouped") << count << s_german << "'1.234 Return" << QVariant(1234) << "";
        QTest::newRow("arrows stop at the maximum") << cycle << s_english << "F2 Up Up Return" << QVariant(10.0) << "";
        QTest::newRow("arrows stop at the minimum") << number(1.0, 0.5, 10, 2) << s_german << "F2 Down Down Return" << QVariant(0.5) << "";
        QTest::newRow("page stops at the maximum") << number(1.0, 0, 5, 0) << s_english << "F2 PgUp Return" << QVariant(5) << "";
        QTest::newRow("step from outside goes in") << number(12.0, 0, 10, 2) << s_english << "F2 Down Return" << QVariant(10.0) << "";
    }

    void typed_numbers()
    {
        QFETCH(Roles, roles);
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QVariant, stored);
        QFETCH(QString, message);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/velmaris_de.qm")));
        if (locale == s_german)
            QCoreApplication::installTranslator(&german);
        ShownView shown(roles, locale);
        shown.press(keys);
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(shown.editor() != nullptr, !stored.isValid());
        if (stored.isValid())
            QCOMPARE(shown.cell.data(Qt::EditRole), stored);
        else
            QCOMPARE(shown.model.writes, 0);
        QVERIFY2(message.isEmpty() ? shown.message().isEmpty() : shown.message().contains(message), qPrintable(shown.message()));
    }

    void refusal_shown_until_corrected()
    {
        ShownView shown(number(38.2, 0, 2000, 2, "kg"), s_german);
        shown.press(QStringLiteral("'12.5"));
        // It may still become 12.500, so nothing is said yet.
        QVERIFY(shown.message().isEmpty());
        shown.press(QStringLiteral("Return"));
        QVERIFY(shown.message().contains(QStringLiteral("“12.5”")));
        const QWidget *editor = shown.editor();
        const QRect message = shown.view.viewport()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).constFirst()->geometry();
        QCOMPARE(message.top(), editor->geometry().bottom() + 1);
        QCOMPARE(message.left(), editor->geometry().left());
        // Now a number, but outside: the reason changes, and the range beside the value turns red.
        shown.press(QStringLiteral("'00"));
        QVERIFY(shown.message().startsWith(QStringLiteral("12.500 is outside")));
        const QLabel *hint = editor->findChildren<QLabel *>().constFirst();
        QCOMPARE(hint->text(), QStringLiteral("0,00 – 2.000,00"));
        QCOMPARE(hint->palette().color(hint->foregroundRole()), QColor(200, 0, 0));
        shown.press(QStringLiteral("Backspace Backspace Backspace Backspace"));
        QCOMPARE(shown.message(), QString());
        QVERIFY(hint->palette().color(hint->foregroundRole()) != QColor(200, 0, 0));
        shown.press(QStringLiteral("Return"));
        QTRY_VERIFY(!shown.editor());
        QCOMPARE(shown.cell.data(Qt::EditRole), QVariant(12.0));
        QCOMPARE(shown.message(), QString());
    }

    void typed_text_kept_while_a_popup_has_the_focus()
    {
        // What the editor's context menu sends it when it opens; the spin box used to read its
        // text then, as 125.
        ShownView shown(number(38.2, 0, 2000, 2, "kg"), s_german);
        shown.press(QStringLiteral("'12.5"));
        auto *spin = qobject_cast<QAbstractSpinBox *>(shown.editor());
        QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(spin, &toPopup);
        shown.press(QStringLiteral("Return"));
        QVERIFY(shown.editor());
        QCOMPARE(spin->text(), QStringLiteral("12.5 kg"));
        QCOMPARE(shown.model.writes, 0);
    }

    void wheel_stops_at_the_limit()
    {
        ShownView shown(number(9.25, 0.5, 10, 2, "min"));
        shown.press(QStringLiteral("F2"));
        const QPoint at = shown.editor()->rect().center();
        QWheelEvent wheel(at, shown.editor()->mapToGlobal(at), {}, {0, 3 * QWheelEvent::DefaultDeltasPerStep}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(shown.editor(), &wheel);
        shown.press(QStringLiteral("Return"));
        QCOMPARE(shown.cell.data(Qt::EditRole), QVariant(10.0));
    }

    void editor_shows_the_cell_text_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en") << s_english;
        QTest::newRow("de") << s_german;
    }

    void editor_shows_the_cell_text()
    {
        QFETCH(QLocale, locale);
        ShownView shown(number(1234.5, 0.5, 1e6, 2, "kg"), locale);
        shown.press(QStringLiteral("F2"));
        const auto *spin = qobject_cast<QAbstractSpinBox *>(shown.editor());
        QVERIFY(spin);
        QCOMPARE(spin->text(), PropertyItemDelegate().cellText(shown.cell, shown.view.locale()));
        // The value lies inside the range: the range beside it is not red.
        const QLabel *hint = spin->findChildren<QLabel *>().constFirst();
        QVERIFY(hint->palette().color(hint->foregroundRole()) != QColor(200, 0, 0));
    }

    void editor_of_multiple_values_opens_empty_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::newRow("number") << mixed(number(5.0, 0, 100, 2, "kg"));
        QTest::newRow("choice") << mixed(s_choice);
        QTest::newRow("text") << mixed(s_text);
        QTest::newRow("lines") << mixed(s_lines);
    }

    void editor_of_multiple_values_opens_empty()
    {
        QFETCH(Roles, roles);
        ShownView shown(roles);
        shown.press(QStringLiteral("F2"));
        QWidget *editor = shown.editor();
        QVERIFY(editor);
        if (const auto *spin = qobject_cast<QDoubleSpinBox *>(editor))
            QCOMPARE(spin->cleanText(), QString());
        else if (const auto *combo = qobject_cast<QComboBox *>(editor))
            QCOMPARE(combo->currentIndex(), -1);
        else if (const auto *lines = qobject_cast<QPlainTextEdit *>(editor))
            QCOMPARE(lines->toPlainText(), QString());
        else
            QCOMPARE(qobject_cast<QLineEdit *>(editor)->text(), QString());
        QCOMPARE(PropertyItemDelegate().cellText(shown.cell), QString());
    }

    void multiple_flags_partly_checked()
    {
        struct Exposed : PropertyItemDelegate
        {
            using PropertyItemDelegate::initStyleOption;
        };
        ShownView shown(mixed(s_flag));
        QStyleOptionViewItem option;
        Exposed().initStyleOption(&option, shown.cell);
        QCOMPARE(option.checkState, Qt::PartiallyChecked);
        shown.model.setData(shown.cell, false, MixedValueRole);
        Exposed().initStyleOption(&option, shown.cell);
        QCOMPARE(option.checkState, Qt::Unchecked);
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
        Roles several = mixed(number(5, 0, 10, 0, "kg"));
        several.insert(Qt::ToolTipRole, QStringLiteral("Multiple values"));
        QTest::newRow("multiple values") << several << s_english << "" << "Multiple values\nIn some of the objects";
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

    // A cell shows as much of a long text as any cell could: up to 100 lines of up to 4 096
    // characters, then "…". A report gets the text whole.
    void long_texts_shown_in_part_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("painted");
        const QString sep(QChar::LineSeparator);
        const QString line(40, QLatin1Char('x'));
        QStringList lines;
        for (int i = 0; i < 150; ++i)
            lines << line;
        QTest::newRow("short lines") << QStringLiteral("a\nb") << QStringLiteral("a") + sep + QStringLiteral("b");
        QTest::newRow("a long line") << QString(10000, QLatin1Char('y')) << QString(4096, QLatin1Char('y'));
        QTest::newRow("a long line among short ones")
            << QStringLiteral("a\n") + QString(5000, QLatin1Char('y')) + QStringLiteral("\nb")
            << QStringLiteral("a") + sep + QString(4096, QLatin1Char('y')) + sep + QStringLiteral("b");
        QTest::newRow("many lines") << lines.join(QLatin1Char('\n')) << lines.mid(0, 100).join(sep) + sep + QChar(0x2026);
        QTest::newRow("many short lines") << QString(120, QLatin1Char('\n')) << QString(100, QChar::LineSeparator) + QChar(0x2026);
        QTest::newRow("a hundred lines") << lines.mid(0, 100).join(QLatin1Char('\n')) << lines.mid(0, 100).join(sep);
    }
    void long_texts_shown_in_part()
    {
        QFETCH(QString, text);
        QFETCH(QString, painted);
        ShownView shown({{Qt::EditRole, text}, {MultiLineTextRole, true}});
        PaintingDelegate delegate;
        QCOMPARE(delegate.paintedText(shown.cell), painted);
        QCOMPARE(delegate.cellText(shown.cell), QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator));
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
