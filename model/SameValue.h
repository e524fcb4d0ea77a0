#pragma once

namespace CCAPIBaseCommon {
class BaseProperty;
}

namespace Velmaris {

// Whether two properties of one kind hold the same value, so that one cell can show it for
// both: enumerations by the key of their value, as objects may count their allowed values
// differently; no value equals only no value.
bool sameValue(const CCAPIBaseCommon::BaseProperty &a, const CCAPIBaseCommon::BaseProperty &b);

} // namespace Velmaris
