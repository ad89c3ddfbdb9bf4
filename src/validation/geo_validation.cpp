#include "validation/geo_validation.h"

#include "checks/coordinates.h"
#include "checks/numbers.h"
#include "notice/file_format.h"
#include "notice/vocabulary.h"
#include "refdata/area_codes.h"
#include "validation/check_point_coordinates.h"
#include "validation/findings.h"
#include "validation/validate.h"

#include <initializer_list>

namespace ondrell {
namespace {

bool TypeIsOneOf(const NoticeRecord &record, std::initializer_list<std::string_view> types) {
    for (auto type : types)
        if (SameSymbol(record.t_notice_type, type))
            return true;
    return false;
}

bool IsAssignment(const NoticeRecord &record) {
    return TypeIsOneOf(record, {notice_type::GS1, notice_type::GT1});
}

bool Incomplete(const Coordinate &lon, const Coordinate &lat) {
    return lon.deg.empty() || lon.min.empty() || lat.deg.empty() || lat.min.empty();
}

// The signed form the notice file uses, as the position messages quote it.
std::string SignedText(const Coordinate &c) {
    return FormatCoordinate(c.deg, c.min, c.sec, c.hemi);
}

// Checks one position and reports it: rejected is fatal, accepted with a detail is a warning.
// The position's text is made only for a finding: most points are simply accepted.
template <typename PositionOf>
void ReportPoint(FindingSink &sink, const MapQueries &map, Coordinate &lon, Coordinate &lat,
                 std::string_view country, int toleranceKm, PositionOf position) {
    std::string detail;
    const bool accepted = CheckPointInCountry(map, lon, lat, country, toleranceKm, detail);
    if (!accepted)
        sink.Fatal(position() + detail);
    else if (!detail.empty())
        sink.Warning(position() + detail);
}

std::string PositionText(std::string_view longKey, const std::string &lon, std::string_view latKey,
                         const std::string &lat) {
    return " : " + std::string(longKey) + " : " + lon + " " + std::string(latKey) + " : " + lat;
}

// Ownership of the country and, for assignments, the site and the Article 5 target.
void CheckCountryAndSite(NoticeRecord &record, FindingSink &sink, const MapQueries &map) {
    bool siteAgainstAdministration = false;
    if (record.t_ctry.empty()) {
        sink.Fatal(" : t_ctry is empty cannot validate");
    } else if (!CanNotifyFor(record.t_ctry, record.t_adm)) {
        if (IsAssignment(record) && SameSymbol(record.t_fragment, fragment::NTFD_RR)) {
            sink.Warning(" : t_ctry = " + record.t_ctry + " does not belong to t_adm = " + record.t_adm);
            siteAgainstAdministration = true;
        } else {
            sink.Fatal(" : t_adm = " + record.t_adm + " cannot notify for t_ctry = " + record.t_ctry);
        }
    }
    if (!IsAssignment(record))
        return;

    if (Incomplete(record.site_long, record.site_lat)) {
        sink.Fatal(" : coordinates are incomplete");
    } else {
        const std::string &country = siteAgainstAdministration ? record.t_adm : record.t_ctry;
        const int tolerance = siteAgainstAdministration ? kAdministrationToleranceKm : kCountryToleranceKm;
        ReportPoint(sink, map, record.site_long, record.site_lat, country, tolerance, [&record] {
            return PositionText("t_long", SignedText(record.site_long), "t_lat", SignedText(record.site_lat));
        });
    }

    if (record.t_fragment == fragment::NTFD_RR && record.t_action == action::Modify &&
        record.t_trg_adm_ref_id.empty()) {
        if (Incomplete(record.trg_long, record.trg_lat)) {
            sink.Fatal(" : target coordinates are incomplete");
        } else {
            ReportPoint(sink, map, record.trg_long, record.trg_lat, record.t_ctry, kCountryToleranceKm,
                        [&record] {
                            return PositionText("t_trg_long", SignedText(record.trg_long), "t_trg_lat",
                                                SignedText(record.trg_lat));
                        });
        }
    }
}

void CheckCoordinationList(const NoticeRecord &record, FindingSink &sink) {
    for (const auto &entry : record.coord.entries) {
        if (entry.adm.empty())
            continue;
        if (!IsAdministration(entry.adm))
            sink.Fatal(" : <COORD> " + entry.adm + " t_adm : Invalid administration code for the GE06");
        else if (SameSymbol(entry.adm, record.t_adm))
            sink.Fatal(" : <COORD> " + entry.adm +
                       " : Notifying administration cannot be within in the <COORD> section.");
    }
}

void CheckAllotmentArea(const NoticeRecord &record, FindingSink &sink) {
    const std::string &area = record.planning.allotment.t_geo_area;
    const bool owned = CanNotifyFor(area, record.t_adm);
    if (owned && !SameSymbol(area, record.t_ctry))
        sink.Fatal(" : t_geo_area has to be identical to t_ctry ");
    if (!owned)
        sink.Fatal(" : t_geo_area = " + area + " does not belong to t_adm = " + record.t_adm);
}

// False when the test-point count is out of range: the contour is then not looked at further.
bool CheckSubAreaContour(NoticeRecord &record, FindingSink &sink, const MapQueries &map) {
    const SubAreaGroup &subArea = record.sub_area;
    // The count as read, not rounded: 99.4 is more than 99 and 0.4 is not 0.
    const double notified = ReadLeadingNumber(subArea.t_nb_test_pts);
    if (notified == 0 || notified > kMaxTestPoints) {
        sink.Fatal(" : Number of test point notified is : " + subArea.t_nb_test_pts +
                   " the maximum number of test point allowed is 99 so the coordinates are not validated.");
        return false;
    }
    for (const TestPoint &point : subArea.test_points) {
        if (!point.given)
            continue;
        Coordinate lon = SplitSignedLongitude(point.t_long);
        Coordinate lat = SplitSignedLatitude(point.t_lat);
        ReportPoint(sink, map, lon, lat, record.t_ctry, kCountryToleranceKm,
                    [&point] { return PositionText("t_long", point.t_long, "t_lat", point.t_lat); });
    }
    if (sink.ok())
        sink.Merge(!CheckContourCrossing(subArea, sink.errors(), std::string(sink.label()), map));
    return true;
}

} // namespace

bool ValidateGeography(NoticeRecord &record, std::string &errors, const std::string &label,
                       const MapQueries &map) {
    FindingSink sink(errors, label);
    using namespace notice_type;
    if (TypeIsOneOf(record, {GS1, GT1, GS2, GT2, GA1}))
        CheckCountryAndSite(record, sink, map);
    if (TypeIsOneOf(record, {GS1, GT1, GS2, GT2, TB3}) && record.coord.present)
        CheckCoordinationList(record, sink);
    if (TypeIsOneOf(record, {GS2, GT2}) && !record.planning.allotment.t_geo_area.empty())
        CheckAllotmentArea(record, sink);
    if (TypeIsOneOf(record, {GA1}) && !CheckSubAreaContour(record, sink, map))
        return false;
    return sink.ok();
}

bool ValidateGeography(NoticeRecord &record, std::string &errors, const std::string &label,
                       const WorldMap *map) {
    return ValidateGeography(record, errors, label, WorldMapQueries(map));
}

} // namespace ondrell
