// A minimal host: creates the model from the installed package and fills one category.
#include <model/ProcPlanBaseQItemModel.h>

#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    Velmaris::ProcPlanBaseQItemModel model;
    const QModelIndex category = model.categoryIndex("CAT_Cost", "Cost");
    return category.data(Qt::DisplayRole).toString() == QStringLiteral("Cost") ? 0 : 1;
}
