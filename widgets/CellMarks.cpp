#include <velmaris/widgets/CellMarks.h>

#include <velmaris/model/ItemDataRoles.h>

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace Velmaris {

namespace {

constexpr int cornerSize = 8;
constexpr int stripeWidth = 4;
constexpr int symbolGap = 3;

QString symbolsOf(int flags)
{
    QString symbols;
    if (flags & AttentionFlag)
        symbols += QLatin1Char('!');
    if (flags & ReferenceMismatchFlag)
        symbols += QChar(0x2260); // not equal to
    return symbols;
}

QFont symbolFont(const QStyleOptionViewItem &option)
{
    QFont font = option.font;
    font.setBold(true);
    return font;
}

QColor symbolColor(const QStyleOptionViewItem &option)
{
    const bool selected = option.state & QStyle::State_Selected;
    return option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace

void paintAttentionBackground(QPainter *painter, const QStyleOptionViewItem &option, int flags)
{
    if (!(flags & AttentionFlag))
        return;
    painter->fillRect(option.rect, option.palette.color(QPalette::ToolTipBase));
    QColor hatch = option.palette.color(QPalette::ToolTipText);
    hatch.setAlpha(40);
    painter->fillRect(option.rect, QBrush(hatch, Qt::BDiagPattern));
}

int marksWidth(const QStyleOptionViewItem &option, int flags)
{
    const QString symbols = symbolsOf(flags);
    if (symbols.isEmpty())
        return 0;
    const int stripe = (flags & ReferenceMismatchFlag) ? stripeWidth : 0;
    return QFontMetrics(symbolFont(option)).horizontalAdvance(symbols) + 2 * symbolGap + stripe;
}

void paintMarks(QPainter *painter, const QStyleOptionViewItem &option, int flags)
{
    painter->save();
    if (flags & ChangedFlag) {
        painter->setRenderHint(QPainter::Antialiasing);
        const QPoint corner = option.rect.topLeft();
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.color(QPalette::Highlight));
        painter->drawPolygon(QPolygon({corner, corner + QPoint(cornerSize, 0), corner + QPoint(0, cornerSize)}));
    }
    QRect symbols = option.rect.adjusted(0, 0, -symbolGap, 0);
    if (flags & ReferenceMismatchFlag) {
        painter->fillRect(QRect(option.rect.right() - stripeWidth + 1, option.rect.top(), stripeWidth, option.rect.height()),
                          option.palette.color(QPalette::LinkVisited));
        symbols.adjust(0, 0, -stripeWidth, 0);
    }
    const QString text = symbolsOf(flags);
    if (!text.isEmpty()) {
        painter->setFont(symbolFont(option));
        painter->setPen(symbolColor(option));
        painter->drawText(symbols, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter->restore();
}

} // namespace Velmaris
