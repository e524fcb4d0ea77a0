#pragma once

#include "host/widgets/VLDoubleSpinBoxData.h"

#include <velmaris_export.h>

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

// Wraps a numeric property (double or integer, single or multi-valued, plain or a price
// stored in "usd") for display and editing; empty for every other property. Prices are shown
// multiplied by rate in currency; doubled shows value and bounds at twice their size.
VELMARIS_EXPORT boost::optional<PropertyNumberConcept>
tryCreatePropertyNumber(CCAPIBaseCommon::BaseProperty *property, const std::string &currency,
                        double rate, bool doubled);

// One view of every numeric property: the value as shown, its bounds, unit, decimals, editor
// value and the command that stores an edited value. Copies share one immutable model, which
// reads the property afresh on every call, so a concept must not outlive its property.
class VELMARIS_EXPORT PropertyNumberConcept
{
public:
    class VELMARIS_EXPORT Concept
    {
    public:
        virtual ~Concept();
        virtual double value() const = 0;
        virtual double min() const = 0;
        virtual double max() const = 0;
        virtual std::string unit() const = 0;
        virtual int decimals() const = 0;
        virtual QVariant editorVariant() const = 0;
        virtual std::shared_ptr<CommandBase>
        createPropertyChangedCommand(const QVariant &newValue, std::shared_ptr<Object> object,
                                     std::shared_ptr<ProcessLayout> layout) const = 0;
    };

    // Forwards every operation to one number type of the implementation.
    template <typename T>
    class Model;

    double min() const;
    double max() const;
    int decimals() const;
    std::string unit() const;
    QVariant editorVariant() const;
    bool outOfBounds() const;
    std::shared_ptr<CommandBase> createPropertyChangedCommand(const QVariant &newValue,
                                                              std::shared_ptr<Object> object,
                                                              std::shared_ptr<ProcessLayout> layout) const;

    // Spin-box settings: bounds, decimals and the unit as suffix.
    VLDoubleSpinBoxData calculateSpinBoxData() const;
    // The editor value in the variant's own text form, a blank and the unit.
    QString expressionText() const;
    // Width in pixels of expressionText.
    int expressionLength(const QFontMetrics &metrics) const;
    // The shown value with the number's decimals, without unit.
    QString getConvertedValue() const;

private:
    friend boost::optional<PropertyNumberConcept>
    tryCreatePropertyNumber(CCAPIBaseCommon::BaseProperty *, const std::string &, double, bool);

    explicit PropertyNumberConcept(std::shared_ptr<const Concept> model);

    std::shared_ptr<const Concept> m_model;
};

} // namespace Velmaris
