// Random properties, settings and edits, each checked against expectations derived here from
// the rules of filling a value cell, not from the code that fills it.
#include "model/ItemDataRoles.h"
#include "model/ProcPlanBaseQItemModel.h"

#include "host/access/DataBaseControl.h"
#include "host/access/ProcessLayoutController.h"
#include "host/commands/CommandBase.h"
#include "host/objects/Object.h"
#include "host/objects/ProcessLayout.h"
#include "host/objects/PropertySignalContainer.h"
#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"
#include "host/widgets/VLDoubleSpinBoxData.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

using namespace CCAPIBaseCommon;
using namespace Velmaris;
using CCAPIAccess::DataBaseControl;
using CCAPIAccess::ProcessLayoutController;

namespace {

using Roles = QMap<int, QVariant>;

struct Random
{
    explicit Random(unsigned seed) : engine(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T>
    const T &pick(const std::vector<T> &choices) { return choices[static_cast<std::size_t>(between(0, int(choices.size()) - 1))]; }
    double number() { return between(-4000, 40000) / 8.0; }
    std::mt19937 engine;
};

const std::vector<std::string> s_units{"usd", "mm", "USD", "", "usd "};
const std::vector<std::string> s_choices{"MAT_Steel", "MAT_Alu", "MAT_Ti"};

std::shared_ptr<BaseProperty> randomProperty(Random &random, int serial)
{
    const LabelKey key("P_" + std::to_string(serial), "CAT", serial);
    const std::string unit = random.pick(s_units);
    const double low = random.number();
    const double high = low + random.between(0, 3000);
    std::shared_ptr<BaseProperty> property;
    switch (random.between(0, 6)) {
    case 0: property = std::make_shared<CostPropertyDouble>(key, random.number(), unit, low, high); break;
    case 1:
        property = std::make_shared<CostPropertyInteger>(key, random.between(-500, 5000), unit, int(low), int(high));
        break;
    case 2:
    case 3: {
        const bool integral = random.chance(50);
        std::vector<double> values;
        for (int i = random.between(1, 3); i > 0; --i)
            values.push_back(integral ? random.between(-50, 3000) : random.number());
        auto multi = std::make_shared<BaseMultiProperty>(key, random.chance(50) ? MultiValuePropertyType : MultiLotPropertyType,
                                                         integral ? BaseMultiProperty::IntegerValues : BaseMultiProperty::DoubleValues,
                                                         values, unit, low, high);
        multi->setActiveIndex(random.between(0, int(values.size()) - 1));
        property = multi;
        break;
    }
    case 4: {
        const std::vector<std::string> texts{"a<b>c", "   ", "", "plain", "<<x>>", " lead", "two\nlines"};
        property = std::make_shared<CostPropertyString>(key, random.pick(texts), random.chance(50));
        break;
    }
    case 5: property = std::make_shared<CostPropertyBoolean>(key, random.chance(50)); break;
    default: {
        const std::vector<std::string> allowed(s_choices.begin(), s_choices.begin() + random.between(0, 3));
        property = std::make_shared<CostPropertyEnum>(key, allowed, random.between(-1, int(allowed.size())));
    }
    }
    property->markCurrentStateAutomatic();
    static_cast<CostProperty &>(*property).setEditable(random.chance(70));
    property->setNoValue(random.chance(15));
    property->setModified(random.chance(30));
    property->setRangeApplied(random.chance(15));
    return property;
}

struct Settings
{
    double rate;
    std::string currency;
    bool comparison;
    int scaleMode;
    bool forceEditable;
    bool forceReadOnly;
};

double valueOf(const BaseProperty &property)
{
    if (const auto *d = dynamic_cast<const CostPropertyDouble *>(&property))
        return d->getDoubleValue();
    if (const auto *i = dynamic_cast<const CostPropertyInteger *>(&property))
        return i->getValue();
    return static_cast<const BaseMultiProperty &>(property).getNumericValue();
}

struct Bounds
{
    double min;
    double max;
    std::string unit;
    bool integral;
};

std::optional<Bounds> numericBounds(const BaseProperty &property)
{
    if (const auto *d = dynamic_cast<const CostPropertyDouble *>(&property))
        return Bounds{d->getMinAllowedValue(), d->getMaxAllowedValue(), d->getUnit(), false};
    if (const auto *i = dynamic_cast<const CostPropertyInteger *>(&property))
        return Bounds{double(i->getMinAllowedValue()), double(i->getMaxAllowedValue()), i->getVUnit(), true};
    if (const auto *m = dynamic_cast<const BaseMultiProperty *>(&property))
        return Bounds{m->getMinAllowedValue(), m->getMaxAllowedValue(), m->getUnit(),
                      m->getValueType() == BaseMultiProperty::IntegerValues};
    return std::nullopt;
}

int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

std::string replaced(std::string text, char from, char to)
{
    for (char &c : text)
        c = c == from ? to : c;
    return text;
}

// What a fill must leave in a cell that held only the tooltip "earlier".
Roles expectedRoles(const BaseProperty &property, const BaseProperty *reference, const Settings &settings,
                    const DataBaseControl &labels, int parentId, const QFontMetrics &metrics)
{
    Roles roles{{Qt::ToolTipRole, QStringLiteral("earlier")}};
    roles[TsKeyRole] = QString::fromStdString(property.getLabelKey()->getStringKey());
    roles[ParentObjectIdRole] = parentId;
    bool attention = false;
    if (const std::optional<Bounds> bounds = numericBounds(property)) {
        const double factor = settings.scaleMode == 2 ? 2.0 : 1.0;
        const bool price = bounds->unit == "usd";
        const auto shown = [&](double raw) { return price ? raw * factor * settings.rate : raw * factor; };
        const double value = shown(valueOf(property));
        const double min = shown(bounds->min);
        const double max = shown(bounds->max);
        const QString unit = QString::fromStdString(price ? settings.currency : bounds->unit);
        const QVariant editor = bounds->integral ? QVariant(truncated(value)) : QVariant(value);
        roles[Qt::DisplayRole] = editor;
        attention = min > value || value > max;
        roles[NumericEditorRole] = true;
        const QString expression = (bounds->integral ? QString::number(truncated(value)) : QString::number(value, 'g', QLocale::FloatingPointShortest))
                                   + QLatin1Char(' ') + unit;
        roles[WideExpressionRole] = metrics.horizontalAdvance(expression) >= 90;
        VLDoubleSpinBoxData spin;
        spin.minimum = min;
        spin.maximum = max;
        spin.decimals = bounds->integral ? 0 : (price && value > 1000.0 ? 0 : 2);
        spin.suffix = unit;
        roles[SpinBoxDataRole] = QVariant::fromValue(spin);
    } else if (const auto *choice = dynamic_cast<const CostPropertyEnum *>(&property)) {
        const int index = choice->getIndexValue();
        const int count = int(choice->getAllowedValues().size());
        attention = index < 0 || index >= count;
        if (!attention) {
            QStringList shown;
            for (const std::string &value : choice->getAllowedValues())
                shown << QString::fromStdString(labels.getLabel(value));
            roles[EnumEditorRole] = true;
            roles[EnumLabelsRole] = shown;
            roles[Qt::DisplayRole] = shown.at(index);
        }
    } else if (const auto *text = dynamic_cast<const CostPropertyString *>(&property)) {
        const QString shown = QString::fromStdString(replaced(replaced(text->getValue(), '<', '['), '>', ']'));
        roles[text->isMultiLine() ? MultiLineTextRole : SingleLineTextRole] = true;
        const bool onlySpaces = !shown.isEmpty() && shown.count(QLatin1Char(' ')) == shown.size();
        roles[Qt::DisplayRole] = onlySpaces ? QString() : shown;
    } else if (const auto *flag = dynamic_cast<const CostPropertyBoolean *>(&property)) {
        roles[BooleanEditorRole] = true;
        roles[Qt::DisplayRole] = flag->getValue();
    }

    // The host's comparison: same kind, and both without value or the same value.
    const bool equal = reference && reference->getPropertyType() == property.getPropertyType()
                       && ((reference->hasNoValue() && property.hasNoValue())
                           || (reference->hasNoValue() == property.hasNoValue() && reference->value() == property.value()));
    const bool mismatch = settings.comparison && !equal;
    if (mismatch)
        roles[Qt::ToolTipRole] = reference ? QStringLiteral("Reference value: ") : QStringLiteral("No reference value");
    int flags = 0;
    if (property.hasNoValue()) {
        flags = AttentionFlag;
        roles[Qt::DisplayRole] = QString();
    }
    if (property.isModified())
        flags |= ChangedFlag;
    if (attention || property.isRangeApplied())
        flags |= AttentionFlag;
    if (mismatch)
        flags |= ReferenceMismatchFlag;
    roles[StateFlagsRole] = flags;
    roles[ReadOnlyRole] = settings.forceReadOnly || (!settings.forceEditable && !static_cast<const CostProperty &>(property).editable());
    roles[ValueCellRole] = true;
    return roles;
}

QString describe(const Roles &roles)
{
    QStringList parts;
    for (auto role = roles.cbegin(); role != roles.cend(); ++role) {
        const QVariant &value = role.value();
        QString text = value.userType() == qMetaTypeId<VLDoubleSpinBoxData>()
                           ? QStringLiteral("spin(%1..%2, %3, %4)")
                                 .arg(value.value<VLDoubleSpinBoxData>().minimum)
                                 .arg(value.value<VLDoubleSpinBoxData>().maximum)
                                 .arg(value.value<VLDoubleSpinBoxData>().decimals)
                                 .arg(value.value<VLDoubleSpinBoxData>().suffix)
                           : value.userType() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char('|')) : value.toString();
        parts << QStringLiteral("%1=%2:%3").arg(role.key()).arg(QLatin1String(value.typeName())).arg(text);
    }
    return parts.join(QStringLiteral("; "));
}

// Equal as the view sees them; a reference tooltip is checked by its opening words.
bool sameRoles(const Roles &actual, const Roles &expected)
{
    if (actual.keys() != expected.keys())
        return false;
    for (auto role = expected.cbegin(); role != expected.cend(); ++role) {
        const QVariant &got = actual.value(role.key());
        if (role.key() == Qt::ToolTipRole && role.value() == QStringLiteral("Reference value: ")) {
            if (!got.toString().startsWith(role.value().toString()))
                return false;
        } else if (got.userType() != role.value().userType() || got != role.value()) {
            return false;
        }
    }
    return true;
}

// The value a user types into a cell of this property, as the delegate would hand it over.
QVariant randomEdit(Random &random, const BaseProperty &property)
{
    if (const std::optional<Bounds> bounds = numericBounds(property))
        return bounds->integral ? QVariant(random.between(-100, 3000)) : QVariant(random.number());
    if (dynamic_cast<const CostPropertyBoolean *>(&property))
        return !std::get<bool>(property.value());
    return {};
}

// What the property must hold after the edit's command ran.
double storedNumber(const BaseProperty &property, const QVariant &entered, double rate)
{
    const Bounds bounds = *numericBounds(property);
    const bool price = bounds.unit == "usd";
    if (bounds.integral)
        return price ? std::trunc(double(entered.toInt()) / rate) : entered.toInt();
    return price ? entered.toDouble() / rate : entered.toDouble();
}

} // namespace

class RandomizedPopulationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fills_match_the_rules_and_edits_undo_exactly();
    void category_lookup_survives_random_host_changes();
};

void RandomizedPopulationTest::initTestCase()
{
    qApp->setProperty("vlFont", QStringLiteral("DejaVu Sans"));
    qApp->setProperty("vlFontSize", 10);
}

void RandomizedPopulationTest::fills_match_the_rules_and_edits_undo_exactly()
{
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Normal, false));
    DataBaseControl labels;
    labels.setLabel("MAT_Steel", "Steel");
    labels.setLabel("MAT_Alu", "Aluminium");
    labels.setLabel("MAT_Ti", "Titanium");
    ProcessLayoutController controller(&labels);
    const auto layout = std::make_shared<ProcessLayout>(&labels);
    const std::vector<double> rates{1.0, 0.8, 0.95, 1.08, 2.5};
    const std::vector<std::string> currencies{"EUR", "CHF", "usd"};

    int edits = 0;
    for (const unsigned seed : {7u, 1234u, 99991u}) {
        Random random(seed);
        std::unique_ptr<ProcPlanBaseQItemModel> ownedModel;
        std::unique_ptr<QAbstractItemModelTester> tester;
        QStandardItem *category = nullptr;
        for (int n = 0; n < 1000; ++n) {
            // The tester walks the whole model on every change, so models are kept small.
            if (n % 25 == 0) {
                tester.reset();
                ownedModel = std::make_unique<ProcPlanBaseQItemModel>();
                tester = std::make_unique<QAbstractItemModelTester>(
                    ownedModel.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                category = ownedModel->itemFromIndex(ownedModel->categoryIndex("CAT", "Category"));
            }
            ProcPlanBaseQItemModel &model = *ownedModel;
            const QString where = QStringLiteral("seed %1, case %2").arg(seed).arg(n);
            const Settings settings{random.pick(rates), random.pick(currencies), random.chance(50),
                                    random.between(0, 3), random.chance(20), random.chance(10)};
            model.setExchangeRate({settings.rate, settings.currency});
            model.enableReferenceComparison(settings.comparison);

            const Random generatorBefore = random;
            auto property = randomProperty(random, n);
            std::shared_ptr<BaseProperty> reference;
            switch (random.between(0, 2)) {
            case 1: { // replaying the generator gives the same kind and value
                Random replay = generatorBefore;
                reference = randomProperty(replay, n);
                break;
            }
            case 2: { // most likely another kind or value
                Random other(seed * 31u + static_cast<unsigned>(n));
                reference = randomProperty(other, n);
                break;
            }
            default: break; // none
            }
            const auto object = std::make_shared<Object>(random.between(1, 50));
            const auto container = PropertySignalContainer::make(property, random.chance(80) ? object : nullptr);
            const int parentId = container->getParentObject() ? object->id : -1;

            auto *label = new QStandardItem;
            auto *value = new QStandardItem;
            category->appendRow({label, value});
            const QModelIndex cell = value->index();
            model.QStandardItemModel::setData(cell, QStringLiteral("earlier"), Qt::ToolTipRole);

            QSignalSpy modified(&model, &ProcPlanBaseQItemModel::sigPropGotModified);
            if (settings.forceReadOnly)
                model.updatePropertyValueAt(&labels, property.get(), reference.get(), parentId, cell, nullptr,
                                            settings.scaleMode, settings.forceEditable, true);
            else
                model.updatePropertyValueAt(&labels, container, reference.get(), cell, settings.scaleMode,
                                            settings.forceEditable);
            QCOMPARE(modified.count(), 1);

            const Roles expected = expectedRoles(*property, reference.get(), settings, labels, parentId, metrics);
            const Roles filled = model.itemData(cell);
            QVERIFY2(sameRoles(filled, expected),
                     qPrintable(where + QStringLiteral("\n got:  ") + describe(filled) + QStringLiteral("\n want: ")
                                + describe(expected)));

            // An edit, its command, and the way back.
            const QVariant entered = randomEdit(random, *property);
            if (!entered.isValid() || filled.value(ReadOnlyRole).toBool() || settings.forceReadOnly)
                continue;
            const PropertyState before = property->state();
            const bool rangeAppliedBefore = property->isRangeApplied();
            model.setData(cell, entered);
            const auto command = model.generatePropertyModifyCommand(&controller, object, layout, property.get(), cell);
            QVERIFY2(command, qPrintable(where));
            QVERIFY2(command->execute(), qPrintable(where));
            if (numericBounds(*property)) {
                const double stored = storedNumber(*property, entered, settings.rate);
                QVERIFY2(std::abs(valueOf(*property) - stored) <= 1e-9 * std::max(1.0, std::abs(stored)),
                         qPrintable(where + QStringLiteral(": stored %1, want %2").arg(valueOf(*property)).arg(stored)));
            } else {
                QCOMPARE(property->value(), PropertyValue(entered.toBool()));
            }
            QVERIFY(property->isModified());
            QVERIFY2(command->undo(), qPrintable(where));
            QVERIFY2(property->value() == before.value && property->hasNoValue() == before.noValue
                         && property->isModified() == before.modified && property->isRangeApplied() == rangeAppliedBefore, qPrintable(where + QStringLiteral(": state after undo")));
            model.updatePropertyValueAt(&labels, container, reference.get(), cell, settings.scaleMode,
                                        settings.forceEditable);
            Roles refilled = model.itemData(cell);
            QVERIFY2(sameRoles(refilled, filled), qPrintable(where + QStringLiteral(": cell after undo\n got:  ")
                                                             + describe(refilled) + QStringLiteral("\n want: ")
                                                             + describe(filled)));
            ++edits;
        }
    }
    QVERIFY(edits > 300);
}

void RandomizedPopulationTest::category_lookup_survives_random_host_changes()
{
    Random random(424242);
    ProcPlanBaseQItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto lastRowWithKey = [&model](const QString &key) {
        int found = -1;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.index(row, 0).data(ProcPlanBaseQItemModel::s_tsKeyRole).toString() == key)
                found = row;
        }
        return found;
    };
    for (int step = 0; step < 2000; ++step) {
        const std::string key = "CAT_" + std::to_string(random.between(0, 12));
        const QString qKey = QString::fromStdString(key);
        switch (random.between(0, 6)) {
        case 0: // a row the host inserts, sometimes carrying a key that exists already
            model.insertRow(random.between(0, model.rowCount()), new QStandardItem);
            if (random.chance(50))
                model.setData(model.index(random.between(0, model.rowCount() - 1), 0), qKey, ProcPlanBaseQItemModel::s_tsKeyRole);
            break;
        case 1:
            if (model.rowCount() > 0)
                model.removeRow(random.between(0, model.rowCount() - 1));
            break;
        case 2:
            if (model.rowCount() > 1) {
                const QList<QStandardItem *> taken = model.takeRow(random.between(0, model.rowCount() - 1));
                model.insertRow(random.between(0, model.rowCount()), taken);
            }
            break;
        case 3: // a property row below a category
            if (model.rowCount() > 0)
                model.item(random.between(0, model.rowCount() - 1))->appendRow({new QStandardItem, new QStandardItem});
            break;
        default: {
            const int expected = lastRowWithKey(qKey);
            const QModelIndex found = model.categoryIndex(key, "Label " + key);
            if (expected >= 0)
                QVERIFY2(found.row() == expected, qPrintable(QStringLiteral("step %1: %2 at %3, want %4")
                                                                 .arg(step).arg(qKey).arg(found.row()).arg(expected)));
            else
                QCOMPARE(found.row(), model.rowCount() - 1);
            QCOMPARE(found.data(ProcPlanBaseQItemModel::s_tsKeyRole).toString(), qKey);
        }
        }
    }
}

QTEST_MAIN(RandomizedPopulationTest)
#include "RandomizedPopulationTest.moc"
