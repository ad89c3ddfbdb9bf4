#pragma once
// Titles, captions and tooltips of the notice forms as data: one row per control and text.
// The notice forms are always in English; the language setting does not reach them.

#include "validation/save_readiness.h"

#include <vector>

class QWidget;

namespace ondrell {

enum class TextRole { Title, Caption, Tooltip };

struct CaptionBinding {
    TextRole role;
    int id;              // string table identifier
    const char *control; // objectName; "" for the window title
    FormMask forms;
};

const std::vector<CaptionBinding> &CaptionBindings();

// Sets the form's tooltips, then its title and captions, then appends the program identification
// to the title. Controls the form lacks are skipped.
void ApplyCaptions(QWidget &form, FormKind kind);

} // namespace ondrell
