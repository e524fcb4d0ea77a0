#include "app/report/ObjectReport.h"

#include "app/plan/PlanDocument.h"
#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/ProcPlanBaseQItemModel.h>
#include <velmaris/model/PropertyRowWalk.h>
#include <velmaris/widgets/PropertyCellText.h>

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardItem>
#include <QStringList>

namespace VelmarisEditor {

std::vector<ReportLine> ObjectReport::lines(const Velmaris::ProcPlanBaseQItemModel &model, PlanDocument *reference)
{
    // The library words values and marks as the view shows and announces them; a reference value
    // is filled into a cell of its own to be worded the same way.
    const QLocale locale;
    Velmaris::ProcPlanBaseQItemModel referenceCell;
    referenceCell.setExchangeRate(model.exchangeRate());
    const auto referenceOf = [&](const QModelIndex &value) -> QModelIndex {
        CCAPIBaseCommon::BaseProperty *property =
            reference ? reference->property(model.getPropertyParentIdAtIndex(value), model.getPropertyKeyAtIndex(value))
                      : nullptr;
        if (!property || !(value.data(Velmaris::StateFlagsRole).toInt() & Velmaris::ReferenceMismatchFlag))
            return {};
        // A fresh cell: a fill writes only the roles of its own kind of value.
        referenceCell.clear();
        referenceCell.appendRow(new QStandardItem);
        referenceCell.updatePropertyValueAt(&reference->labels, property, nullptr, -1, referenceCell.index(0, 0),
                                            nullptr, 0, false, false);
        return referenceCell.index(0, 0);
    };
    std::vector<ReportLine> lines;
    const auto category = [&lines](const QModelIndex &category) {
        lines.push_back({category.data(Qt::DisplayRole).toString(), true});
    };
    Velmaris::forEachPropertyRow(model, category, [&](const QModelIndex &row) {
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        // A comment keeps its lines, each under the one before.
        static const QRegularExpression lineBreak(QStringLiteral("[\\n\\x{2028}]"));
        const QStringList textLines = Velmaris::PropertyCellText::labelledValue(value, locale).split(lineBreak);
        lines.push_back({textLines.first(), false});
        for (int i = 1; i < textLines.size(); ++i)
            lines.push_back({textLines[i], false, true});
        const QStringList marks = Velmaris::PropertyCellText::marks(value, locale, referenceOf(value));
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
