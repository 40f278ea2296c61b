#pragma once

class QWindow;

// Lets the program see pointer presses on other programs and on the desktop while one of
// its pop-ups is open, as a low-level mouse hook does on Windows. On X11 this is an active
// XInput 2 grab of the pointer with owner events: a press over one of the program's own
// windows still goes to that window as usual, a press anywhere else comes to the grab
// window, at a position outside it. The keyboard is not grabbed, so the focus stays where
// it is. One grab exists per program; a second Grab() moves it. Elsewhere (offscreen,
// Wayland) the desktop offers no such grab and Grab() is false.
namespace tavro::pointer_grab {

// True where the desktop offers the grab (X11).
bool Available();
// `window` must be shown. False where there is no such grab, or while another program
// holds the pointer.
bool Grab(QWindow& window);
// Ends the grab if `window` holds it.
void Release(const QWindow& window);
bool IsHeldBy(const QWindow& window);

}  // namespace tavro::pointer_grab
