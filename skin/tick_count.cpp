#include "skin/tick_count.h"

#include <QElapsedTimer>

namespace tavro {

qint64 TickCount() {
    static const QElapsedTimer start = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return start.elapsed();
}

}  // namespace tavro
