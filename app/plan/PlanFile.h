#pragma once

#include "app/plan/FileIdentity.h"
#include "app/plan/PlanDocument.h"
#include "app/plan/WorkProgress.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string_view>

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
    bool cancelled = false; // the reading was stopped, nothing is wrong with the file

    // "<file>: <place>: <problem>", the form shown in dialogs and on stderr.
    QString message() const;
};

// Reads a plan file; null with the error filled in when the file is refused. The identity, when
// asked for, describes the bytes that were read. The progress, when given, counts the bytes read
// and may stop the reading (on another thread than the one that reads).
std::unique_ptr<PlanDocument> loadPlan(const QString &path, PlanError *error, FileIdentity *identity = nullptr,
                                       WorkProgress *progress = nullptr);
// The same for bytes already read; sourceName stands for the file in messages.
std::unique_ptr<PlanDocument> parsePlan(std::string_view json, const QString &sourceName, PlanError *error,
                                        WorkProgress *progress = nullptr);

} // namespace VelmarisEditor
