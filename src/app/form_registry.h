#pragma once
// The notice forms the main menu can open, registered by the forms themselves so the menu does
// not depend on any of them. A form's .cpp registers itself at start-up:
//
//   static const bool registered = ondrell::RegisterNoticeForm(
//       ondrell::FormKind::GS1, [](QWidget *parent) { return std::make_unique<GS1AssignFrmGE06>(parent); });

#include "notice/notice_types.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace ondrell {

using NoticeFormFactory = std::function<std::unique_ptr<QDialog>(QWidget *parent)>;

// Returns true so it can initialise a static; a later registration of the same kind replaces it.
bool RegisterNoticeForm(FormKind kind, NoticeFormFactory factory);

// A new form of that kind, or null when none is registered (not available yet).
std::unique_ptr<QDialog> CreateNoticeForm(FormKind kind, QWidget *parent);

} // namespace ondrell
