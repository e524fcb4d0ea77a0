#include "model/ProcPlanBaseQItemModel.h"

#include "host/objects/PropertySignalContainer.h"
#include "host/property/ScalarProperties.h"

#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

using Containers = std::vector<std::shared_ptr<PropertySignalContainer>>;

struct ContainerShape
{
    std::string key;
    int position;
    bool keyVisible = true;
    bool propertyVisible = true;
    bool valid = true;
};

std::shared_ptr<PropertySignalContainer> container(const ContainerShape &shape)
{
    auto property = std::make_shared<CostPropertyBoolean>(
        LabelKey(shape.key, "C", shape.position, shape.keyVisible), true);
    property->setPropertyVisible(shape.propertyVisible);
    auto result = PropertySignalContainer::make(property);
    if (!shape.valid)
        result->withdraw();
    return result;
}

Containers containers(std::initializer_list<ContainerShape> shapes)
{
    Containers result;
    for (const ContainerShape &shape : shapes)
        result.push_back(container(shape));
    return result;
}

QStringList keys(const Containers &selected)
{
    QStringList result;
    for (const auto &c : selected)
        result << (c && c->getProperty()
                       ? QString::fromStdString(c->getProperty()->getLabelKey()->getStringKey())
                       : QStringLiteral("-"));
    return result;
}

QStringList select(const Containers &input, bool useLabelKey, bool showAll)
{
    ProcPlanBaseQItemModel::setShowAllProperties(showAll);
    const QStringList result = keys(ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(input, useLabelKey));
    ProcPlanBaseQItemModel::setShowAllProperties(false);
    return result;
}

} // namespace

class VisibleSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void selection_rules();
    void ordering();
};

void VisibleSelectionTest::selection_rules()
{
    const Containers input = containers({
        {"plain", 1},
        {"hiddenKey", 2, false, true},
        {"hiddenProperty", 3, true, false},
        {"invalid", 4, true, true, false},
    });

    // By the label key: the switch plays no part.
    const QStringList byKey{"plain", "hiddenProperty"};
    QCOMPARE(select(input, true, false), byKey);
    QCOMPARE(select(input, true, true), byKey);

    // By the property: the switch shows everything, invalid containers included.
    QCOMPARE(select(input, false, false), (QStringList{"plain", "hiddenKey"}));
    QCOMPARE(select(input, false, true), (QStringList{"plain", "hiddenKey", "hiddenProperty", "invalid"}));

    // The output shares the input's containers and leaves the input alone.
    ProcPlanBaseQItemModel::setShowAllProperties(false);
    const Containers selected = ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps(input, true);
    QCOMPARE(selected.front().get(), input.front().get());
    QCOMPARE(input.front().use_count(), 2L);
    QCOMPARE(input.size(), std::size_t(4));
    QVERIFY(ProcPlanBaseQItemModel::sortAndReturnOnlyVisibleProps({}, false).empty());
}

void VisibleSelectionTest::ordering()
{
    // Display position ascending, negatives first, whatever the input order.
    QCOMPARE(select(containers({{"five", 5}, {"minus", -1}, {"three", 3}}), true, false),
             (QStringList{"minus", "three", "five"}));

    // Equal positions both appear, next to each other.
    const QStringList tied = select(containers({{"b", 2}, {"x", 1}, {"a", 2}, {"z", 3}}), true, false);
    QCOMPARE(tied.size(), 4);
    QCOMPARE(tied.first(), QStringLiteral("x"));
    QCOMPARE(tied.last(), QStringLiteral("z"));
    QCOMPARE((QSet<QString>{tied[1], tied[2]}), (QSet<QString>{"a", "b"}));

    // Show-all selects containers without a property, or no container at all: they go last.
    Containers withEmpty = containers({{"late", 9}});
    withEmpty.insert(withEmpty.begin(), PropertySignalContainer::make(nullptr));
    withEmpty.insert(withEmpty.begin(), nullptr);
    withEmpty.push_back(container({"early", -5}));
    QCOMPARE(select(withEmpty, false, true), (QStringList{"early", "late", "-", "-"}));
    QCOMPARE(select(withEmpty, false, false), (QStringList{"early", "late"}));
}

QTEST_MAIN(VisibleSelectionTest)
#include "VisibleSelectionTest.moc"
