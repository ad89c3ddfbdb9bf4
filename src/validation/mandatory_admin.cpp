// Mandatory items of the administrative notices: suppression or withdrawal (TB5), request for
// publication in Part B (TB3) and copy of a Plan entry to the Master Register (TB2).

#include "validation/applicability.h"
#include "validation/applicability_items.h"
#include "validation/mandatory.h"
#include "validation/mandatory_texts.h"

namespace ondrell {
namespace {

constexpr ItemRule kTb3Items[] = {
    {mandatory_text::kTrgAdmRefIdMandatory, Has<&NoticeRecord::t_trg_adm_ref_id>},
    {mandatory_text::kPlanMandatory, Has<&NoticeRecord::t_plan>},
};

constexpr ItemRule kTb2Items[] = {
    {" t_plan_adm_ref_id is a mandatory value", Has<&NoticeRecord::t_plan_adm_ref_id>},
    {mandatory_text::kPlanMandatory, Has<&NoticeRecord::t_plan>},
    {" t_d_inuse is a mandatory value (2C)", Has<&NoticeRecord::t_d_inuse>},
    {" t_addr_code is a mandatory value (12B)", Has<&NoticeRecord::t_addr_code>},
};

// The Plan entry to copy is named either by its identifier or by its frequency and position;
// the three rules are tested independently of each other.
void CheckTb2Target(const NoticeRecord &r, FindingSink &sink) {
    const bool byId = Given(r.t_trg_adm_ref_id);
    const bool byFrequency = Given(r.t_trg_freq_assgn);
    const int positionTexts =
        Given(r.trg_long.deg) + Given(r.trg_long.min) + Given(r.trg_lat.deg) + Given(r.trg_lat.min);
    if (byId && TargetCharacteristicsGiven(r) > 0)
        sink.Fatal(mandatory_text::kTargetNotBoth);
    if (byFrequency && positionTexts < 4)
        sink.Fatal(" t_trg_long and t_trg_lat must be provided");
    if (positionTexts > 0 && !byFrequency)
        sink.Fatal(" t_freq_assgn must be provided");
}

} // namespace

void CheckTb5Items(const NoticeRecord &r, FindingSink &sink) {
    if (Missing(r.t_trg_adm_ref_id))
        sink.Fatal(mandatory_text::kTrgAdmRefIdMandatory);
    CheckAdministrativeItems(r, sink);
}

void CheckTb3Items(const NoticeRecord &r, FindingSink &sink) {
    ReportMissing(r, kTb3Items, sink);
    CheckAdministrativeItems(r, sink);
}

void CheckTb2Items(const NoticeRecord &r, FindingSink &sink) {
    ReportMissing(r, kTb2Items, sink);
    CheckTb2Target(r, sink);
    CheckAdministrativeItems(r, sink);
}

} // namespace ondrell
