#pragma once
// Scroll bars painted flat in the palette's colours, for views whose scroll
// bars change at every zoom step: the Fusion style paints a scroll bar the
// length of a large window in over a millisecond, these in a few hundredths.
class QAbstractScrollArea;

namespace qtui {

void useFlatScrollBars(QAbstractScrollArea& area);

}  // namespace qtui
