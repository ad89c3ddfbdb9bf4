#include "checks/field_tables.h"
#include "notice/control_names.h"

#include <array>
#include <cstdio>
#include <vector>

namespace ondrell {
namespace {

using namespace check_text;
constexpr KeyFilter kUpper = KeyFilter::UpperCaseEntry;
constexpr KeyFilter kAnyKey = KeyFilter::None;

// ---- Parameterised kinds, named as the tables below read them. ----

// Designated initialisers would leave members unnamed, which -Wextra reports; assign instead.
CheckRule Kind(CheckKind kind, std::string_view title = {}, std::string_view text = {}) {
    CheckRule check;
    check.kind = kind;
    check.title = title;
    check.text = text;
    return check;
}
CheckRule Bounded(CheckKind kind, double low, double high, std::string_view title, std::string_view text) {
    CheckRule check = Kind(kind, title, text);
    check.low = low;
    check.high = high;
    return check;
}
CheckRule Touched() {
    return Kind(CheckKind::MarkTouched);
}
CheckRule NoCheck() {
    return {};
}
CheckRule Degrees(double bound, std::string_view title, std::string_view text) {
    return Bounded(CheckKind::DegreesCheck, 0, bound, title, text);
}
CheckRule MinSec(std::string_view title) {
    return Bounded(CheckKind::MinSecCheck, 0, 59, title, "Value must be between [0,59]");
}
CheckRule Hemisphere(HemisphereAxis axis, std::string_view title) {
    CheckRule check =
        Kind(CheckKind::HemisphereCheck, title,
             axis == HemisphereAxis::NorthSouth ? "Value can only be N or S" : "Value can only be E or W");
    check.axis = axis;
    return check;
}
CheckRule Numeric(std::string_view title, bool refuseComma = false) {
    CheckRule check = Kind(CheckKind::NumericCheck, title, kNumerical);
    check.refuseComma = refuseComma;
    return check;
}
CheckRule IntegerRange(double low, double high, std::string_view title, std::string_view text) {
    return Bounded(CheckKind::IntegerRangeCheck, low, high, title, text);
}
CheckRule NumberRange(double low, double high, std::string_view title, std::string_view text) {
    return Bounded(CheckKind::NumberRangeCheck, low, high, title, text);
}
// Counts and identifiers typed into the sub-area frames: a refusal does not count as touching.
CheckRule Count(double low, double high, std::string_view title, std::string_view text) {
    CheckRule check = IntegerRange(low, high, title, text);
    check.touchOnlyWhenAccepted = true;
    return check;
}
CheckRule ContourId(std::string_view text) {
    CheckRule check = Kind(CheckKind::WholeNumberCheck, "Prevalidation Error - Contour Id", text);
    check.touchOnlyWhenAccepted = true;
    return check;
}

// One table row: the control, its key filter, its check and its length limit.
struct Row {
    std::string_view control;
    KeyFilter key;
    CheckRule check;
    int maxLength = 0;
};

using Table = std::vector<FieldCheck>;

void Add(Table &table, const Row &row, bool onChange = false) {
    table.push_back({std::string(row.control), row.key, row.check, onChange, row.maxLength, {}, {}});
}

void AddRows(Table &table, std::initializer_list<Row> rows, bool onChange = false) {
    for (const Row &row : rows)
        Add(table, row, onChange);
}

// ---- Groups of fields that recur from form to form. ----

using PositionFields = ctl::PositionControls;

constexpr std::string_view kLatitude = "Prevalidation Error - Latitude";
constexpr std::string_view kLongitude = "Prevalidation Error - Longitude";

void AddPosition(Table &table, const PositionFields &f, std::string_view longTitle, std::string_view latTitle,
                 CheckRule latDegrees, bool onChange = false) {
    AddRows(table,
            {
                {f.longDeg, kAnyKey, Degrees(180, longTitle, "Value must be between [0,180]"), 3},
                {f.longMin, kAnyKey, MinSec(longTitle), 2},
                {f.longSec, kAnyKey, MinSec(longTitle), 2},
                {f.longHemi, kUpper, Hemisphere(HemisphereAxis::EastWest, longTitle), 1},
                {f.latDeg, kAnyKey, latDegrees, 2},
                {f.latMin, kAnyKey, MinSec(latTitle), 2},
                {f.latSec, kAnyKey, MinSec(latTitle), 2},
                {f.latHemi, kUpper, Hemisphere(HemisphereAxis::NorthSouth, latTitle), 1},
            },
            onChange);
}

void AddPosition(Table &table, const PositionFields &f, std::string_view longTitle,
                 std::string_view latTitle) {
    AddPosition(table, f, longTitle, latTitle, Degrees(90, latTitle, "Value must be between [0,90]"));
}

constexpr DateFields kInUse{ctl::kInUseDate.day, ctl::kInUseDate.month, ctl::kInUseDate.year};
constexpr DateFields kExpiry{ctl::kExpiryDate.day, ctl::kExpiryDate.month, ctl::kExpiryDate.year};

// dayFocusFromYear: a refused date from the year field sends the focus to the day field first.
void AddDate(Table &table, const DateFields &date, bool dayFocusFromYear) {
    const CheckRule day = Kind(CheckKind::DayCheck, kDayTitle, kDayText);
    const CheckRule month = Kind(CheckKind::MonthCheck, kMonthTitle, kMonthText);
    const CheckRule year = Kind(CheckKind::YearCheck, kYearTitle, kYearText);
    table.push_back({std::string(date.day), kAnyKey, day, false, 2, date, {}});
    table.push_back({std::string(date.month), kAnyKey, month, false, 2, date, {}});
    table.push_back(
        {std::string(date.year), kAnyKey, year, false, 4, date, dayFocusFromYear ? date.day : ""});
}

// The 36 boxes of an azimuth frame: prefix + 000, 010, ..., 350.
void AddAzimuths(Table &table, std::string_view prefix, const CheckRule &check, int maxLength) {
    for (int azimuth = 0; azimuth <= 350; azimuth += 10) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03d", azimuth);
        table.push_back({std::string(prefix) + digits, kAnyKey, check, false, maxLength, {}, {}});
    }
}

// ---- The forms. ----

void AddAssignmentCommon(Table &t, bool inUseYearFocusesDay) {
    constexpr std::string_view kEffHgtMax = "Value must be an integer between [-3000, 3000]";
    AddRows(
        t,
        {
            {ctl::Txt_AdmRefID, kUpper, Touched(), 20},
            {ctl::Combo_B_Adm, kAnyKey, Touched()},
            {ctl::Txt_4A_SiteName, kUpper, Touched(), 30},
            {ctl::Combo_4B_Ctry, kUpper, Touched()},
            {ctl::Txt_EmailAddr, kAnyKey, NoCheck(), 50},
            {ctl::Txt_TrgAdmRefID, kUpper, Touched(), 20},
            {ctl::Txt_trg_freq_assgn, kAnyKey, Numeric("Prevalidation Error - Target Assign frequency"), 6},
            {ctl::Txt_GE06_Offset, kAnyKey,
             NumberRange(-500, 500, "Prevalidation Error - Offset",
                         " t_offset : Value should be between [-500.0, 500.0] (1E)"),
             5},
            {ctl::Txt_RRC04_AdmAllotID, kUpper, Touched(), 20},
            {ctl::Txt_RRC04_SfnID, kUpper, Touched(), 30},
            {ctl::Txt_GE06_assoc_allot_sfnID, kUpper, NoCheck(), 30},
            {ctl::Txt_8BH_Erp_H, kAnyKey,
             NumberRange(kNoLowerBound, 53, "Prevalidation Error - Radiated power",
                         "Value must be between <= 53"),
             6},
            {ctl::Txt_8BV_Erp_V, kAnyKey,
             NumberRange(kNoLowerBound, 53, "Prevalidation Error - Radiated power",
                         "Value must be between <= 53"),
             6},
            {ctl::Txt_9E_AntHgt, kAnyKey,
             NumberRange(0, 800, "Prevalidation Error - Height of antenna", "Value must be between [0, 800]"),
             3},
            {ctl::Txt_9EA_SiteAlt, kAnyKey,
             IntegerRange(-1000, 8850, "Prevalidation Error - Site altitude",
                          "Value must be an integer between [-1000, 8850]"),
             5},
            {ctl::Txt_9EB_Eff_hgtmax, kAnyKey,
             IntegerRange(-3000, 3000, "Prevalidation Error - Max effective Ant. height", kEffHgtMax), 5},
            {ctl::Txt_PlanAdm_RefID, kUpper, NoCheck(), 20},
            {ctl::Txt_3A1_CallSign, kUpper, NoCheck(), 10},
            {ctl::Txt_12A_OpAgcy, kUpper, Kind(CheckKind::NumericCodeCheck, kOpAgcyTitle, kOpAgcyText), 3},
            {ctl::Txt_12B_AddrCde, kUpper,
             Kind(CheckKind::NonNumericCodeCheck, kAddrCodeTitle, kAddrCodeText), 2},
            {ctl::Txt_10B_Ophhfr, kAnyKey, Kind(CheckKind::StartTimeCheck, kStartTitle, kStartRange), 4},
            {ctl::Txt_10B_Ophhto, kAnyKey, Kind(CheckKind::StopTimeCheck, kStopTitle, kStopRange), 4},
        });
    AddPosition(t, ctl::kSitePosition, kLongitude, kLatitude);
    AddPosition(t, ctl::kTargetPosition, "Prevalidation Error - Target Longitude",
                "Prevalidation Error - Target Latitude");
    AddDate(t, kInUse, inUseYearFocusesDay);
    AddDate(t, kExpiry, false);
    AddAzimuths(
        t, "Txt_9EC_azm",
        IntegerRange(-3000, 3000, "Prevalidation Error - Eff. ant. height",
                     "Value must be an integer between [-3000, 3000] and less than the t_eff_hgtmax (9EB)"),
        5);
    AddAzimuths(t, "Txt_9NHAzm", Numeric("Prevalidation Error - Attenuation (H)"), 4);
    AddAzimuths(t, "Txt_9NVAzm", Numeric("Prevalidation Error - Attenuation (V)"), 4);
}

Table Gs1Table() {
    Table t;
    AddAssignmentCommon(t, true);
    return t;
}

const Row kFreqAssgnTyped{ctl::Txt_GE06_freqAssgn, kAnyKey, Numeric("Prevalidation Error - Assign frequency"),
                          5};

Table Gt1Table() {
    Table t;
    AddAssignmentCommon(t, false);
    AddRows(
        t,
        {
            kFreqAssgnTyped,
            {ctl::Txt_GE06_erpBeam_tilt, kAnyKey,
             NumberRange(kNoLowerBound, 53, "Prevalidation Error - Radiated power defined by the beam tilt",
                         "Value must be between <= 53"),
             5},
            {ctl::Txt_GE06_TiltAngle, kAnyKey,
             NumberRange(-30, 30, "Prevalidation Error - Beam tilt angle", "Value must be between [-30, 30]"),
             5},
        });
    return t;
}

Table AllotmentTable(bool dvbt) {
    Table t;
    AddRows(t, {
                   {ctl::Txt_AdmRefID, kUpper, Touched(), 20},
                   {ctl::Txt_TrgAdmRefID, kUpper, Touched(), 20},
                   {ctl::Txt_RRC04_allot_name, kUpper, Touched(), 30},
                   {ctl::Txt_RRC04_SfnID, kUpper, Touched(), 30},
                   {ctl::Combo_B_Adm, kAnyKey, Touched()},
                   {ctl::Combo_4B_Ctry, kAnyKey, Touched()},
                   {ctl::Txt_EmailAddr, kAnyKey, NoCheck(), 50},
                   {ctl::Txt_GE06_Offset, kAnyKey,
                    NumberRange(-500, 500, "Prevalidation Error - Offset",
                                " t_offset : Value should be between [-500.0, 500.0] (1E)"),
                    5},
               });
    AddDate(t, kExpiry, false);
    // Both run while typing too, so a wrong count or identifier is reported at once.
    AddRows(t,
            {
                {ctl::Txt_RRC04_nb_sub_areas, kAnyKey,
                 Count(1, 9, "Prevalidation Error - Nb.Sub area(s)", "Value must be between [1-9]")},
                {ctl::Txt_RRC04_contour_id, kAnyKey, ContourId("Value must be an integer"), 4},
            },
            true);
    if (dvbt)
        Add(t, kFreqAssgnTyped);
    return t;
}

Table Ga1Table() {
    Table t;
    AddRows(t, {
                   {ctl::Combo_B_Adm, kAnyKey, Touched()},
                   {ctl::Combo_4B_Ctry, kUpper, Touched()},
                   {ctl::Txt_EmailAddr, kAnyKey, NoCheck(), 50},
                   {ctl::Txt_RRC04_contour_id, kAnyKey, ContourId("Value must be 4 digits maximum"), 4},
                   {ctl::Txt_RRC04_nb_test_pts, kAnyKey,
                    Count(3, 99, "Prevalidation Error - Nb Test pts", "Value must be between [3-99]"), 2},
               });
    // A test point's latitude degrees may carry a fraction; every coordinate is checked while typing.
    AddPosition(t, ctl::kTestPointPosition, kLongitude, kLatitude,
                NumberRange(0, 90, kLatitude, "Value must be between [0,90]"), true);
    return t;
}

Table Tb2Table() {
    Table t;
    AddRows(
        t, {
               {ctl::Combo_B_Adm, kAnyKey, Touched()},
               {ctl::Txt_EmailAddr, kAnyKey, NoCheck(), 50},
               {ctl::Txt_PlanAdmRefID, kUpper, Touched(), 20},
               {ctl::Txt_TrgAdmRefID, kUpper, Touched(), 20},
               {ctl::Txt_TrgFreq, kAnyKey, Numeric("Prevalidation Error - Target Assign frequency", true), 6},
               {ctl::Txt_12A_OpAgcy, kUpper, Kind(CheckKind::PadCodeOnLeave), 3},
               {ctl::Txt_12B_AddrCde, kUpper, NoCheck(), 2},
               {ctl::Txt_10B_Ophhfr, kAnyKey, NoCheck(), 4},
               {ctl::Txt_10B_Ophhto, kAnyKey, NoCheck(), 4},
           });
    AddPosition(t, ctl::kSitePosition, kLongitude, kLatitude);
    AddDate(t, kInUse, true);
    return t;
}

Table TargetOnlyTable() {
    Table t;
    AddRows(t, {
                   {ctl::Combo_B_Adm, kAnyKey, Touched()},
                   {ctl::Txt_EmailAddr, kAnyKey, NoCheck(), 50},
                   {ctl::Txt_TrgAdmRefID, kUpper, Touched(), 20},
               });
    return t;
}

struct FormTable {
    std::string_view form;
    Table table;
};

const std::vector<FormTable> &AllTables() {
    static const std::vector<FormTable> tables{
        {"GS1AssignFrmGE06", Gs1Table()},           {"GT1AssignFrmGE06", Gt1Table()},
        {"GS2AllotFrmGE06", AllotmentTable(false)}, {"GT2AllotFrmGE06", AllotmentTable(true)},
        {"GA1SubAllotFrmGE06", Ga1Table()},         {"TB2FrmGE06", Tb2Table()},
        {"TB3FrmGE06", TargetOnlyTable()},          {"TB5FrmGE06", TargetOnlyTable()},
    };
    return tables;
}

constexpr std::array<std::string_view, 8> kFormNames{
    "GS1AssignFrmGE06",   "GT1AssignFrmGE06", "GS2AllotFrmGE06", "GT2AllotFrmGE06",
    "GA1SubAllotFrmGE06", "TB2FrmGE06",       "TB3FrmGE06",      "TB5FrmGE06"};

} // namespace

std::span<const std::string_view> CheckedFormNames() {
    return kFormNames;
}

std::span<const FieldCheck> FieldChecksFor(std::string_view formName) {
    for (const auto &entry : AllTables())
        if (entry.form == formName)
            return entry.table;
    return {};
}

const FieldCheck *FindFieldCheck(std::string_view formName, std::string_view control) {
    for (const auto &check : FieldChecksFor(formName))
        if (check.control == control)
            return &check;
    return nullptr;
}

Verdict RunFieldCheck(std::string_view formName, std::string_view control, std::string_view text,
                      const FieldTextReader &others) {
    const FieldCheck *check = FindFieldCheck(formName, control);
    if (!check)
        return {};
    if (check->date.day.empty() || !others)
        return RunCheck(check->check, text);
    // The part being left is read from `text`, its two siblings from the form.
    auto textOf = [&](std::string_view part) { return part == control ? std::string(text) : others(part); };
    const std::string day = textOf(check->date.day), month = textOf(check->date.month),
                      year = textOf(check->date.year);
    const DateTexts date{day, month, year};
    return RunCheck(check->check, text, &date, check->dateFocus);
}

std::optional<char32_t> FilterFieldKey(std::string_view formName, std::string_view control, char32_t key) {
    const FieldCheck *check = FindFieldCheck(formName, control);
    return check ? FilterKey(check->key, key) : std::optional<char32_t>(key);
}

} // namespace ondrell
