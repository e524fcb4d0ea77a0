#pragma once

#include <QVariant>

#include <string>

namespace Velmaris {

// An edit as read once from its value cell, so that it can become the command of any
// property of the cell's kind: of the cell's own, or of each object that shares the cell.
struct PropertyEdit
{
    QVariant value;     // the edit value as the view wrote it: what numbers store
    QVariant flattened; // the same after the cell's text was flattened: what texts and booleans store
    std::string cellText; // the shown text, flattened unless a comment: what the descriptions name
    const std::string *choice = nullptr; // enumerations: the chosen value's key; null for none
    // Off where one command describes the commands of many objects: each description would
    // cost more than its command.
    bool describeEach = true;
};

} // namespace Velmaris
