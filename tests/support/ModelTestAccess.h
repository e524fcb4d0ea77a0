#pragma once

#include "model/ProcPlanBaseQItemModel.h"

namespace Velmaris {

// The model's private helpers, reached the way the model's header allows tests to.
struct ProcPlanBaseQItemModelTestAccess
{
    static std::string replaced(ProcPlanBaseQItemModel &model, std::string subject,
                                const std::string &search, const std::string &replacement)
    {
        model.replaceStringInPlace(subject, search, replacement);
        return subject;
    }

    static void setSpinBoxRole(ProcPlanBaseQItemModel &model, const QModelIndex &index, int width)
    {
        model.setSpinbBoxRole(index, width);
    }
};

} // namespace Velmaris
