#pragma once

#include <QSortFilterProxyModel>

namespace VelmarisEditor {

// Shows the property rows whose label holds a text, in any case, with the categories above
// them. A new text maps the rows anew in one step: taken back row by row, a keystroke on a
// large object would announce thousands of scattered removals to the view.
class PropertyFilterModel : public QSortFilterProxyModel
{
public:
    explicit PropertyFilterModel(QObject *parent = nullptr);

    void setLabelFilter(const QString &text);
    const QString &labelFilter() const { return m_text; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
};

} // namespace VelmarisEditor
