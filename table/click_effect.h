#pragma once
// The touch animation at the mouse: thirty 100 x 100 frames of the strip "GTouch" from the
// graphics pack, 12 ms each, over the area under the mouse. Without the pack it does nothing.

class QWidget;

namespace vantor {

// Shows the effect on `window` at the current mouse position; returns false (and shows
// nothing) when the graphics pack or its strip cannot be loaded.
bool ClickEffect(QWidget* window);

} // namespace vantor
