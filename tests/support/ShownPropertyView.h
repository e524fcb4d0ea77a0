#pragma once

#include <velmaris/widgets/PropertyTreeView.h>

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QLabel>
#include <QStandardItemModel>
#include <QtTest>

using namespace Velmaris;
using Roles = QMap<int, QVariant>;

// The library's model, counting every write, as an untouched editor must make none.
class CountingModel : public ProcPlanBaseQItemModel
{
public:
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        ++writes;
        return ProcPlanBaseQItemModel::setData(index, value, role);
    }
    int writes = 0;
};

inline Roles number(const QVariant &value, double minimum, double maximum, int decimals, const QString &unit = {})
{
    VLDoubleSpinBoxData settings;
    std::tie(settings.minimum, settings.maximum, settings.decimals, settings.suffix) = std::tie(minimum, maximum, decimals, unit);
    return {{Qt::EditRole, value}, {NumericEditorRole, true}, {SpinBoxDataRole, QVariant::fromValue(settings)}};
}

inline const Roles s_choice{{Qt::DisplayRole, QStringLiteral("B")}, {EnumEditorRole, true},
                            {EnumLabelsRole, QStringList{QStringLiteral("A"), QStringLiteral("B")}}};
inline const Roles s_text{{Qt::EditRole, QStringLiteral("x")}, {SingleLineTextRole, true}};
inline const Roles s_lines{{Qt::EditRole, QStringLiteral("a\nb")}, {MultiLineTextRole, true}};
inline const Roles s_flag{{Qt::EditRole, false}, {BooleanEditorRole, true}};
// The roles of a cell of several objects whose values differ.
inline Roles mixed(Roles roles)
{
    roles.insert(Qt::EditRole, QStringLiteral(""));
    roles.insert(MixedValueRole, true);
    return roles;
}

inline const QLocale s_english(QLocale::English, QLocale::UnitedStates);
inline const QLocale s_german(QLocale::German, QLocale::Germany);

// A shown property view, current on the value cell of one property row under a category; the
// row's label reads "Label", the header "Property" and "Value".
struct ShownView
{
    explicit ShownView(const Roles &roles, const QLocale &locale = s_english)
    {
        view.setLocale(locale);
        model.setColumnCount(2);
        model.setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
        cell = addRow(roles);
        nextCell = addRow({{Qt::EditRole, QStringLiteral("y")}, {SingleLineTextRole, true}});
        view.setModel(&model);
        view.expandAll();
        view.resize(600, 400);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setCurrentIndex(cell);
        model.writes = 0;
    }
    QWidget *editor() const { return view.indexWidget(cell); }

    // The message shown beside the open editor, in the view's viewport; empty when none is.
    QString message() const
    {
        for (const QLabel *label : view.viewport()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->isVisible())
                return label->text();
        }
        return {};
    }

    // A category row with one property row under it.
    QModelIndex addRow(const Roles &roles)
    {
        auto *category = new QStandardItem(QStringLiteral("Category"));
        auto *value = new QStandardItem;
        for (auto role = roles.cbegin(); role != roles.cend(); ++role)
            value->setData(role.value(), role.key());
        value->setData(true, ValueCellRole);
        model.appendRow(category);
        category->appendRow({new QStandardItem(QStringLiteral("Label")), value});
        return value->index();
    }

    // Space-separated keys ("F2", "Ctrl+Return") or 'text, each to the editor once one is open.
    void press(const QString &steps)
    {
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            const auto target = [this] { return editor() ? editor() : static_cast<QWidget *>(&view); };
            if (step.startsWith(QLatin1Char('\''))) {
                for (const QChar c : step.mid(1))
                    QTest::keyClick(target(), c.toLatin1());
            } else {
                QTest::keySequence(target(), QKeySequence(step));
            }
            QCoreApplication::processEvents();
        }
    }

    CountingModel model;
    PropertyTreeView view;
    QModelIndex cell;
    QModelIndex nextCell; // a text cell under the next category
};

