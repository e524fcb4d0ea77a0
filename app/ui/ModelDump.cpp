#include "app/ui/ModelDump.h"

#include "app/ui/PropertyViewFiller.h"

#include "model/ItemDataRoles.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <QTextStream>

namespace VelmarisEditor {

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

QString dumpPropertyTree(const QAbstractItemModel &model)
{
    QString text;
    QTextStream out(&text);
    for (int c = 0; c < model.rowCount(); ++c) {
        const QModelIndex category = model.index(c, 0);
        out << category.data(Qt::DisplayRole).toString() << '\n';
        for (int r = 0; r < model.rowCount(category); ++r) {
            const QModelIndex label = model.index(r, PropertyViewFiller::labelColumn, category);
            const QModelIndex value = model.index(r, PropertyViewFiller::valueColumn, category);
            out << "  " << label.data(Qt::DisplayRole).toString() << " = "
                << value.data(Qt::DisplayRole).toString().replace(QLatin1Char('\n'), QStringLiteral("\\n"));
            const QString flags = stateFlagWords(value.data(Velmaris::StateFlagsRole).toInt());
            if (!flags.isEmpty())
                out << " [" << flags << ']';
            if (value.data(Velmaris::ReadOnlyRole).toBool())
                out << " (read-only)";
            out << '\n';
        }
    }
    return text;
}

} // namespace VelmarisEditor
