#pragma once
// What every window does when it loads.

class QWidget;

namespace dvx {

// Centres the window on the screen it is on (the primary one before it is
// shown), in whole pixels.
void centreOnScreen(QWidget& window);

} // namespace dvx
