#include "app/plan/PlanSnapshot.h"

#include "app/plan/PlanWriter.h"

namespace VelmarisEditor {

PlanSnapshot::PlanSnapshot(const PlanDocument &plan)
    : m_plan(plan)
    , m_written(plan.objects().size(), false)
{
}

void PlanSnapshot::preserve(std::size_t row)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_written[row] || m_preserved.count(row))
        return;
    std::string &copy = m_preserved[row];
    JsonWriter writer([&copy](const char *data, std::size_t size) {
        copy.append(data, size);
        return true;
    });
    writeObject(m_plan.objects()[row], writer);
    writer.finish();
}

void PlanSnapshot::write(std::size_t row, JsonWriter &out)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto preserved = m_preserved.find(row);
    if (preserved != m_preserved.end())
        out.rawValue(preserved->second);
    else
        writeObject(m_plan.objects()[row], out);
    m_written[row] = true;
}

} // namespace VelmarisEditor
