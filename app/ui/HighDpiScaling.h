#pragma once

namespace VelmarisEditor {

// Scales the windows by each screen's factor, fractions included, under Qt 5 as Qt 6 always
// does: text is then measured in the same logical pixels on every screen, so a cell's width
// (and the model's wide-number mark) does not depend on it. Call before the application exists.
void useHighDpiScaling();

} // namespace VelmarisEditor
