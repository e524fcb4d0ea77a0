#pragma once

#include <QString>

class QAbstractItemModel;

namespace VelmarisEditor {

// The filled property tree as indented text: each category, then per property its label,
// the shown value, its state flags in words and whether it is read-only.
QString dumpPropertyTree(const QAbstractItemModel &model);

} // namespace VelmarisEditor
