#pragma once

#include <QString>

#include <vector>

namespace Velmaris {
class ProcPlanBaseQItemModel;
}

namespace VelmarisEditor {

class PlanDocument;

// One line of a property report: a category heading, or a property with its value as the view
// shows it (number format, unit or currency, booleans in words) and its marks in words, or a
// further line of a value of several lines.
struct ReportLine
{
    QString text;
    bool heading = false;
    bool continued = false;
};

class ObjectReport
{
public:
    // The property tree as shown, line by line; a value that differs from the reference plan
    // is followed by the reference's value, shown the same way (the library only reads the
    // reference, whose labels it takes without const).
    static std::vector<ReportLine> lines(const Velmaris::ProcPlanBaseQItemModel &model, PlanDocument *reference);
    // A PDF of the lines under the title.
    static std::vector<char> render(const std::vector<ReportLine> &lines, const QString &title);
};

} // namespace VelmarisEditor
