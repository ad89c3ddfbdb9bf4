#pragma once
// Geographic validation of a notice: ownership of the country, site and target positions,
// the coordination list, an allotment's geographic area and a sub-area contour.
// ValidateGeography(record, errors, label, const WorldMap *) is declared in validation/validate.h;
// the forms below take the map's answers through MapQueries so the rules can be tested alone.

#include "notice/record.h"
#include "validation/check_point.h"

#include <string>
#include <utility>
#include <vector>

namespace ondrell {

bool ValidateGeography(NoticeRecord &record, std::string &errors, const std::string &label,
                       const MapQueries &map);

// The number of test points the crossing check takes: t_nb_test_pts's leading number rounded half
// to even, held to a billion either way.
long TestPointCount(const SubAreaGroup &subArea);

// The crossing pairs (p, q) of the closed contour: segment from test point p to p+1 crosses the
// segment from q to q+1, points numbered by their position in the list from 1 (points not given
// are left out of the polygon but keep the others' numbers).
std::vector<std::pair<int, int>> ContourCrossingPairs(const SubAreaGroup &subArea, const MapQueries &map);

// Appends one fatal per crossing; true when the contour crosses itself.
bool CheckContourCrossing(const SubAreaGroup &subArea, std::string &errors, const std::string &label,
                          const MapQueries &map);
bool CheckContourCrossing(const SubAreaGroup &subArea, std::string &errors, const std::string &label);

} // namespace ondrell
