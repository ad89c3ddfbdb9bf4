#pragma once
// What lets a notice form work on any screen from 1024x600 up, at any scale: the form's body scrolls
// while its workflow bar stays in view, the window opens no larger than the screen's free area, and
// every short box is wide enough for the longest text it takes.

class QWidget;

namespace ondrell {

// Moves everything of the form's top layout but the workflow bar into a scroll area; the bar stays
// below it, outside. Run once, before the form is shown.
void ScrollFormBody(QWidget &form, QWidget &bar);

// Sizes the form to what it asks for, bounded by the free area of the screen it opens on (frame
// included), and the bar to one or two rows as the width allows.
void FitToScreen(QWidget &form);

// Once shown: moves and shrinks the window so that its frame lies on the screen's free area.
void KeepOnScreen(QWidget &form);

// Gives every box with a short length limit room for its longest text in the box's own font.
void WidenShortBoxes(QWidget &form);

} // namespace ondrell
