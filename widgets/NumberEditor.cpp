#include <velmaris/widgets/NumberEditor.h>

#include <velmaris/widgets/EditorMessage.h>
#include <velmaris/widgets/NumberText.h>
#include <velmaris/widgets/TypedNumber.h>

#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velmaris {

namespace {

// Any value of 15 digits can be typed; the allowed range is checked, not enforced.
constexpr double typeableLimit = 1e15;

constexpr int hintGap = 6;

bool isKeypadDecimal(const QKeyEvent *event)
{
    return (event->modifiers() & Qt::KeypadModifier)
           && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

} // namespace

NumberEditor::NumberEditor(QWidget *parent)
    : QDoubleSpinBox(parent)
    , m_allowedMinimum(std::numeric_limits<double>::lowest())
    , m_allowedMaximum(std::numeric_limits<double>::max())
    , m_hint(new QLabel(lineEdit()))
    , m_message(new EditorMessage(this))
{
    setRange(-typeableLimit, typeableLimit);
    // As the cell shows it: 1.234,50 in German.
    setGroupSeparatorShown(true);
    setAutoFillBackground(true);
    m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Inside the line edit a label would take the edit's text role, not its own colour.
    m_hint->setForegroundRole(QPalette::WindowText);
    // Typing is heard from the line edit, as the spin box's own text signal stays silent while
    // the text is no number; a value set or stepped only from valueChanged, as the spin box
    // then blocks the line edit's signals.
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberEditor::updateFeedback);
    connect(this, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &NumberEditor::updateFeedback);
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
    updateFeedback();
}

QString NumberEditor::problem() const
{
    const TypedNumber number = typed();
    switch (number.verdict) {
    case TypedNumber::Number:
        if (isInRange(number.value))
            return {};
        return tr("%1 is outside the allowed range %2.")
            .arg(cleanText(), rangeText(std::max(m_allowedMinimum, -typeableLimit),
                                        std::min(m_allowedMaximum, typeableLimit), decimals(), locale()));
    case TypedNumber::Partial:
        if (isEmpty())
            return {};
        break;
    case TypedNumber::NotANumber:
        break;
    case TypedNumber::WholeOnly:
        return tr("Only whole numbers can be entered here.");
    case TypedNumber::TooManyDecimals:
        return tr("At most %n decimal(s) can be entered here.", nullptr, decimals());
    }
    return tr("“%1” is not a number: decimals follow “%2”, thousands may be grouped with “%3”.")
        .arg(cleanText(), locale().decimalPoint(), locale().groupSeparator());
}

void NumberEditor::showProblem()
{
    m_insisting = true;
    m_message->say(problem());
}

QSize NumberEditor::sizeHint() const
{
    QSize size = QDoubleSpinBox::sizeHint();
    if (!m_hint->text().isEmpty())
        size.rwidth() += m_hint->width() + hintGap;
    return size;
}

QValidator::State NumberEditor::validate(QString &text, int &) const
{
    // Prefix and unit stay as they are; only the number between them is typed.
    if (text.size() < prefix().size() + suffix().size() || !text.startsWith(prefix()) || !text.endsWith(suffix()))
        return QValidator::Invalid;
    const TypedNumber number = TypedNumber::read(numberIn(text), locale(), decimals());
    // Text that is no number stays as typed, so that the reason can be shown beside it; a
    // number beyond the typeable limit too, as the spin box would cut it to the limit.
    const bool takes = number.verdict == TypedNumber::Number && std::abs(number.value) <= typeableLimit;
    return takes ? QValidator::Acceptable : QValidator::Intermediate;
}

double NumberEditor::valueFromText(const QString &text) const
{
    return TypedNumber::read(numberIn(text), locale(), decimals()).value;
}

void NumberEditor::focusOutEvent(QFocusEvent *event)
{
    // The spin box would read text that is no number again, as the last number or with its
    // group separators dropped (12.5 in German as 125); while a popup such as the context menu
    // has the focus, the text stays as typed.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    QDoubleSpinBox::focusOutEvent(event);
}

void NumberEditor::keyPressEvent(QKeyEvent *event)
{
    if (!isKeypadDecimal(event)) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    // The keypad's decimal key types the language's separator, whatever the keyboard layout
    // prints on it.
    QKeyEvent decimal(event->type(), event->key(), event->modifiers(), QString(locale().decimalPoint()));
    QDoubleSpinBox::keyPressEvent(&decimal);
    event->setAccepted(decimal.isAccepted());
}

void NumberEditor::resizeEvent(QResizeEvent *event)
{
    QDoubleSpinBox::resizeEvent(event);
    placeHint();
}

void NumberEditor::stepBy(int steps)
{
    const double stepped = value() + steps * singleStep();
    setValue(std::max(m_allowedMinimum, std::min(stepped, m_allowedMaximum)));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberEditor::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (value() < m_allowedMaximum)
        enabled |= StepUpEnabled;
    if (value() > m_allowedMinimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QString NumberEditor::numberIn(QString text) const
{
    if (text.startsWith(prefix()))
        text.remove(0, prefix().size());
    if (text.endsWith(suffix()))
        text.chop(suffix().size());
    return text.trimmed();
}

TypedNumber NumberEditor::typed() const
{
    return TypedNumber::read(cleanText(), locale(), decimals());
}

bool NumberEditor::isInRange(double number) const
{
    return number >= m_allowedMinimum && number <= m_allowedMaximum && std::abs(number) <= typeableLimit;
}

void NumberEditor::updateFeedback()
{
    const TypedNumber number = typed();
    const bool outside = number.verdict == TypedNumber::Number && !isInRange(number.value);
    QPalette palette = m_hint->palette();
    palette.setColor(QPalette::WindowText,
                     outside ? QColor(200, 0, 0) : this->palette().color(QPalette::Disabled, QPalette::Text));
    m_hint->setPalette(palette);

    const QString reason = problem();
    m_insisting = m_insisting && !reason.isEmpty();
    // What can never become a number is said at once; the rest once a commit was refused.
    const bool unreadable = number.verdict != TypedNumber::Number && number.verdict != TypedNumber::Partial;
    m_message->say(m_insisting || unreadable ? reason : QString());
}

void NumberEditor::placeHint()
{
    QLineEdit *edit = lineEdit();
    const int width = m_hint->text().isEmpty() ? 0 : m_hint->width() + hintGap;
    edit->setTextMargins(0, 0, width, 0);
    m_hint->move(std::max(0, edit->width() - width), (edit->height() - m_hint->height()) / 2);
}

} // namespace Velmaris
