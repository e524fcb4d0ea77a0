#include "app/ui/ModelDump.h"

#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/PropertyRowWalk.h>
#include <velmaris/widgets/PropertyCellText.h>

#include <QAbstractItemModel>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

namespace VelmarisEditor {

QString dumpPropertyTree(const QAbstractItemModel &model)
{
    QString text;
    QTextStream out(&text);
    const auto category = [&out](const QModelIndex &category) {
        out << category.data(Qt::DisplayRole).toString() << '\n';
    };
    const QLocale locale;
    Velmaris::forEachPropertyRow(model, category, [&out, &locale](const QModelIndex &row) {
        const QModelIndex label = row.siblingAtColumn(PropertyViewFiller::labelColumn);
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        out << "  " << label.data(Qt::DisplayRole).toString() << " = "
            << Velmaris::PropertyCellText::valueToString(value, locale).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        const QStringList marks = Velmaris::PropertyCellText::marks(value, locale);
        if (!marks.isEmpty())
            out << " [" << marks.join(QStringLiteral("; ")) << ']';
        out << '\n';
    });
    return text;
}

} // namespace VelmarisEditor
