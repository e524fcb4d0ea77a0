#pragma once

#include <QString>

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>

namespace VelmarisEditor {

// Where and why a text was refused as JSON.
struct JsonRefusal
{
    QString place; // "line 4, column 7"; empty when the text as a whole is refused
    QString problem;
};

// Reads JSON as RFC 8259 defines it, and also refuses what would make a plan ambiguous: a
// member name given twice in one object, a member name holding NUL, nesting deeper than a plan
// ever needs. Numbers that do not fit a double are refused; integers keep all their digits.
std::optional<nlohmann::json> parseStrictJson(std::string_view text, JsonRefusal *refusal);

} // namespace VelmarisEditor
