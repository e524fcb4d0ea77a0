#pragma once

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <velmaris/velmaris_export.h>

#include <QVariant>

#include <boost/optional.hpp>

#include <memory>
#include <string>

class QFontMetrics;

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

class CommandBase;
class Object;
class ProcessLayout;
class PropertyNumberConcept;

/// Wraps a numeric property (double or integer, single or multi-valued, plain or a price
/// stored in "usd") for display and editing; empty for every other property, which is how a
/// caller tells numbers apart. Prices are shown multiplied by @p rate in @p currency;
/// @p doubled shows value and bounds at twice their size.
VELMARIS_EXPORT boost::optional<PropertyNumberConcept>
tryCreatePropertyNumber(CCAPIBaseCommon::BaseProperty *property, const std::string &currency,
                        double rate, bool doubled);

/// One view of every numeric property: the value as shown, its bounds, unit, decimals, editor
/// value and the command that stores an edited value. Copies share one immutable model, which
/// reads the property afresh on every call, so a concept must not outlive its property.
class VELMARIS_EXPORT PropertyNumberConcept
{
public:
    /// The operations every number type answers; the library's own number types implement
    /// it, a host only reaches them through PropertyNumberConcept.
    class VELMARIS_EXPORT Concept
    {
    public:
        virtual ~Concept();
        /// The value as shown (converted, scaled).
        virtual double value() const = 0;
        /// The lower bound as shown.
        virtual double min() const = 0;
        /// The upper bound as shown.
        virtual double max() const = 0;
        /// The unit as shown (the currency for prices).
        virtual std::string unit() const = 0;
        /// Decimals shown and edited.
        virtual int decimals() const = 0;
        /// The value as the editor takes it (double, int or text of several values).
        virtual QVariant editorVariant() const = 0;
        /// The command that stores an edited editor value, converted back.
        virtual std::shared_ptr<CommandBase>
        createPropertyChangedCommand(const QVariant &newValue, std::shared_ptr<Object> object,
                                     std::shared_ptr<ProcessLayout> layout) const = 0;
        /// The same command without a description.
        virtual std::shared_ptr<CommandBase>
        createUndescribedChangeCommand(const QVariant &newValue, std::shared_ptr<ProcessLayout> layout) const = 0;
    };

    /// Forwards every operation to one number type of the implementation.
    template <typename T>
    class Model;

    /// The lower bound as shown.
    double min() const;
    /// The upper bound as shown.
    double max() const;
    /// Decimals shown and edited.
    int decimals() const;
    /// The unit as shown (the currency for prices).
    std::string unit() const;
    /// The value as the editor takes it.
    QVariant editorVariant() const;
    /// True when the value lies outside its bounds, which the value cell marks for attention.
    bool outOfBounds() const;
    /// The command that stores @p newValue, an editor value, in the property; the host
    /// executes it.
    std::shared_ptr<CommandBase> createPropertyChangedCommand(const QVariant &newValue,
                                                              std::shared_ptr<Object> object,
                                                              std::shared_ptr<ProcessLayout> layout) const;
    /// The command of createPropertyChangedCommand() without its description, for a command
    /// that is one of many described together: describing costs more than making it.
    std::shared_ptr<CommandBase> createUndescribedChangeCommand(const QVariant &newValue,
                                                                std::shared_ptr<ProcessLayout> layout) const;
    /// @p newValue as the description of createPropertyChangedCommand()'s command names it:
    /// the number as entered, with the unit as shown ("200 CHF").
    QString enteredValueText(const QVariant &newValue) const;

    /// Spin-box settings: bounds, decimals and the unit as suffix.
    VLDoubleSpinBoxData calculateSpinBoxData() const;
    /// The editor value in the variant's own text form, a blank and the unit.
    QString expressionText() const;
    /// Width in pixels of expressionText() in @p metrics.
    int expressionLength(const QFontMetrics &metrics) const;
    /// The shown value with the number's decimals, without unit.
    QString getConvertedValue() const;

private:
    friend boost::optional<PropertyNumberConcept>
    tryCreatePropertyNumber(CCAPIBaseCommon::BaseProperty *, const std::string &, double, bool);

    explicit PropertyNumberConcept(std::shared_ptr<const Concept> model);

    std::shared_ptr<const Concept> m_model;
};

} // namespace Velmaris
