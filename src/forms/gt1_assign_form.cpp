// GT1AssignFrmGE06: the notice of a DVB-T frequency assignment.
#include "forms/notice_form.h"
#include "ui_gt1_assign_form.h"

namespace ondrell {
using GT1AssignFrmGE06 = DesignedForm<Ui::GT1AssignFrmGE06, FormKind::GT1>;
namespace {
const bool registered = RegisterForm<GT1AssignFrmGE06>(FormKind::GT1);
} // namespace
} // namespace ondrell
