#pragma once

namespace Velmaris {

class PropertySignalContainer;

// Whether a view shows the container's property: by the label key's visibility or by the
// property's own, which the show-all switch overrules (then even a container without a valid
// property is shown).
bool isShownProperty(const PropertySignalContainer *container, bool useLabelKeyVisibility, bool showAll);

} // namespace Velmaris
