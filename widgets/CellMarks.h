#pragma once

class QPainter;
class QStyleOptionViewItem;

namespace Velmaris {

// The marks of a value cell's state flags, each with a shape of its own so that none is told by
// its colour alone: a corner triangle (changed), a hatched background and "!" (needs attention),
// a stripe and "≠" (differs from the reference). Colours come from the cell's palette.
void paintAttentionBackground(QPainter *painter, const QStyleOptionViewItem &option, int flags);
// The room the marks take at the cell's right edge; the value's text stays left of it.
int marksWidth(const QStyleOptionViewItem &option, int flags);
void paintMarks(QPainter *painter, const QStyleOptionViewItem &option, int flags);

} // namespace Velmaris
