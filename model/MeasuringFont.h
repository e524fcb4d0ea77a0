#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QVariant>

#include <optional>

namespace Velmaris {

// The application font that value widths are measured in. Font, metrics and the widths
// already measured are kept until the family or point size changes.
class MeasuringFont
{
public:
    // Follows the style values as they are now.
    void follow(const QVariant &family, const QVariant &pointSize);
    // Width in pixels of the text in the current font; follow() must have run first.
    int width(const QString &text);

private:
    static constexpr int maxRememberedWidths = 65536;

    QString m_family;
    int m_pointSize = 0;
    std::optional<QFontMetrics> m_metrics;
    QHash<QString, int> m_widths;
};

} // namespace Velmaris
