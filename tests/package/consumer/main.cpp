// A minimal host: fills one category from the installed package and shows it in the
// package's property view.
#include <model/ProcPlanBaseQItemModel.h>
#include <widgets/PropertyTreeView.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    Velmaris::ProcPlanBaseQItemModel model;
    const QModelIndex category = model.categoryIndex("CAT_Cost", "Cost");
    Velmaris::PropertyTreeView view;
    view.setModel(&model);
    return category.data(Qt::DisplayRole).toString() == QStringLiteral("Cost") ? 0 : 1;
}
