#pragma once

#include "app/ui/MainWindow.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <QTreeView>
#include <QtTest>

#include <memory>
#include <string>

// The view's index of a property's value cell.
QModelIndex viewCell(VelmarisEditor::MainWindow &window, const std::string &key);

// Edits a cell the way a view does: the delegate's editor, then setModelData.
template <typename Editor, typename Set>
void editThroughDelegate(VelmarisEditor::MainWindow &window, const std::string &key, Set set)
{
    QTreeView *view = window.propertyView();
    const QModelIndex cell = viewCell(window, key);
    auto *delegate = static_cast<Velmaris::PropertyItemDelegate *>(view->itemDelegate());
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), cell));
    auto *typed = qobject_cast<Editor *>(editor.get());
    QVERIFY(typed);
    delegate->setEditorData(typed, cell);
    set(*typed);
    delegate->setModelData(typed, view->model(), cell);
}
