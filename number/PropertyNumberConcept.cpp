#include <velmaris/number/PropertyNumberConcept.h>

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/Object.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/widgets/VLFormatter.h>

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace Velmaris {

PropertyNumberConcept::Concept::~Concept() = default;

PropertyNumberConcept::PropertyNumberConcept(std::shared_ptr<const Concept> model)
    : m_model(std::move(model))
{
}

double PropertyNumberConcept::min() const { return m_model->min(); }
double PropertyNumberConcept::max() const { return m_model->max(); }
int PropertyNumberConcept::decimals() const { return m_model->decimals(); }
std::string PropertyNumberConcept::unit() const { return m_model->unit(); }
QVariant PropertyNumberConcept::editorVariant() const { return m_model->editorVariant(); }

bool PropertyNumberConcept::outOfBounds() const
{
    const double value = m_model->value();
    const double min = m_model->min();
    const double max = m_model->max();
    return min > value || value > max;
}

std::shared_ptr<CommandBase>
PropertyNumberConcept::createPropertyChangedCommand(const QVariant &newValue, std::shared_ptr<Object> object,
                                                    std::shared_ptr<ProcessLayout> layout) const
{
    return m_model->createPropertyChangedCommand(newValue, std::move(object), std::move(layout));
}

std::shared_ptr<CommandBase>
PropertyNumberConcept::createUndescribedChangeCommand(const QVariant &newValue,
                                                      std::shared_ptr<ProcessLayout> layout) const
{
    return m_model->createUndescribedChangeCommand(newValue, std::move(layout));
}

VLDoubleSpinBoxData PropertyNumberConcept::calculateSpinBoxData() const
{
    const QString unit = QString::fromStdString(m_model->unit());
    const int decimals = m_model->decimals();
    const double max = m_model->max();
    const double min = m_model->min();
    VLDoubleSpinBoxData data;
    data.minimum = min;
    data.maximum = max;
    data.maximumLength = -1;
    data.decimals = decimals;
    data.singleStep = 1.0;
    data.suffix = unit;
    data.displayFactor = 1.0;
    data.flags = 0;
    return data;
}

QString PropertyNumberConcept::expressionText() const
{
    // Every numeric cell measures this text: the unit, mostly ASCII, is appended without a
    // converted copy, and the number's own text grows once.
    QString text = m_model->editorVariant().toString();
    const std::string unit = m_model->unit();
    const bool ascii = std::all_of(unit.begin(), unit.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    text.reserve(text.size() + 1 + static_cast<int>(unit.size()));
    text += QLatin1Char(' ');
    if (ascii)
        text += QLatin1String(unit.data(), static_cast<int>(unit.size()));
    else
        text += QString::fromStdString(unit);
    return text;
}

int PropertyNumberConcept::expressionLength(const QFontMetrics &metrics) const
{
    return metrics.horizontalAdvance(expressionText(), -1);
}

QString PropertyNumberConcept::getConvertedValue() const
{
    VLFormatter formatter(nullptr);
    formatter.setDecimals(m_model->decimals());
    return formatter.textFromValue(m_model->value(), false);
}

} // namespace Velmaris
