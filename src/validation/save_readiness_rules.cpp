#include "refdata/area_codes.h"
#include "validation/check_point.h"
#include "validation/plan_entry.h"
#include "validation/save_readiness.h"

namespace ondrell {

ReadinessRules DefaultReadinessRules(const WorldMap *map) {
    ReadinessRules rules;
    rules.canNotifyFor = [](const std::string &ctry, const std::string &adm) {
        return CanNotifyFor(ctry, adm);
    };
    rules.assignmentPlanEntry = [](const std::string &plan, const std::string &code, const std::string &sfn,
                                   const std::string &admAllot, const std::string &assocSfn) {
        std::string messages;
        AssignmentPlanEntryBroken(plan, code, sfn, admAllot, assocSfn, messages);
        return messages;
    };
    rules.allotmentPlanEntry = [](const std::string &plan, const std::string &sfn) {
        std::string messages;
        AllotmentPlanEntryBroken(plan, sfn, messages);
        return messages;
    };
    if (map)
        rules.pointInCountry = [map](Coordinate lon, Coordinate lat, const std::string &ctry, int toleranceKm,
                                     std::string *detail) {
            return CheckPointInCountry(map, lon, lat, ctry, toleranceKm, *detail);
        };
    return rules;
}

} // namespace ondrell
