// What an allotment notice (GS2 T-DAB, GT2 DVB-T) must and must not carry.

#include "notice/vocabulary.h"
#include "validation/applicability.h"
#include "validation/applicability_items.h"
#include "validation/applicability_table.h"
#include "validation/mandatory_texts.h"
#include "validation/plan_entry.h"

#include <string>

namespace ondrell {
namespace {

using R = NoticeRecord;
using A = AllotmentGroup;
namespace text = mandatory_text;

constexpr ItemRule kAllotmentItems[] = {
    {text::kAdmRefIdMandatory, Has<&R::t_adm_ref_id>},
    {" t_allot_name is mandatory", HasAllotment<&A::t_allot_name>},
    {text::kPolarMandatory, Has<&R::t_polar>},
    {text::kPubReqMandatoryArt4, Has<&R::t_is_pub_req>},
    {text::kPlanEntryMandatory, Has<&R::t_plan_entry>},
};

// The area is a geographic area or a set of sub-areas, never both.
void CheckArea(const AllotmentGroup &a, FindingSink &sink) {
    if (Given(a.t_geo_area) && Given(a.t_nb_sub_areas))
        sink.Fatal(" If t_geo_area is provided then t_nb_sub_areas should not be given");
    if (Missing(a.t_geo_area) && Missing(a.t_nb_sub_areas))
        sink.Fatal(" Either t_geo_area or t_nb_sub_areas and t_contour_id(s) should be given");
}

} // namespace

void CheckAllotmentItems(const NoticeRecord &r, FindingSink &sink) {
    ReportMissing(r, kAllotmentItems, sink);
    std::string broken;
    if (Given(r.t_plan_entry) && AllotmentPlanEntryBroken(r.t_plan_entry, r.planning.t_sfn_id, broken))
        sink.Fatal(broken);
    CheckArea(r.planning.allotment, sink);
    if (Missing(r.planning.t_ref_plan_cfg))
        sink.Fatal(text::kRefPlanCfgMandatory);
    if (SameCode(r.t_notice_type, notice_type::GT2) && Missing(r.planning.allotment.t_typ_ref_netwk))
        sink.Fatal(" t_typ_ref_netwk is mandatory");
    if (SameCode(r.t_action, action::Add) && Given(r.t_trg_adm_ref_id))
        sink.Fatal(" : t_trg_adm_ref_id should not be notified for a " + r.t_action +
                   "; t_trg_adm_ref_id is used as the identifier of the target");
    ReportItemsNotCarried(r, CarryColumn::Allotment, sink);
}

void CheckSubAreaItems(const NoticeRecord &r, FindingSink &sink) {
    if (Missing(r.sub_area.t_contour_id))
        sink.Fatal("t_countour_id is mandatory");
    if (Missing(r.sub_area.t_nb_test_pts))
        sink.Fatal("t_nb_test_pts is mandatory");
    const std::size_t visited = VisitedTestPoints(r);
    for (std::size_t i = 0; i < visited; ++i)
        if (!r.sub_area.test_points[i].given)
            sink.Fatal("All the coordinates of the test points are mandatory");
    ReportItemsNotCarried(r, CarryColumn::SubArea, sink);
}

void CheckAdministrativeItems(const NoticeRecord &r, FindingSink &sink) {
    ReportItemsNotCarried(r, CarryColumn::Administrative, sink);
}

} // namespace ondrell
