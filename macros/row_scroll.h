#pragma once

#include <cstdint>

namespace tavro {

// Scrolling of the macro list and the event editor, whose rows are laid out as the
// macro model lays out events (18 pixels, the first 5 pixels below the top). The
// scroll position is the number of rows scrolled off the top; every position shows
// whole rows from the top, and the last one shows the last row whole.

// Rows that fit whole into a client area of that height; at least one.
int FullRowsIn(int clientHeight);

// The largest position: 0 while every row fits.
int LastScrollPosition(int rowCount, int clientHeight);

// The position, nearest to `position`, at which row `index` is shown whole.
int PositionShowing(int index, int position, int rowCount, int clientHeight);

// The top of row `index` at `position`.
int32_t RowTop(int index, int position);

}  // namespace tavro
