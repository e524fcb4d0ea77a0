#include "app/report/ObjectReport.h"

#include "app/ui/ModelDump.h"
#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/PropertyRowWalk.h>

#include <QAbstractItemModel>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace VelmarisEditor {

std::vector<char> renderPropertyReport(const QAbstractItemModel &model, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(96);
        QPainter painter(&writer);
        const int pageHeight = writer.height();
        const int lineHeight = 18;
        int y = 40;
        const auto line = [&](const QString &text, int indent, bool bold) {
            if (y + lineHeight > pageHeight - 40) {
                writer.newPage();
                y = 40;
            }
            QFont font = painter.font();
            font.setPointSize(bold ? 11 : 9);
            font.setBold(bold);
            painter.setFont(font);
            painter.drawText(40 + indent, y, text);
            y += lineHeight;
        };
        line(title, 0, true);
        y += lineHeight / 2;
        const auto category = [&line](const QModelIndex &category) {
            line(category.data(Qt::DisplayRole).toString(), 0, true);
        };
        Velmaris::forEachPropertyRow(model, category, [&line](const QModelIndex &row) {
            const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
            QString text = row.siblingAtColumn(PropertyViewFiller::labelColumn).data().toString()
                           + QStringLiteral(": ") + value.data().toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
            const QString flags = stateFlagWords(value.data(Velmaris::StateFlagsRole).toInt());
            if (!flags.isEmpty())
                text += QStringLiteral("  [") + flags + QLatin1Char(']');
            line(text, 20, false);
        });
    }
    const QByteArray &bytes = buffer.data();
    return std::vector<char>(bytes.begin(), bytes.end());
}

} // namespace VelmarisEditor
