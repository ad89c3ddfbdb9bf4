// TB3FrmGE06: request for publication in Part B, with the administrations coordinated with.
#include "forms/notice_form.h"
#include "ui_tb3_form.h"

namespace ondrell {
using TB3FrmGE06 = DesignedForm<Ui::TB3FrmGE06, FormKind::TB3>;
namespace {
const bool registered = RegisterForm<TB3FrmGE06>(FormKind::TB3);
} // namespace
} // namespace ondrell
