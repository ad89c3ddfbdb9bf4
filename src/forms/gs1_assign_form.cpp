// GS1AssignFrmGE06: the notice of a T-DAB frequency assignment.
#include "forms/notice_form.h"
#include "ui_gs1_assign_form.h"

namespace ondrell {
using GS1AssignFrmGE06 = DesignedForm<Ui::GS1AssignFrmGE06, FormKind::GS1>;
namespace {
const bool registered = RegisterForm<GS1AssignFrmGE06>(FormKind::GS1);
} // namespace
} // namespace ondrell
