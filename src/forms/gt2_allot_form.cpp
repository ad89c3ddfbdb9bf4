// GT2AllotFrmGE06: the notice of a DVB-T allotment.
#include "forms/notice_form.h"
#include "ui_gt2_allot_form.h"

namespace ondrell {
using GT2AllotFrmGE06 = DesignedForm<Ui::GT2AllotFrmGE06, FormKind::GT2>;
namespace {
const bool registered = RegisterForm<GT2AllotFrmGE06>(FormKind::GT2);
} // namespace
} // namespace ondrell
