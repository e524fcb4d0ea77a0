#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QDoubleSpinBox>

class QLabel;
struct VLDoubleSpinBoxData;

namespace Velmaris {

// A spin box that takes whatever number is typed and shows the allowed range beside it, red
// while the value lies outside, so that a value is pointed out instead of being cut silently.
class VELMARIS_WIDGETS_EXPORT NumberEditor : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit NumberEditor(QWidget *parent = nullptr);

    // Bounds, decimals, unit and step of the record; the bounds become the allowed range.
    void setSettings(const VLDoubleSpinBoxData &settings);

    // Empty text: the value was left out (no value yet, or erased by the user).
    bool isEmpty() const { return cleanText().isEmpty(); }
    bool isInRange() const;
    // Tells why the value cannot be committed.
    void showRangeProblem();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateHint();
    void placeHint();

    double m_allowedMinimum;
    double m_allowedMaximum;
    QLabel *m_hint;
};

} // namespace Velmaris
