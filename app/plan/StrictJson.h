#pragma once

#include "app/plan/JsonTree.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace VelmarisEditor {

// Where and why a text was refused as JSON.
struct JsonRefusal
{
    QString place; // "line 4, column 7"; empty when the text as a whole is refused
    QString problem;
};

// The elements of one list member of the top-level object, handed over one by one as they are
// read instead of kept in the document, where the list stays empty; with each, how many bytes
// of the text were read. An element is valid only while it is handed over. A taker that
// refuses an element says why and ends the reading.
struct StreamedList
{
    std::string member;
    std::function<bool(JsonTree::Value element, std::size_t index, std::size_t bytesRead, JsonRefusal *refusal)> take;
};

// Reads JSON as RFC 8259 defines it, and also refuses what would make a plan ambiguous: a
// member name given twice in one object, a member name holding NUL, nesting deeper than a plan
// ever needs. Numbers that do not fit a double are refused; integers keep all their digits.
// Members are found by the known names given.
std::optional<JsonTree> parseStrictJson(std::string_view text, const KnownNames &names, JsonRefusal *refusal,
                                        const StreamedList *streamed = nullptr);

} // namespace VelmarisEditor
