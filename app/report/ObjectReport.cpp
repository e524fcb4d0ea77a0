#include "app/report/ObjectReport.h"

#include "app/plan/PlanDocument.h"
#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/PropertyRowWalk.h>
#include <velmaris/widgets/PropertyItemDelegate.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardItem>
#include <QStringList>

namespace VelmarisEditor {

std::vector<ReportLine> ObjectReport::lines(const Velmaris::ProcPlanBaseQItemModel &model, PlanDocument *reference)
{
    // The view's own delegate words the values, so that the report reads as the screen does; a
    // reference value is filled into a cell of its own to be worded the same way.
    const Velmaris::PropertyItemDelegate delegate;
    Velmaris::ProcPlanBaseQItemModel referenceCell;
    referenceCell.setExchangeRate(model.exchangeRate());
    const auto referenceText = [&](const QModelIndex &value) {
        CCAPIBaseCommon::BaseProperty *property =
            reference ? reference->property(model.getPropertyParentIdAtIndex(value), model.getPropertyKeyAtIndex(value))
                      : nullptr;
        if (!property)
            return tr("not in the reference plan");
        // A fresh cell: a fill writes only the roles of its own kind of value.
        referenceCell.clear();
        referenceCell.appendRow(new QStandardItem);
        referenceCell.updatePropertyValueAt(&reference->labels, property, nullptr, -1, referenceCell.index(0, 0),
                                            nullptr, 0, false, false);
        return tr("the reference plan has %1").arg(delegate.cellText(referenceCell.index(0, 0)));
    };
    std::vector<ReportLine> lines;
    const auto category = [&lines](const QModelIndex &category) {
        lines.push_back({category.data(Qt::DisplayRole).toString(), true});
    };
    Velmaris::forEachPropertyRow(model, category, [&](const QModelIndex &row) {
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        const int flags = value.data(Velmaris::StateFlagsRole).toInt();
        QStringList marks;
        if (flags & Velmaris::ChangedFlag)
            marks << tr("changed by the user");
        if (flags & Velmaris::AttentionFlag)
            marks << tr("needs attention");
        if (flags & Velmaris::ReferenceMismatchFlag)
            marks << referenceText(value);
        if (value.data(Velmaris::ReadOnlyRole).toBool())
            marks << tr("read-only");
        // A comment keeps its lines, each under the one before; the delegate words its breaks
        // as line separators, which a PDF's text draws as nothing.
        const QStringList valueLines = delegate.cellText(value).split(QChar::LineSeparator);
        lines.push_back({row.siblingAtColumn(PropertyViewFiller::labelColumn).data().toString() + QStringLiteral(": ")
                             + valueLines.first(),
                         false});
        for (int i = 1; i < valueLines.size(); ++i)
            lines.push_back({valueLines[i], false, true});
        if (!marks.isEmpty())
            lines.back().text += QStringLiteral("  (") + marks.join(QStringLiteral("; ")) + QLatin1Char(')');
    });
    return lines;
}

std::vector<char> ObjectReport::render(const std::vector<ReportLine> &lines, const QString &title)
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
        for (const ReportLine &shown : lines)
            line(shown.text, shown.heading ? 0 : shown.continued ? 40 : 20, shown.heading);
    }
    const QByteArray &bytes = buffer.data();
    return std::vector<char>(bytes.begin(), bytes.end());
}

} // namespace VelmarisEditor
