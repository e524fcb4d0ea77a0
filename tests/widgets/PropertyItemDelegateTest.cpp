#include "widgets/NumberEditor.h"
#include "widgets/PropertyItemDelegate.h"
#include "widgets/PropertyTreeView.h"

#include "model/ItemDataRoles.h"

#include "host/widgets/VLDoubleSpinBoxData.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QToolTip>
#include <QtTest>

using namespace Velmaris;
using Roles = QMap<int, QVariant>;

namespace {

// Counts every write, as an untouched editor must make none.
class CountingModel : public QStandardItemModel
{
public:
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        ++writes;
        return QStandardItemModel::setData(index, value, role);
    }
    int writes = 0;
};

Roles number(const QVariant &value, double minimum, double maximum, int decimals, const QString &unit = {})
{
    VLDoubleSpinBoxData settings;
    settings.minimum = minimum;
    settings.maximum = maximum;
    settings.decimals = decimals;
    settings.suffix = unit;
    return {{Qt::EditRole, value}, {NumericEditorRole, true}, {SpinBoxDataRole, QVariant::fromValue(settings)}};
}

const Roles s_choice{{Qt::DisplayRole, QStringLiteral("B")},
                     {EnumEditorRole, true},
                     {EnumLabelsRole, QStringList{QStringLiteral("A"), QStringLiteral("B")}}};
const Roles s_text{{Qt::EditRole, QStringLiteral("x")}, {SingleLineTextRole, true}};
const Roles s_lines{{Qt::EditRole, QStringLiteral("a\nb")}, {MultiLineTextRole, true}};
const Roles s_flag{{Qt::EditRole, false}, {BooleanEditorRole, true}};

// A shown property view over one category whose rows hold a label and a value cell.
struct ShownView
{
    explicit ShownView(const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedStates))
    {
        view.setLocale(locale);
        model.setColumnCount(2);
        model.appendRow(new QStandardItem(QStringLiteral("Category")));
        view.setModel(&model);
        view.resize(600, 400);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
    }

    QModelIndex add(const Roles &roles)
    {
        auto *value = new QStandardItem;
        for (auto role = roles.cbegin(); role != roles.cend(); ++role)
            value->setData(role.value(), role.key());
        value->setData(true, ValueCellRole);
        model.item(0)->appendRow({new QStandardItem(QStringLiteral("Label")), value});
        view.expandAll();
        view.setCurrentIndex(value->index());
        model.writes = 0;
        return value->index();
    }
    QWidget *editor() const { return view.indexWidget(view.currentIndex()); }

    CountingModel model;
    PropertyTreeView view;
};

// The text a cell shows.
struct ShownText : PropertyItemDelegate
{
    QString of(const QModelIndex &index, const QLocale &locale) const
    {
        QStyleOptionViewItem option;
        option.locale = locale;
        initStyleOption(&option, index);
        return option.text;
    }
};

} // namespace

class PropertyItemDelegateTest : public QObject
{
    Q_OBJECT

private slots:
    void untouched_editor_writes_nothing_data();
    void untouched_editor_writes_nothing();
    void typed_numbers_data();
    void typed_numbers();
    void shown_numbers_data();
    void shown_numbers();
    void current_cell_stays_on_values();
    void check_box_toggles_in_place_data();
    void check_box_toggles_in_place();
    void choice_list_opens_from_keyboard_data();
    void choice_list_opens_from_keyboard();
    void multi_line_text();
    void attention_tooltip_says_why_data();
    void attention_tooltip_says_why();
};

void PropertyItemDelegateTest::untouched_editor_writes_nothing_data()
{
    QTest::addColumn<Roles>("roles");
    QTest::addColumn<int>("key");
    QTest::newRow("outside the range") << number(12.5, 0, 10, 2, QStringLiteral("min")) << int(Qt::Key_Return);
    QTest::newRow("price in another currency") << number(61.655, 0, 1e6, 2, QStringLiteral("CHF")) << int(Qt::Key_Return);
    QTest::newRow("nine digits") << number(98765432.1, -1e12, 1e12, 2) << int(Qt::Key_Tab);
    QTest::newRow("more decimals than shown") << number(51.5789, 0, 100, 2) << int(Qt::Key_Enter);
    QTest::newRow("no value") << number(QString(), 0, 100, 2) << int(Qt::Key_Return);
    QTest::newRow("integer") << number(7, 0, 100, 0) << int(Qt::Key_Return);
    QTest::newRow("choice") << s_choice << int(Qt::Key_Return);
    QTest::newRow("text") << s_text << int(Qt::Key_Tab);
}

void PropertyItemDelegateTest::untouched_editor_writes_nothing()
{
    QFETCH(Roles, roles);
    QFETCH(int, key);
    ShownView shown;
    const QModelIndex cell = shown.add(roles);
    QTest::keyClick(&shown.view, Qt::Key_F2);
    QWidget *editor = shown.editor();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key(key));
    QTRY_VERIFY(!shown.view.indexWidget(cell));
    QCOMPARE(shown.model.writes, 0);
}

void PropertyItemDelegateTest::typed_numbers_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Roles>("roles");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored"); // invalid: the editor stays open, nothing stored

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("typing replaces") << english << number(5.0, 0, 100, 2) << "7" << QVariant(7.0);
    QTest::newRow("German decimal comma") << german << number(5.0, 0, 100, 2) << "97,5" << QVariant(97.5);
    QTest::newRow("German grouping") << german << number(5.0, 0, 1e6, 2) << "1.234,5" << QVariant(1234.5);
    QTest::newRow("integer stays integer") << english << number(3, 0, 100, 0) << "42" << QVariant(42);
    QTest::newRow("above the maximum") << english << number(5.0, 0, 10, 2) << "50" << QVariant();
    QTest::newRow("below the minimum") << english << number(5.0, 2, 10, 2) << "1" << QVariant();
}

void PropertyItemDelegateTest::typed_numbers()
{
    QFETCH(QLocale, locale);
    QFETCH(Roles, roles);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    ShownView shown(locale);
    const QModelIndex cell = shown.add(roles);
    QTest::keyClick(&shown.view, typed.at(0).toLatin1());
    auto *editor = qobject_cast<NumberEditor *>(shown.editor());
    QVERIFY(editor);
    QTest::keyClicks(editor, typed.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    if (stored.isValid()) {
        QTRY_VERIFY(!shown.view.indexWidget(cell));
        QCOMPARE(cell.data(Qt::EditRole), stored);
        return;
    }
    QTest::keyClick(editor, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(shown.editor(), editor);
    QCOMPARE(editor->cleanText(), typed);
    QVERIFY(editor->toolTip().contains(QStringLiteral("outside")));
    QCOMPARE(shown.model.writes, 0);
}

void PropertyItemDelegateTest::shown_numbers_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Roles>("roles");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const double lowest = std::numeric_limits<double>::lowest();
    const double highest = std::numeric_limits<double>::max();
    QTest::newRow("nine digits") << english << number(98765432.1, lowest, highest, 2) << "98,765,432.10";
    QTest::newRow("fifteen digits") << english << number(123456789012345.0, lowest, highest, 0) << "123,456,789,012,345";
    QTest::newRow("price decimals") << german << number(64.9, 0, 1e6, 2, QStringLiteral("EUR")) << "64,90 EUR";
    QTest::newRow("German grouping") << german << number(1234.5, 0, 1e6, -1) << "1.234,5";
    QTest::newRow("shortest") << english << number(0.1 + 0.2, 0, 1, -1) << "0.3";
    QTest::newRow("no value") << english << number(QString(), 0, 1, 2, QStringLiteral("kg")) << "";
}

void PropertyItemDelegateTest::shown_numbers()
{
    QFETCH(QLocale, locale);
    QFETCH(Roles, roles);
    QFETCH(QString, text);
    ShownView shown;
    QCOMPARE(ShownText().of(shown.add(roles), locale), text);
}

void PropertyItemDelegateTest::current_cell_stays_on_values()
{
    ShownView shown;
    const QModelIndex first = shown.add(s_text);
    shown.model.appendRow(new QStandardItem(QStringLiteral("Second category")));
    auto *value = new QStandardItem(QStringLiteral("y"));
    value->setData(true, ValueCellRole);
    shown.model.item(1)->appendRow({new QStandardItem(QStringLiteral("Label")), value});
    shown.view.expandAll();

    shown.view.setCurrentIndex(first.siblingAtColumn(0));
    QCOMPARE(shown.view.currentIndex(), first);
    QTest::keyClick(&shown.view, Qt::Key_Left);
    QCOMPARE(shown.view.currentIndex(), first);
    QTest::keyClick(&shown.view, Qt::Key_Down);
    QCOMPARE(shown.view.currentIndex(), value->index());
    QTest::keyClick(&shown.view, Qt::Key_Up);
    QCOMPARE(shown.view.currentIndex(), first);
}

void PropertyItemDelegateTest::check_box_toggles_in_place_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("value");
    QTest::newRow("space") << false << false << true;
    QTest::newRow("one click") << false << true << true;
    QTest::newRow("read-only space") << true << false << false;
    QTest::newRow("read-only click") << true << true << false;
}

void PropertyItemDelegateTest::check_box_toggles_in_place()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, click);
    QFETCH(bool, value);
    ShownView shown;
    Roles roles = s_flag;
    roles.insert(ReadOnlyRole, readOnly);
    const QModelIndex cell = shown.add(roles);
    if (click) {
        const QRect rect = shown.view.visualRect(cell);
        QTest::mouseClick(shown.view.viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 8, rect.center().y()));
    } else {
        QTest::keyClick(&shown.view, Qt::Key_Space);
    }
    QCOMPARE(cell.data(Qt::EditRole).toBool(), value);
    QVERIFY(!shown.editor());
}

void PropertyItemDelegateTest::choice_list_opens_from_keyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
}

void PropertyItemDelegateTest::choice_list_opens_from_keyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ShownView shown;
    shown.add(s_choice);
    QTest::keyClick(&shown.view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto *combo = qobject_cast<QComboBox *>(shown.editor());
    QVERIFY(combo);
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(combo->currentText(), QStringLiteral("B"));
}

void PropertyItemDelegateTest::multi_line_text()
{
    ShownView shown;
    const QModelIndex cell = shown.add(s_lines);
    QTest::keyClick(&shown.view, Qt::Key_Return);
    auto *editor = qobject_cast<QPlainTextEdit *>(shown.editor());
    QVERIFY(editor);
    const int height = editor->height();
    QVERIFY(height > shown.view.visualRect(cell).height());
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("c"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("d"));
    QVERIFY(editor->height() > height);
    QTest::keyClick(editor, Qt::Key_Tab);
    QTRY_VERIFY(!shown.view.indexWidget(cell));
    QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("a\nbc\nd"));

    QTest::keyClick(&shown.view, Qt::Key_F2);
    QTest::keyClicks(shown.editor(), QStringLiteral("e"));
    QTest::keyClick(shown.editor(), Qt::Key_Return, Qt::ControlModifier);
    QTRY_VERIFY(!shown.view.indexWidget(cell));
    QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("e"));
}

void PropertyItemDelegateTest::attention_tooltip_says_why_data()
{
    QTest::addColumn<Roles>("roles");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("no value") << number(QString(), 0, 10, 0) << "No value";
    QTest::newRow("outside") << number(12, 0, 10, 0) << "Outside 0 – 10";
    QTest::newRow("clipped") << number(10, 0, 10, 0) << "Clipped to the range 0 – 10";
    Roles compared = number(3, 0, 10, 0);
    compared.insert(Qt::ToolTipRole, QStringLiteral("Reference: 4"));
    compared.insert(Qt::EditRole, QString());
    QTest::newRow("with the reference") << compared << "Reference: 4\nNo value";
}

void PropertyItemDelegateTest::attention_tooltip_says_why()
{
    QFETCH(Roles, roles);
    QFETCH(QString, tooltip);
    ShownView shown;
    roles.insert(StateFlagsRole, int(AttentionFlag));
    const QPoint at = shown.view.visualRect(shown.add(roles)).center();
    QHelpEvent help(QEvent::ToolTip, at, shown.view.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(shown.view.viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), tooltip);
}

QTEST_MAIN(PropertyItemDelegateTest)
#include "PropertyItemDelegateTest.moc"
