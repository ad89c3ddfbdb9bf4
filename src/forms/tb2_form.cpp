// TB2FrmGE06: copy of a Plan assignment to the Master Register.
#include "forms/notice_form.h"
#include "ui_tb2_form.h"

namespace ondrell {
using TB2FrmGE06 = DesignedForm<Ui::TB2FrmGE06, FormKind::TB2>;
namespace {
const bool registered = RegisterForm<TB2FrmGE06>(FormKind::TB2);
} // namespace
} // namespace ondrell
