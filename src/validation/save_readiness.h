#pragma once
// Save-readiness checks: before a notice is appended to the file, the form is asked whether it
// holds enough to be saved. They read the form's controls through FormControls, not the record.
//   CheckMandatoryFields: the hard tier; a notice that fails it is never saved.
//   CheckSaveReadiness:   the soft tier (assignment and allotment forms); the user may save anyway.

#include "notice/form_controls.h"
#include "notice/notice_types.h"
#include "notice/record.h"

#include <cstdint>
#include <functional>
#include <string>

namespace ondrell {

// Rules that live with reference data, validation and geography, passed in so the checks stay
// testable on their own. DefaultReadinessRules wires the real ones.
struct ReadinessRules {
    // True when the administration may notify for the country.
    std::function<bool(const std::string &ctry, const std::string &adm)> canNotifyFor;
    // Assignment plan-entry check: the broken rules' texts, "" when none is broken.
    std::function<std::string(const std::string &planEntry, const std::string &assgnCode,
                              const std::string &sfnId, const std::string &admAllotId,
                              const std::string &assocAllotSfnId)>
        assignmentPlanEntry;
    // Allotment plan-entry check: the broken rule's text, "" when it holds.
    std::function<std::string(const std::string &planEntry, const std::string &sfnId)> allotmentPlanEntry;
    // Point-in-country check with tolerance; true when accepted, the position detail in *detail.
    std::function<bool(Coordinate lon, Coordinate lat, const std::string &ctry, int toleranceKm,
                       std::string *detail)>
        pointInCountry;
};

// What a form adds beyond its controls: the counts it keeps itself.
struct ReadinessInput {
    const FormControls &form;
    int contourIdCount = 0; // GS2, GT2: contour identifiers entered
    int testPointCount = 0; // GA1: test points entered
};

struct ReadinessReport {
    std::string text;
    bool flag = false; // true when at least one problem was found
};

class WorldMap;

// The real rules: reference tables, the plan-entry checks and the map (no position check without
// a map, so notices can still be saved when the map is missing).
ReadinessRules DefaultReadinessRules(const WorldMap *map);

ReadinessReport CheckMandatoryFields(FormKind kind, const ReadinessInput &input, const ReadinessRules &rules);
ReadinessReport CheckSaveReadiness(FormKind kind, const ReadinessInput &input, const ReadinessRules &rules);

} // namespace ondrell
