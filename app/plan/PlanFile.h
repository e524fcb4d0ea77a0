#pragma once

#include "app/plan/PlanDocument.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace VelmarisEditor {

// The plan the editor starts with when given none, and File → New starts from; and its reference.
inline constexpr char s_samplePlan[] = ":/plans/sample-plan.json";
inline constexpr char s_sampleReference[] = ":/plans/reference-plan.json";

// Why a plan file was refused: which file, where in it, and what is wrong there.
struct PlanError
{
    QString file;
    QString place;   // e.g. "objects[2].properties[0].value", or "line 4, column 7"
    QString problem; // e.g. "value \"MAT_Gold\" is not one of the allowed values"

    // "<file>: <place>: <problem>", the form shown in dialogs and on stderr.
    QString message() const;
};

// Reads a plan file; null with the error filled in when the file is refused.
std::unique_ptr<PlanDocument> loadPlan(const QString &path, PlanError *error);
// The same for bytes already read; sourceName stands for the file in messages.
std::unique_ptr<PlanDocument> parsePlan(const QByteArray &json, const QString &sourceName, PlanError *error);

// The plan in the file format; parsePlan of the result gives an equal plan.
QByteArray serializePlan(const PlanDocument &plan);
// Writes atomically: on failure the previous file is left as it was.
bool savePlan(const PlanDocument &plan, const QString &path, QString *error);

} // namespace VelmarisEditor
