#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/commands/SetPropertyCommandDescription.h>

#include <velmaris/host/commands/SetPropertyCommands.h>
#include <velmaris/host/property/BaseMultiProperty.h>
#include <velmaris/host/property/NumericProperties.h>
#include <velmaris/host/widgets/VLFormatter.h>

#include <cmath>
#include <limits>
#include <utility>

namespace Velmaris {

using CCAPIBaseCommon::BaseMultiProperty;
using CCAPIBaseCommon::BaseProperty;
using CCAPIBaseCommon::CostPropertyDouble;
using CCAPIBaseCommon::CostPropertyInteger;

template <typename T>
class PropertyNumberConcept::Model final : public PropertyNumberConcept::Concept
{
public:
    explicit Model(T number) : m_number(std::move(number)) {}

    double value() const override { return m_number.value(); }
    double min() const override { return m_number.min(); }
    double max() const override { return m_number.max(); }
    std::string unit() const override { return m_number.unit(); }
    int decimals() const override { return m_number.decimals(); }
    QVariant editorVariant() const override { return m_number.editorVariant(); }
    std::shared_ptr<CommandBase> createPropertyChangedCommand(const QVariant &newValue,
                                                              std::shared_ptr<Object> object,
                                                              std::shared_ptr<ProcessLayout> layout) const override
    {
        return m_number.createPropertyChangedCommand(newValue, std::move(object), std::move(layout));
    }
    std::shared_ptr<CommandBase> createUndescribedChangeCommand(const QVariant &newValue,
                                                                std::shared_ptr<ProcessLayout> layout) const override
    {
        return m_number.storeCommand(newValue, layout);
    }

private:
    T m_number;
};

namespace {

// Toward zero; NaN gives 0 and values beyond int saturate at its bounds.
int truncatedToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// The number an editor value stands for: whole for whole kinds.
double enteredNumber(const QVariant &newValue, bool integral)
{
    return integral ? newValue.toInt() : newValue.toDouble();
}

// How a command's description names an entered number.
QString enteredText(double entered, const std::string &unit)
{
    return VLFormatter::toString(entered, QString::fromStdString(unit), true);
}

// Where each kind of property keeps its number, bounds and unit.
struct DoubleSource
{
    using Property = CostPropertyDouble;
    static constexpr bool integral = false;
    static double raw(const Property &p) { return p.getDoubleValue(); }
    static double min(const Property &p) { return p.getMinAllowedValue(); }
    static double max(const Property &p) { return p.getMaxAllowedValue(); }
    static std::string unit(const Property &p) { return p.getUnit(); }
};

struct IntegerSource
{
    using Property = CostPropertyInteger;
    static constexpr bool integral = true;
    static double raw(const Property &p) { return p.getValue(); }
    static double min(const Property &p) { return p.getMinAllowedValue(); }
    static double max(const Property &p) { return p.getMaxAllowedValue(); }
    static std::string unit(const Property &p) { return p.getVUnit(); }
};

template <bool Integral>
struct MultiSource
{
    using Property = BaseMultiProperty;
    static constexpr bool integral = Integral;
    static double raw(const Property &p) { return p.getNumericValue(); }
    static double min(const Property &p) { return p.getMinAllowedValue(); }
    static double max(const Property &p) { return p.getMaxAllowedValue(); }
    static std::string unit(const Property &p) { return p.getUnit(); }
};

// How a number is shown: as stored, or as a price converted into the display currency.
struct AsStored
{
    double shown(double amount) const { return amount; }
    double stored(double shown) const { return shown; }
    std::string unit(std::string ownUnit) const { return ownUnit; }
    bool wholeAmounts(double) const { return false; }
    bool canStore() const { return true; }
};

struct AsPrice
{
    double rate;
    std::string currency;

    double shown(double amount) const { return amount * rate; }
    double stored(double shown) const { return shown / rate; }
    std::string unit(const std::string &) const { return currency; }
    // Large amounts are shown in whole currency units.
    bool wholeAmounts(double shown) const { return shown > 1000.0; }
    // Without a usable rate an edited amount has no stored equivalent.
    bool canStore() const { return std::isfinite(rate) && rate > 0.0; }
};

template <typename Source, typename Display>
struct Number
{
    using Property = typename Source::Property;
    static std::string ownUnit(const Property &p) { return Source::unit(p); }

    double factor;
    typename Source::Property *property;
    Display display;

    double value() const { return display.shown(Source::raw(*property) * factor); }
    double min() const { return display.shown(Source::min(*property) * factor); }
    double max() const { return display.shown(Source::max(*property) * factor); }
    std::string unit() const { return display.unit(Source::unit(*property)); }
    int decimals() const
    {
        if (Source::integral)
            return 0;
        return display.wholeAmounts(value()) ? 0 : 2;
    }
    QVariant editorVariant() const
    {
        return Source::integral ? QVariant(truncatedToInt(value())) : QVariant(value());
    }

    std::shared_ptr<CommandBase> storeCommand(const QVariant &newValue, const std::shared_ptr<ProcessLayout> &layout) const
    {
        if (!display.canStore())
            return {};
        const double entered = enteredNumber(newValue, Source::integral);
        if constexpr (Source::integral) {
            return std::make_shared<SetPropertyIntegerValueCmd>(layout, property,
                                                                truncatedToInt(display.stored(entered)), false);
        } else {
            return std::make_shared<SetPropertyDoubleValueCmd>(layout, property, display.stored(entered), false);
        }
    }

    std::shared_ptr<CommandBase> createPropertyChangedCommand(const QVariant &newValue,
                                                              std::shared_ptr<Object>,
                                                              std::shared_ptr<ProcessLayout> layout) const
    {
        std::shared_ptr<CommandBase> command = storeCommand(newValue, layout);
        if (command) {
            const double entered = enteredNumber(newValue, Source::integral);
            setPropertyCommandDescription(*command, layout, property, enteredText(entered, unit()).toStdString());
        }
        return command;
    }
};

using DoubleModel = Number<DoubleSource, AsStored>;
using DoublePriceModel = Number<DoubleSource, AsPrice>;
using IntegerModel = Number<IntegerSource, AsStored>;
using IntegerPriceModel = Number<IntegerSource, AsPrice>;
using MultiDoubleModel = Number<MultiSource<false>, AsStored>;
using MultiDoublePriceModel = Number<MultiSource<false>, AsPrice>;
using MultiIntegerModel = Number<MultiSource<true>, AsStored>;
using MultiIntegerPriceModel = Number<MultiSource<true>, AsPrice>;

const std::string priceUnit = "usd";

// The plain or the price model of one kind, chosen by the property's own unit.
template <typename PlainModel, typename PriceModel>
std::shared_ptr<const PropertyNumberConcept::Concept>
numberOf(BaseProperty *property, double factor, const std::string &currency, double rate)
{
    auto *typed = dynamic_cast<typename PlainModel::Property *>(property);
    if (!typed)
        return {};
    if (PlainModel::ownUnit(*typed) == priceUnit)
        return std::make_shared<PropertyNumberConcept::Model<PriceModel>>(PriceModel{factor, typed, {rate, currency}});
    return std::make_shared<PropertyNumberConcept::Model<PlainModel>>(PlainModel{factor, typed, {}});
}

std::shared_ptr<const PropertyNumberConcept::Concept>
chooseNumber(BaseProperty *property, double factor, const std::string &currency, double rate)
{
    switch (property->getPropertyType()) {
    case CCAPIBaseCommon::IntegerPropertyType:
        return numberOf<IntegerModel, IntegerPriceModel>(property, factor, currency, rate);
    case CCAPIBaseCommon::DoublePropertyType:
        return numberOf<DoubleModel, DoublePriceModel>(property, factor, currency, rate);
    case CCAPIBaseCommon::MultiValuePropertyType:
    case CCAPIBaseCommon::MultiLotPropertyType: {
        const auto *multi = dynamic_cast<const BaseMultiProperty *>(property);
        if (!multi)
            return {};
        switch (multi->getValueType()) {
        case BaseMultiProperty::DoubleValues:
            return numberOf<MultiDoubleModel, MultiDoublePriceModel>(property, factor, currency, rate);
        case BaseMultiProperty::IntegerValues:
            return numberOf<MultiIntegerModel, MultiIntegerPriceModel>(property, factor, currency, rate);
        default:
            return {};
        }
    }
    default:
        return {};
    }
}

} // namespace

QString PropertyNumberConcept::enteredValueText(const QVariant &newValue) const
{
    const bool integral = m_model->editorVariant().userType() == QMetaType::Int;
    return enteredText(enteredNumber(newValue, integral), m_model->unit());
}

boost::optional<PropertyNumberConcept> tryCreatePropertyNumber(BaseProperty *property,
                                                                const std::string &currency,
                                                                double rate, bool doubled)
{
    const double factor = doubled ? 2.0 : 1.0;
    if (auto model = chooseNumber(property, factor, currency, rate))
        return PropertyNumberConcept(std::move(model));
    return boost::none;
}

} // namespace Velmaris
