#include "app/ui/ModelDump.h"

#include "app/ui/PropertyViewFiller.h"

#include <velmaris/model/ItemDataRoles.h>
#include <velmaris/model/PropertyRowWalk.h>

#include <QAbstractItemModel>
#include <QStringList>
#include <QTextStream>

namespace VelmarisEditor {

namespace {

// The state flags of a value cell in short words ("changed, attention"); empty for none.
QString stateFlagWords(int flags)
{
    QStringList words;
    if (flags & Velmaris::ChangedFlag)
        words << QStringLiteral("changed");
    if (flags & Velmaris::AttentionFlag)
        words << QStringLiteral("attention");
    if (flags & Velmaris::ReferenceMismatchFlag)
        words << QStringLiteral("reference-mismatch");
    return words.join(QStringLiteral(", "));
}

} // namespace

QString dumpPropertyTree(const QAbstractItemModel &model)
{
    QString text;
    QTextStream out(&text);
    const auto category = [&out](const QModelIndex &category) {
        out << category.data(Qt::DisplayRole).toString() << '\n';
    };
    Velmaris::forEachPropertyRow(model, category, [&out](const QModelIndex &row) {
        const QModelIndex label = row.siblingAtColumn(PropertyViewFiller::labelColumn);
        const QModelIndex value = row.siblingAtColumn(PropertyViewFiller::valueColumn);
        out << "  " << label.data(Qt::DisplayRole).toString() << " = "
            << value.data(Qt::DisplayRole).toString().replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        const QString flags = stateFlagWords(value.data(Velmaris::StateFlagsRole).toInt());
        if (!flags.isEmpty())
            out << " [" << flags << ']';
        if (value.data(Velmaris::ReadOnlyRole).toBool())
            out << " (read-only)";
        out << '\n';
    });
    return text;
}

} // namespace VelmarisEditor
