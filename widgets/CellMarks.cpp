#include <velmaris/widgets/CellMarks.h>

#include <velmaris/model/ItemDataRoles.h>

#include <QPainter>
#include <QStyleOptionViewItem>

namespace Velmaris {

namespace {

constexpr int cornerSize = 8;
constexpr int stripeWidth = 4;
constexpr int symbolGap = 3;

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
    QString text;
    if (flags & AttentionFlag)
        text += QLatin1Char('!');
    if (flags & ReferenceMismatchFlag)
        text += QChar(0x2260); // not equal to
    if (!text.isEmpty()) {
        QFont font = option.font;
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(symbolColor(option));
        painter->drawText(symbols, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter->restore();
}

} // namespace Velmaris
