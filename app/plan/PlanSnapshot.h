#pragma once

#include "app/plan/JsonWriter.h"
#include "app/plan/PlanDocument.h"

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace VelmarisEditor {

// The plan as it was when a save began, while the save writes it on another thread and the
// user goes on editing: an object about to change before the save reached it is kept as it was,
// in its written form; every other object is written from the plan itself, under a lock that an
// edit waits for. Objects are neither added nor removed while it lives.
class PlanSnapshot
{
public:
    explicit PlanSnapshot(const PlanDocument &plan);

    // On the editing thread, before any property of the object changes.
    void preserve(std::size_t row);
    // On the writing thread: the object as it was when the save began.
    void write(std::size_t row, JsonWriter &out);

private:
    const PlanDocument &m_plan;
    std::mutex m_mutex;
    std::vector<bool> m_written;
    std::unordered_map<std::size_t, std::string> m_preserved;
};

} // namespace VelmarisEditor
