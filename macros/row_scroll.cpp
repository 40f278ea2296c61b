#include "macros/row_scroll.h"

#include <algorithm>

#include "macros/macro_model.h"

namespace tavro {

int FullRowsIn(int clientHeight) {
    return std::max(1, (clientHeight - kFirstRowTop) / kEventRowHeight);
}

int LastScrollPosition(int rowCount, int clientHeight) {
    return std::max(0, rowCount - FullRowsIn(clientHeight));
}

int PositionShowing(int index, int position, int rowCount, int clientHeight) {
    const int last = LastScrollPosition(rowCount, clientHeight);
    position = std::clamp(position, 0, last);
    if (index < position) {
        return std::max(0, index);
    }
    const int shown = FullRowsIn(clientHeight);
    if (index >= position + shown) {
        return std::min(last, index - shown + 1);
    }
    return position;
}

int32_t RowTop(int index, int position) {
    return kFirstRowTop + kEventRowHeight * (index - position);
}

}  // namespace tavro
