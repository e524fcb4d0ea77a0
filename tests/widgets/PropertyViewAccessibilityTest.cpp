#include "support/ShownPropertyView.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <QAccessible>
#include <QPainter>
#include <QTranslator>

#include <memory>

namespace {

// Rows shown: category, property, category, property; the header's sections come first.
constexpr int valueChild = 5;
constexpr int labelChild = 4;

QAccessibleInterface *viewOf(ShownView &shown)
{
    return QAccessible::queryAccessibleInterface(&shown.view);
}

QAccessibleInterface *valueOf(ShownView &shown)
{
    return viewOf(shown)->child(valueChild);
}

// The library's German words, as the editor loads them for --lang de.
std::unique_ptr<QTranslator> german()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/velmaris_de.qm")) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

Roles with(Roles roles, int flags, bool readOnly = false, const QString &tooltip = {})
{
    roles.insert(StateFlagsRole, flags);
    roles.insert(ReadOnlyRole, readOnly);
    if (!tooltip.isEmpty())
        roles.insert(Qt::ToolTipRole, tooltip);
    return roles;
}

QImage painted(const QModelIndex &cell, const QPalette &palette)
{
    QImage image(160, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = QStyle::State_Enabled;
    option.palette = palette;
    option.locale = s_english;
    PropertyItemDelegate().paint(&painter, option, cell);
    return image;
}

// The cell as it is painted, black where it is darker than mid-grey: what is left of the marks
// for someone who tells no colours apart.
QImage shapes(const Roles &roles)
{
    ShownView shown(roles);
    QImage image = painted(shown.cell, shown.view.palette());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qGray(image.pixel(x, y)) < 128 ? 0xff000000 : 0xffffffff);
    }
    return image;
}

} // namespace

class PropertyViewAccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void value_cells_are_announced_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");

        QTest::newRow("price") << number(95.0, 0, 1e6, 2, "EUR") << s_english << "Label: 95.00 EUR" << "automatic";
        QTest::newRow("German decimals") << number(90.25, 0, 1e6, 2, "CHF") << s_german << "Label: 90,25 CHF" << "automatisch";
        QTest::newRow("German grouping") << number(1187.5, 0, 1e6, 0, "CHF") << s_german << "Label: 1.188 CHF" << "automatisch";
        QTest::newRow("integer with unit") << number(2, 1, 10, 0, "persons") << s_english << "Label: 2 persons" << "automatic";
        QTest::newRow("check box") << Roles{{Qt::EditRole, true}, {BooleanEditorRole, true}} << s_english << "Label: Yes" << "automatic";
        QTest::newRow("German check box") << s_flag << s_german << "Label: Nein" << "automatisch";
        QTest::newRow("choice") << s_choice << s_english << "Label: B" << "automatic";
        QTest::newRow("lines") << s_lines << s_english << "Label: a\nb" << "automatic";
        QTest::newRow("changed, read-only") << with(s_text, ChangedFlag, true) << s_english << "Label: x" << "changed; read-only";
        QTest::newRow("no value") << with(number(QString(), 0, 10, 0, "kg"), AttentionFlag) << s_english << "Label"
                                  << "automatic; needs attention: No value";
        QTest::newRow("outside") << with(number(12, 0, 10, 0), AttentionFlag) << s_english << "Label: 12"
                                 << "automatic; needs attention: Outside 0 – 10";
        QTest::newRow("not an allowed choice") << with(Roles{}, AttentionFlag) << s_english << "Label"
                                               << "automatic; needs attention: Not one of the allowed values";
        QTest::newRow("differs from the reference")
            << with(number(4, 0, 10, 0), ReferenceMismatchFlag, false, "Reference value: 3") << s_english << "Label: 4"
            << "automatic; differs from the reference plan (Reference value: 3)";
        QTest::newRow("multiple numbers") << with(mixed(number(5, 0, 10, 0, "kg")), ChangedFlag) << s_english << "Label"
                                          << "multiple values; changed";
        QTest::newRow("multiple flags") << mixed(s_flag) << s_english << "Label" << "automatic; multiple values";
        QTest::newRow("German multiple choices") << with(mixed(s_choice), AttentionFlag) << s_german << "Label"
                                                 << "automatisch; mehrere Werte; erfordert Aufmerksamkeit: Bei einigen der Objekte";
        QTest::newRow("German marks") << with(number(10.0, 0, 10, 1), ChangedFlag | AttentionFlag, true) << s_german
                                      << "Label: 10,0" << "geändert; erfordert Aufmerksamkeit: Auf den Bereich 0,0 – 10,0 begrenzt; schreibgeschützt";
    }

    void value_cells_are_announced()
    {
        QFETCH(Roles, roles);
        QFETCH(QLocale, locale);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const auto translator = locale == s_german ? german() : nullptr;
        QVERIFY(locale != s_german || translator);
        ShownView shown(roles, locale);
        QAccessibleInterface *cell = valueOf(shown);
        QCOMPARE(cell->text(QAccessible::Name), name);
        QCOMPARE(cell->text(QAccessible::Description), description);
        QCOMPARE(cell->role(), QAccessible::Cell);
        // The text a reader spells out is the value the view paints.
        QAccessibleTextInterface *text = cell->textInterface();
        QCOMPARE(text->text(0, text->characterCount()),
                 PropertyItemDelegate().cellText(shown.cell, locale).replace(QChar::LineSeparator, QLatin1Char('\n')));
        QCOMPARE(cell->text(QAccessible::Value), text->text(0, text->characterCount()));
        const QAccessible::State state = cell->state();
        QCOMPARE(bool(state.readOnly), roles.value(ReadOnlyRole).toBool());
        QCOMPARE(bool(state.checkable), roles.contains(BooleanEditorRole));
        QCOMPARE(bool(state.checked), roles.value(BooleanEditorRole).toBool() && roles.value(Qt::EditRole).toBool());
        QCOMPARE(bool(state.checkStateMixed), roles.value(BooleanEditorRole).toBool() && roles.value(MixedValueRole).toBool());
        QCOMPARE(cell->valueInterface() != nullptr, roles.contains(NumericEditorRole));
        if (cell->valueInterface())
            QCOMPARE(cell->valueInterface()->currentValue().isValid(), !roles.value(Qt::EditRole).toString().isEmpty());
    }

    void cells_are_tied_to_labels_headers_and_groups()
    {
        ShownView shown(number(3.5, 1, 9, 1, "kg"));
        QAccessibleInterface *view = viewOf(shown);
        QCOMPARE(view->role(), QAccessible::Tree);
        QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Properties"));
        QVERIFY(!view->text(QAccessible::Description).isEmpty());
        shown.view.setAccessibleName(QStringLiteral("Costs"));
        QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Costs"));
        QCOMPARE(view->childCount(), 10);

        // Numbered as QTreeView's focus events number them.
        QAccessibleInterface *value = view->child(valueChild);
        QAccessibleInterface *label = view->child(labelChild);
        QCOMPARE(view->indexOfChild(value), valueChild);
        QCOMPARE(view->focusChild(), value);
        QCOMPARE(label->role(), QAccessible::RowHeader);
        QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Label"));
        const auto labelled = value->relations(QAccessible::Label);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.front().first, label);
        QCOMPARE(label->relations(QAccessible::Labelled).front().first, value);
        QCOMPARE(value->tableCellInterface()->rowHeaderCells(), QList<QAccessibleInterface *>{label});
        QCOMPARE(value->tableCellInterface()->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Value"));
        QCOMPARE(view->tableInterface()->cellAt(value->tableCellInterface()->rowIndex(), 1), value);
        QCOMPARE(value->parent(), view);

        QAccessibleInterface *category = view->child(2);
        QCOMPARE(category->role(), QAccessible::Grouping);
        QCOMPARE(category->text(QAccessible::Name), QStringLiteral("Category"));
        QVERIFY(category->state().expanded);
        category->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!shown.view.isExpanded(shown.cell.parent()));
        // Folded away, the row is no child and the cells are numbered anew: the next category's row moves up.
        QVERIFY(view->child(2)->state().collapsed);
        QCOMPARE(view->childCount(), 8);
        QCOMPARE(view->child(labelChild)->text(QAccessible::Name), QStringLiteral("Category"));
    }

    void open_editors_are_announced_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QVariant>("current"); // and the bounds below, for editors with a value interface
        QTest::addColumn<QVariant>("minimum");
        QTest::addColumn<QVariant>("maximum");

        QTest::newRow("number") << number(5.0, 0.5, 10, 2, "kg") << QAccessible::SpinBox << "5.00 kg" << QVariant(5.0)
                                << QVariant(0.5) << QVariant(10.0);
        QTest::newRow("choice") << s_choice << QAccessible::ComboBox << "B" << QVariant(1) << QVariant(0) << QVariant(1);
        QTest::newRow("text") << s_text << QAccessible::EditableText << "x" << QVariant() << QVariant() << QVariant();
        QTest::newRow("lines") << s_lines << QAccessible::EditableText << "a\nb" << QVariant() << QVariant() << QVariant();
    }

    void open_editors_are_announced()
    {
        QFETCH(Roles, roles);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, value);
        QFETCH(QVariant, current);
        QFETCH(QVariant, minimum);
        QFETCH(QVariant, maximum);
        ShownView shown(roles);
        QAccessibleInterface *cell = valueOf(shown);
        QCOMPARE(cell->childCount(), 0);
        shown.press(QStringLiteral("F2"));
        QVERIFY(shown.editor());
        QCOMPARE(cell->childCount(), 1);
        QAccessibleInterface *editor = cell->child(0);
        QCOMPARE(editor->object(), shown.editor());
        QCOMPARE(cell->indexOfChild(editor), 0);
        QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Label"));
        QCOMPARE(editor->text(QAccessible::Description), QStringLiteral("automatic"));
        QCOMPARE(editor->role(), role);
        QCOMPARE(editor->text(QAccessible::Value), value);
        QCOMPARE(editor->valueInterface() != nullptr, current.isValid());
        QCOMPARE(editor->editableTextInterface() != nullptr, role == QAccessible::EditableText);
        if (!current.isValid())
            return;
        QCOMPARE(editor->parent(), cell);
        QCOMPARE(editor->relations(QAccessible::Label).back().first, viewOf(shown)->child(labelChild));
        QCOMPARE(editor->valueInterface()->currentValue(), current);
        QCOMPARE(editor->valueInterface()->minimumValue(), minimum);
        QCOMPARE(editor->valueInterface()->maximumValue(), maximum);
    }

    void values_change_as_typed_ones_data()
    {
        QTest::addColumn<Roles>("roles");
        QTest::addColumn<QString>("through"); // "editor", "cell" or an action's name
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing may be written
        QTest::addColumn<bool>("open");       // the editor is still open at the end

        const QVariant none;
        const Roles small = number(5.0, 0, 10, 2);
        QTest::newRow("number, its editor") << small << "editor" << QVariant(7.5) << QVariant(7.5) << false;
        QTest::newRow("number, its cell") << small << "cell" << QVariant(8.0) << QVariant(8.0) << false;
        QTest::newRow("integer, its cell") << number(3, 0, 10, 0) << "cell" << QVariant(4.0) << QVariant(4) << false;
        QTest::newRow("outside the range") << small << "editor" << QVariant(50.0) << none << true;
        QTest::newRow("outside the range, its cell") << small << "cell" << QVariant(-1.0) << none << true;
        QTest::newRow("unchanged") << small << "cell" << QVariant(5.0) << none << false;
        QTest::newRow("read-only") << with(small, 0, true) << "cell" << QVariant(8.0) << none << false;
        QTest::newRow("choice, its editor") << s_choice << "editor" << QVariant(0) << QVariant("A") << false;
        QTest::newRow("check box") << s_flag << QAccessibleActionInterface::toggleAction() << none << QVariant(true) << false;
        QTest::newRow("read-only check box") << with(s_flag, 0, true) << QAccessibleActionInterface::toggleAction() << none
                                             << none << false;
        QTest::newRow("press opens the editor") << s_text << QAccessibleActionInterface::pressAction() << none << none << true;
    }

    void values_change_as_typed_ones()
    {
        QFETCH(Roles, roles);
        QFETCH(QString, through);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        QFETCH(bool, open);
        ShownView shown(roles);
        QAccessibleInterface *cell = valueOf(shown);
        if (through == QLatin1String("editor")) {
            shown.press(QStringLiteral("F2"));
            cell->child(0)->valueInterface()->setCurrentValue(value);
            shown.press(QStringLiteral("Return"));
        } else if (through == QLatin1String("cell")) {
            cell->valueInterface()->setCurrentValue(value);
        } else {
            cell->actionInterface()->doAction(through);
        }
        QTRY_COMPARE(shown.editor() != nullptr, open);
        if (stored.isValid())
            QCOMPARE(shown.cell.data(Qt::EditRole), stored);
        else
            QCOMPARE(shown.model.writes, 0);
    }

    void marks_are_told_apart_without_colour()
    {
        // No value: no text whose smoothed edges a tint would shift.
        const Roles plain = number(QString(), 0, 10, 2);
        const QVector<QImage> marked{shapes(plain), shapes(with(plain, ChangedFlag)), shapes(with(plain, AttentionFlag)),
                                     shapes(with(plain, ReferenceMismatchFlag))};
        for (int one = 0; one < marked.size(); ++one) {
            for (int other = one + 1; other < marked.size(); ++other)
                QVERIFY2(marked[one] != marked[other], qPrintable(QStringLiteral("marks %1 and %2").arg(one).arg(other)));
        }
    }

    void marks_take_the_palette_colours()
    {
        ShownView shown(with(number(5.0, 0, 10, 2), ChangedFlag | ReferenceMismatchFlag));
        QPalette palette;
        palette.setColor(QPalette::Highlight, QColor(0, 128, 0));
        palette.setColor(QPalette::LinkVisited, QColor(128, 0, 0));
        const QImage image = painted(shown.cell, palette);
        QCOMPARE(image.pixelColor(1, 1), QColor(0, 128, 0));
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), QColor(128, 0, 0));
    }
};

QTEST_MAIN(PropertyViewAccessibilityTest)
#include "PropertyViewAccessibilityTest.moc"
