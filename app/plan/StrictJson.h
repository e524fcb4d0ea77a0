#pragma once

#include <QByteArray>
#include <QString>

#include <nlohmann/json.hpp>

#include <optional>

namespace VelmarisEditor {

// Where and why a text was refused as JSON.
struct JsonRefusal
{
    QString place; // "line 4, column 7"
    QString problem;
};

// Reads JSON as RFC 8259 defines it, and also refuses what would make a plan ambiguous: a
// member name given twice in one object, a member name holding NUL, nesting deeper than a plan
// ever needs. Numbers that do not fit a double are refused; integers keep all their digits.
std::optional<nlohmann::json> parseStrictJson(const QByteArray &text, JsonRefusal *refusal);

} // namespace VelmarisEditor
