#pragma once

#include <QString>

class QAbstractItemModel;

namespace VelmarisEditor {

// The filled property tree as indented text: each category, then per property its label, the
// value and its marks in the words of the view (PropertyCellText), in the default locale.
QString dumpPropertyTree(const QAbstractItemModel &model);

} // namespace VelmarisEditor
