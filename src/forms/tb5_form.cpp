// TB5FrmGE06: suppression of an assignment or allotment, or withdrawal of a notice under treatment.
#include "forms/notice_form.h"
#include "ui_tb5_form.h"

namespace ondrell {
using TB5FrmGE06 = DesignedForm<Ui::TB5FrmGE06, FormKind::TB5>;
namespace {
const bool registered = RegisterForm<TB5FrmGE06>(FormKind::TB5);
} // namespace
} // namespace ondrell
