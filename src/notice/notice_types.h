#pragma once
// One descriptor per notice type: everything the program needs to know about a type in one place
// (its form, file prefix, capture, the boxes that make a notice "new", which save checks run, its
// window title). Adding a notice type means adding its descriptor here, its form and its rules.

#include "notice/vocabulary.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ondrell {

// The eight notice types, in the order of the main menu.
enum class FormKind { GS1, GT1, GS2, GT2, GA1, TB5, TB3, TB2 };

using FormMask = std::uint32_t;
constexpr FormMask MaskOf(FormKind kind) {
    return FormMask{1} << static_cast<int>(kind);
}

struct NoticeTypeDescriptor {
    FormKind kind;
    std::string_view type;       // t_notice_type: "GS1", ...
    std::string_view formName;   // class and objectName of the form: "GS1AssignFrmGE06", ...
    std::string_view filePrefix; // proposed file name prefix: "GS1-", ...
    // Code passed to the common screen capture; none for GA1, which has its own capture.
    std::optional<CaptureCode> captureCode;
    std::string_view stationClass;              // stn_cls: "BC", "BT" or none
    std::span<const std::string_view> newBoxes; // any of them filled: the screen holds a notice
    bool softReadiness;                         // a full check before the mandatory one
    bool articleCheck;                          // Art. 4 or Art. 5 must be chosen first
    bool hoursDefaults;                         // empty operating hours become 0000 and 2400
    int titleStringId;                          // string table id of the window title
    std::string_view menuOption;                // option button on the main menu
    int menuCaptionId;                          // its caption in the string table
};

// All eight, in menu order.
std::span<const NoticeTypeDescriptor> NoticeTypes();
const NoticeTypeDescriptor &Descriptor(FormKind kind);
// stn_cls of a notice type ("BC", "BT"; none for the other types).
std::string_view StationClassOf(std::string_view type);
// The descriptor of a form by its name, or null.
const NoticeTypeDescriptor *DescriptorOfForm(std::string_view formName);

} // namespace ondrell
