#include <velmaris/widgets/NumberEditor.h>

#include <velmaris/widgets/NumberText.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QLabel>
#include <QLineEdit>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace Velmaris {

namespace {

// Any value of 15 digits can be typed; the allowed range is checked, not enforced.
constexpr double typeableLimit = 1e15;

constexpr int hintGap = 6;

} // namespace

NumberEditor::NumberEditor(QWidget *parent)
    : QDoubleSpinBox(parent)
    , m_allowedMinimum(std::numeric_limits<double>::lowest())
    , m_allowedMaximum(std::numeric_limits<double>::max())
    , m_hint(new QLabel(lineEdit()))
{
    setRange(-typeableLimit, typeableLimit);
    setAutoFillBackground(true);
    m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Inside the line edit a label would take the edit's text role, not its own colour.
    m_hint->setForegroundRole(QPalette::WindowText);
    connect(this, &QDoubleSpinBox::textChanged, this, &NumberEditor::updateHint);
}

void NumberEditor::setSettings(const VLDoubleSpinBoxData &settings)
{
    // An unknown number of decimals keeps the spin box's own.
    if (settings.decimals >= 0)
        setDecimals(settings.decimals);
    m_allowedMinimum = settings.minimum;
    m_allowedMaximum = settings.maximum;
    setSingleStep(settings.singleStep);
    setPrefix(settings.prefix);
    setSuffix(settings.suffix.isEmpty() ? QString() : QLatin1Char(' ') + settings.suffix);
    m_hint->setText(rangeText(m_allowedMinimum, m_allowedMaximum, decimals(), locale()));
    m_hint->adjustSize();
    placeHint();
    updateHint();
}

bool NumberEditor::isInRange() const
{
    return value() >= m_allowedMinimum && value() <= m_allowedMaximum;
}

void NumberEditor::showRangeProblem()
{
    const QString message = tr("%1 is outside the allowed range %2.")
                                .arg(cleanText(), rangeText(m_allowedMinimum, m_allowedMaximum, decimals(), locale()));
    setToolTip(message);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), message, this);
}

QSize NumberEditor::sizeHint() const
{
    QSize size = QDoubleSpinBox::sizeHint();
    if (!m_hint->text().isEmpty())
        size.rwidth() += m_hint->width() + hintGap;
    return size;
}

void NumberEditor::resizeEvent(QResizeEvent *event)
{
    QDoubleSpinBox::resizeEvent(event);
    placeHint();
}

void NumberEditor::updateHint()
{
    QPalette palette = m_hint->palette();
    palette.setColor(QPalette::WindowText, isEmpty() || isInRange()
                                               ? this->palette().color(QPalette::Disabled, QPalette::Text)
                                               : QColor(200, 0, 0));
    m_hint->setPalette(palette);
    if (isInRange())
        setToolTip(QString());
}

void NumberEditor::placeHint()
{
    QLineEdit *edit = lineEdit();
    const int width = m_hint->text().isEmpty() ? 0 : m_hint->width() + hintGap;
    edit->setTextMargins(0, 0, width, 0);
    m_hint->move(std::max(0, edit->width() - width), (edit->height() - m_hint->height()) / 2);
}

} // namespace Velmaris
