#pragma once
// Captions and tooltips of the notice forms as data (titles come with the notice types): one row per control
// and text. The notice forms are always in English; the language setting does not reach them.

#include "notice/notice_types.h"

#include <vector>

class QWidget;

namespace ondrell {

enum class TextRole { Caption, Tooltip };

struct CaptionBinding {
    TextRole role;
    int id;              // string table identifier
    const char *control; // objectName
    FormMask forms;
};

const std::vector<CaptionBinding> &CaptionBindings();

// Sets the form's tooltips, then its title and captions, then appends the program identification
// to the title. Controls the form lacks are skipped.
void ApplyCaptions(QWidget &form, FormKind kind);

} // namespace ondrell
