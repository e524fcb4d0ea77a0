#pragma once

#include <velmaris/velmaris_host_export.h>

#include <QObject>
#include <QString>

namespace Velmaris {

/// \addtogroup hoststandin
/// @{

/// Number texts as the editor's widgets show them, in the application's locale.
class VELMARIS_HOST_EXPORT VLFormatter : public QObject
{
    Q_OBJECT
public:
    /// A formatter with 2 decimals.
    explicit VLFormatter(QObject *parent = nullptr);
    ~VLFormatter() override;

    /// A negative count is taken as 0.
    void setDecimals(int decimals);
    /// The count textFromValue() uses; never negative, 2 until set.
    int decimals() const { return m_decimals; }

    /// The value with exactly the set number of decimals; with groupDigits the thousands are
    /// separated as the locale does.
    QString textFromValue(double value, bool groupDigits) const;

    /// The value followed by a blank and the unit (no blank when the unit is empty), never
    /// grouped. With shortest the value takes as few digits as represent it (up to 15
    /// significant ones, in exponent form for very large or small values), otherwise two
    /// decimals.
    static QString toString(double value, const QString &unit, bool shortest);

private:
    int m_decimals = 2;
};

/// @}

} // namespace Velmaris
