#pragma once

#include <QtGlobal>

#include <functional>

namespace tavro {

// Milliseconds since an arbitrary start, never going back; the controls' timing rules
// (a drop-down's 200 ms, the colour panel's checks) read it through a TickSource so that
// tests can set the clock.
using TickSource = std::function<qint64()>;

qint64 TickCount();

}  // namespace tavro
