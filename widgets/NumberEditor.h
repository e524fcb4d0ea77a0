#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QDoubleSpinBox>

class QLabel;
struct VLDoubleSpinBoxData;

namespace Velmaris {

class EditorMessage;
struct TypedNumber;

// A spin box that reads what is typed as the interface's language writes numbers, refusing
// what it cannot read instead of guessing, and shows the allowed range beside the value, red
// while the value lies outside, so that a value is pointed out instead of being cut silently.
// Steps stop at the range's limits.
class VELMARIS_WIDGETS_EXPORT NumberEditor : public QDoubleSpinBox
{
    Q_OBJECT
public:
    // The parent also holds the messages shown beside the editor.
    explicit NumberEditor(QWidget *parent);

    // Bounds, decimals, unit and step of the record; the bounds become the allowed range.
    void setSettings(const VLDoubleSpinBoxData &settings);

    // Empty text: the value was left out (no value yet, or erased by the user).
    bool isEmpty() const { return cleanText().isEmpty(); }
    // Why the typed text cannot be stored; empty when it can, or when nothing is typed.
    QString problem() const;
    // Shows the problem beside the editor until the text no longer has it.
    void showProblem();

    QSize sizeHint() const override;
    QValidator::State validate(QString &text, int &position) const override;
    double valueFromText(const QString &text) const override;

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    // The line edit's text without prefix and unit.
    QString numberIn(QString text) const;
    TypedNumber typed() const;
    bool isInRange(double number) const;
    // The range's colour and the message beside the editor, after every change of the text.
    void updateFeedback();
    void placeHint();

    double m_allowedMinimum;
    double m_allowedMaximum;
    QLabel *m_hint;
    EditorMessage *m_message;
    // A commit was refused: the reason stays shown while it applies.
    bool m_insisting = false;
};

} // namespace Velmaris
