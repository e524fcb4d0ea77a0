#pragma once

#include <limits>

namespace VelmarisEditor {

// What the reader and the writer of plan files must agree on.
inline constexpr char s_planFormat[] = "velmaris-plan";
inline constexpr int s_planVersion = 1;

// A bound a file leaves out: an integer property keeps its bounds as int.
constexpr double unboundedMinimum(bool integerKind)
{
    return integerKind ? std::numeric_limits<int>::min() : std::numeric_limits<double>::lowest();
}
constexpr double unboundedMaximum(bool integerKind)
{
    return integerKind ? std::numeric_limits<int>::max() : std::numeric_limits<double>::max();
}

} // namespace VelmarisEditor
