#pragma once

#include "app/plan/JsonWriter.h"
#include "app/plan/PlanDocument.h"

#include <QByteArray>

namespace VelmarisEditor {

class PlanSnapshot;
struct WorkProgress;

// Writes the plan in the file format: compact, one object per line, and every optional field
// that holds its default left out, so that a plan read and written again gives the same bytes.
// With a snapshot the objects are written as they were when it was taken; the progress counts
// the objects written. False when the writer's sink failed or a number was not finite.
bool writePlan(const PlanDocument &plan, JsonWriter &writer, PlanSnapshot *snapshot = nullptr,
               WorkProgress *progress = nullptr);
// One object as writePlan writes it.
void writeObject(const PlanObject &object, JsonWriter &writer);

// The plan in the file format, in memory; empty when a number is not finite.
QByteArray serializePlan(const PlanDocument &plan);

} // namespace VelmarisEditor
