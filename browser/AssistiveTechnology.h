#pragma once

namespace lumivra {

// Whether an assistive technology (a screen reader) listens on the desktop's
// accessibility bus, asked the way the toolkit itself decides to expose the
// windows: the bus address given in AT_SPI_BUS_ADDRESS, or the session bus's
// "org.a11y.Bus" with its status IsEnabled or ScreenReaderEnabled set, or
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON. Never starts the accessibility bus.
bool AssistiveTechnologyRunning();

// Before the browser engine starts: the engine exposes the pages to
// assistive technology only when asked for it in its environment, so it is
// asked when one is running (an explicit setting is left alone).
void EnableEngineAccessibilityIfNeeded();

}  // namespace lumivra
