#include <velmaris/model/ProcPlanBaseQItemModel.h>

#include "support/PlanObjects.h"

#include <limits>

namespace {

using Containers = std::vector<std::shared_ptr<PropertySignalContainer>>;

// A container of a property with this key and display position; the rest as the letters say:
// k the label key is hidden, p the property is hidden, w the container is withdrawn.
std::shared_ptr<PropertySignalContainer> container(const std::string &name, int position, const std::string &hidden = {})
{
    const bool keyVisible = hidden.find('k') == std::string::npos;
    auto property = std::make_shared<CostPropertyBoolean>(LabelKey(name, "C", position, keyVisible), true);
    property->setPropertyVisible(hidden.find('p') == std::string::npos);
    auto result = PropertySignalContainer::make(property);
    if (hidden.find('w') != std::string::npos)
        result->withdraw();
    return result;
}

QStringList select(const Containers &input, bool byLabelKey, bool showAll)
{
    ProcPlanBaseQItemModel::setShowAllProperties(showAll);
    QStringList keys;
    for (const auto &c : ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(input, byLabelKey))
        keys << (c && c->getProperty() ? QString::fromStdString(c->getProperty()->getLabelKey()->getStringKey()) : "-");
    ProcPlanBaseQItemModel::setShowAllProperties(false);
    return keys;
}

} // namespace

class VisibleSelectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selection_rules_data()
    {
        QTest::addColumn<bool>("byLabelKey");
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<QStringList>("selected");
        // By the label key the switch plays no part; by the property it shows everything, withdrawn included.
        QTest::newRow("label key") << true << false << QStringList{"plain", "hiddenProperty"};
        QTest::newRow("label key, show all") << true << true << QStringList{"plain", "hiddenProperty"};
        QTest::newRow("property") << false << false << QStringList{"plain", "hiddenKey"};
        QTest::newRow("property, show all") << false << true << QStringList{"plain", "hiddenKey", "hiddenProperty", "withdrawn"};
    }

    void selection_rules()
    {
        QFETCH(bool, byLabelKey);
        QFETCH(bool, showAll);
        const Containers input{container("withdrawn", 4, "w"), container("hiddenProperty", 3, "p"),
                               container("hiddenKey", 2, "k"), container("plain", 1)};
        QTEST(select(input, byLabelKey, showAll), "selected");
        // The output shares the input's containers and leaves the input alone.
        QCOMPARE(ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(input, true).front(), input.back());
        QCOMPARE(input.size(), std::size_t(4));
    }

    void ordering()
    {
        // Equal positions both appear, next to each other; negatives first.
        const QStringList tied = select({container("b", 2), container("x", -1), container("a", 2), container("z", 3)}, true, false);
        QCOMPARE(tied.size(), 4);
        QCOMPARE(tied.first() + tied.last(), QStringLiteral("xz"));
        QCOMPARE((QSet<QString>{tied[1], tied[2]}), (QSet<QString>{"a", "b"}));

        // Show-all selects containers without a property, or no container at all: they go last,
        // even after a property at the last position there is.
        const Containers withEmpty{nullptr, PropertySignalContainer::make(nullptr), container("last", std::numeric_limits<int>::max()),
                                   container("late", 9), container("early", -5)};
        QCOMPARE(select(withEmpty, false, true), (QStringList{"early", "late", "last", "-", "-"}));
        QCOMPARE(select(withEmpty, false, false), (QStringList{"early", "late", "last"}));
        QVERIFY(ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps({}, false).empty());
    }
};

QTEST_MAIN(VisibleSelectionTest)
#include "VisibleSelectionTest.moc"
