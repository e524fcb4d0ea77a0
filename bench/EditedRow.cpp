#include "bench/EditedRow.h"

#include <velmaris/host/commands/CommandBase.h>
#include <velmaris/host/objects/ProcessLayout.h>
#include <velmaris/host/property/BaseProperty.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <variant>

EditedRow::EditedRow(int n)
    : m_plan(n)
    , m_layout(std::make_shared<Velmaris::ProcessLayout>(&m_plan.labels))
    , m_property(static_cast<std::size_t>(n / 40 * 20 + 4)) // a double, whatever n
{
    m_editor.fillAndShow(m_plan);
    m_cell = valueCellOf(m_editor.model, m_plan, m_property);
    m_shownCell = m_editor.filter.mapFromSource(m_cell);
    m_editor.view.scrollTo(m_shownCell, QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    QObject::connect(&m_editor.model, &Velmaris::ProcPlanBaseQItemModel::sigPropGotModified, &m_editor.model,
                     [this] { commit(); });
    edit();
    const CCAPIBaseCommon::PropertyValue value = m_plan.containers[m_property]->getProperty()->value();
    const auto *stored = std::get_if<double>(&value);
    if (!stored || *stored != m_value) {
        std::fprintf(stderr, "EditedRow: an edit did not reach the property\n");
        std::abort();
    }
}

EditedRow::~EditedRow() = default;

void EditedRow::edit()
{
    m_value = m_value > 90.0 ? 1.0 : m_value + 1.0;
    m_editor.filter.setData(m_shownCell, m_value);
}

void EditedRow::refresh()
{
    m_filling = true;
    refreshRow(m_editor.model, m_plan, m_property, m_cell);
    m_filling = false;
    m_editor.repaintRow(m_cell);
}

void EditedRow::commit()
{
    if (m_filling)
        return;
    m_filling = true;
    const auto command = m_editor.model.generatePropertyModifyCommand(
        &m_plan.controller, nullptr, m_layout, m_plan.containers[m_property]->getProperty(), m_cell);
    m_filling = false;
    command->execute();
    refresh();
}
