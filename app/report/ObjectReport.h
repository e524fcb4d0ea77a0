#pragma once

#include <QString>

#include <vector>

class QAbstractItemModel;

namespace VelmarisEditor {

// A PDF of the property tree as shown: one line per category and per property with its value.
std::vector<char> renderPropertyReport(const QAbstractItemModel &model, const QString &title);

} // namespace VelmarisEditor
