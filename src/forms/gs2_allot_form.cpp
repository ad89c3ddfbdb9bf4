// GS2AllotFrmGE06: the notice of a T-DAB allotment.
#include "forms/notice_form.h"
#include "ui_gs2_allot_form.h"

namespace ondrell {
using GS2AllotFrmGE06 = DesignedForm<Ui::GS2AllotFrmGE06, FormKind::GS2>;
namespace {
const bool registered = RegisterForm<GS2AllotFrmGE06>(FormKind::GS2);
} // namespace
} // namespace ondrell
