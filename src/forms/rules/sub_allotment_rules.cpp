#include "forms/rules/sub_allotment_rules.h"

#include "checks/coordinates.h"
#include "checks/numbers.h"
#include "notice/control_names.h"
#include "util/text_compare.h"
#include "validation/check_point.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ondrell {
namespace MakeVisibleGA1GE06 {

using namespace ctl;

namespace {

constexpr const PositionControls &kPoint = kTestPointPosition;
constexpr std::string_view kPointFields[] = {kPoint.longDeg, kPoint.longMin, kPoint.longSec, kPoint.longHemi,
                                             kPoint.latDeg,  kPoint.latMin,  kPoint.latSec,  kPoint.latHemi};

// Leading zeros up to the width; an empty part stays empty (seconds are optional).
std::string Padded(std::string text, std::size_t width) {
    if (!text.empty() && text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

Coordinate LongitudeParts(const FormControls &form) {
    return {Padded(form.Text(kPoint.longDeg), 3), form.Text(kPoint.longHemi),
            Padded(form.Text(kPoint.longMin), 2), Padded(form.Text(kPoint.longSec), 2)};
}

Coordinate LatitudeParts(const FormControls &form) {
    return {Padded(form.Text(kPoint.latDeg), 2), form.Text(kPoint.latHemi),
            Padded(form.Text(kPoint.latMin), 2), Padded(form.Text(kPoint.latSec), 2)};
}

// "+" for East or North, "-" for West or South, then degrees, minutes and seconds.
std::string SignedText(const Coordinate &c, std::string_view negative) {
    if (c.deg.empty() || c.min.empty())
        return {};
    return (EqualsNoCase(c.hemi, negative) ? "-" : "+") + c.deg + c.min + c.sec;
}

// A count as the form shows it: a whole number without decimals.
std::string CountText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

double TestPointsWanted(const FormControls &form) {
    return ReadLeadingNumber(form.Text(Txt_RRC04_nb_test_pts));
}

void ShowCountDownControls(FormControls &form) {
    form.Show(Txt_CountDownTP, true);
    form.Show(Lbl_CountDownTP, true);
    form.Enable(Txt_CountDownTP, false);
}

void RaiseCountDown(FormControls &form) {
    ShowCountDownControls(form);
    form.SetText(Txt_CountDownTP, CountText(ReadLeadingNumber(form.Text(Txt_CountDownTP)) + 1));
}

bool ValidRow(const FormContext &c, std::size_t size) {
    return c.state.selectedRow >= 0 && static_cast<std::size_t>(c.state.selectedRow) < size;
}

} // namespace

std::string LongitudeText(const FormControls &form) {
    return SignedText(LongitudeParts(form), "W");
}

std::string LatitudeText(const FormControls &form) {
    return SignedText(LatitudeParts(form), "S");
}

void OpenPointEntry(FormControls &form, bool open) {
    for (auto field : kPointFields) {
        form.Enable(field, open);
        form.SetGrey(field, !open);
    }
    form.SetGrey(ListBox_RRC04_Coordinates, !open);
    if (open)
        return;
    form.SetListItems(ListBox_RRC04_Coordinates, {});
    form.Enable(Button_Add_Coordinates, false);
    form.Enable(Button_Del_Coordinates, false);
}

void ShowCountDown(FormControls &form) {
    ShowCountDownControls(form);
    const auto listed = static_cast<double>(form.ListItems(ListBox_RRC04_Coordinates).size());
    form.SetText(Txt_CountDownTP, CountText(TestPointsWanted(form) - listed));
}

void EntryButtons(FormContext &c) {
    const bool complete = std::none_of(std::begin(kPointFields), std::end(kPointFields),
                                       [&](std::string_view field) { return c.form.Text(field).empty(); });
    c.form.Enable(Button_Add_Coordinates, complete);
    if (complete && c.state.pendingOperation > kAppend) {
        c.form.Enable(Button_Ins_Coordinates, true);
        c.form.Enable(Button_Upd_Coordinates, true);
    }
    c.MarkTouched();
}

void SelectEntry(FormContext &c) {
    const auto items = c.form.ListItems(ListBox_RRC04_Coordinates);
    if (c.row < 0 || static_cast<std::size_t>(c.row) >= items.size())
        return;
    for (auto button :
         {Button_Add_Coordinates, Button_Del_Coordinates, Button_Upd_Coordinates, Button_Ins_Coordinates})
        c.form.Enable(button, true);
    c.state.selectedRow = c.row;
    c.state.pendingOperation = kModify;
    // The entry: the longitude text, one blank, the latitude text.
    const std::string &entry = items[static_cast<std::size_t>(c.row)];
    const std::size_t blank = entry.find(' ');
    const std::string lon = entry.substr(0, blank);
    const std::string lat = blank == std::string::npos ? std::string() : entry.substr(blank + 1);
    c.form.SetText(kPoint.longDeg, LongitudeDegrees(lon));
    c.form.SetText(kPoint.longMin, LongitudeMinutes(lon));
    c.form.SetText(kPoint.longSec, LongitudeSeconds(lon));
    c.form.SetText(kPoint.longHemi, LongitudeHemisphere(lon));
    c.form.SetText(kPoint.latDeg, LatitudeDegrees(lat));
    c.form.SetText(kPoint.latMin, LatitudeMinutes(lat));
    c.form.SetText(kPoint.latSec, LatitudeSeconds(lat));
    c.form.SetText(kPoint.latHemi, LatitudeHemisphere(lat));
}

void StorePoint(FormContext &c) {
    FormControls &form = c.form;
    std::vector<std::string> list = form.ListItems(ListBox_RRC04_Coordinates);
    const int operation = c.state.pendingOperation;
    if (operation == kModify && ValidRow(c, list.size())) {
        list.erase(list.begin() + c.state.selectedRow);
        form.SetListItems(ListBox_RRC04_Coordinates, list);
        RaiseCountDown(form);
    }

    Coordinate lon = LongitudeParts(form), lat = LatitudeParts(form);
    const std::string lonText = SignedText(lon, "W"), latText = SignedText(lat, "S");
    if (lonText.empty() && latText.empty()) {
        c.prompts.Tell("", "Coordinates are empty, cannot proceed");
        return;
    }
    const std::string point = lonText + " " + latText;
    const std::string country = form.Text(Combo_4B_Ctry);
    if (country.empty()) {
        c.prompts.Tell("", "Please select country (4B)");
        return;
    }
    // Without the map no position can be checked; the point is taken and Validation says so.
    std::string detail;
    if (c.map && !CheckPointInCountry(c.map, lon, lat, country, kCountryToleranceKm, detail)) {
        c.prompts.Tell("Coordinates out of boundary", "t_long : " + point + detail, PromptIcon::Information);
        return;
    }
    if (static_cast<double>(list.size()) >= TestPointsWanted(form)) {
        c.prompts.Tell("", "The number of test points have already been entered. \r\n"
                           "Please increase the number of test points to proceed");
        ClearPoint(c);
        return;
    }
    if (std::find(list.begin(), list.end(), point) != list.end()) {
        c.prompts.Tell("", "This test points is already in the list");
        return;
    }
    if (operation == kAppend)
        list.push_back(point);
    else
        list.insert(list.begin() + std::clamp(c.state.selectedRow, 0, static_cast<int>(list.size())), point);
    form.SetListItems(ListBox_RRC04_Coordinates, list);
    form.Enable(Button_View, true);
    ClearPoint(c);
    ShowCountDown(form);
}

void DeletePoint(FormContext &c) {
    std::vector<std::string> list = c.form.ListItems(ListBox_RRC04_Coordinates);
    if (ValidRow(c, list.size())) {
        list.erase(list.begin() + c.state.selectedRow);
        c.form.SetListItems(ListBox_RRC04_Coordinates, list);
        RaiseCountDown(c.form);
    }
    ClearPoint(c);
    c.state.pendingOperation = kAppend;
    c.form.Enable(Button_View, !list.empty());
}

void ClearPoint(FormContext &c) {
    form_rules::EmptyAll(c.form, kPointFields);
    c.form.Focus(kPoint.longDeg);
    for (auto button :
         {Button_Add_Coordinates, Button_Del_Coordinates, Button_Upd_Coordinates, Button_Ins_Coordinates})
        c.form.Enable(button, false);
}

void ClearAllPoints(FormContext &c) {
    c.form.SetListItems(ListBox_RRC04_Coordinates, {});
    ShowCountDownControls(c.form);
    if (!c.form.Text(Txt_RRC04_nb_test_pts).empty())
        c.form.SetText(Txt_CountDownTP, CountText(TestPointsWanted(c.form)));
    c.form.Enable(Button_ClearAll_Coordinates, false);
    c.form.Enable(Button_View, false);
    c.state.pendingOperation = kAppend;
}

} // namespace MakeVisibleGA1GE06

namespace {

using namespace ctl;
using namespace MakeVisibleGA1GE06;

FormAction ListOperation(Operation operation) {
    return [operation](FormContext &c) {
        c.state.pendingOperation = operation;
        StorePoint(c);
        c.state.pendingOperation = kAppend;
        if (operation == kAppend)
            c.form.Enable(Button_ClearAll_Coordinates, true);
    };
}

} // namespace

FormBehaviour SubAllotmentBehaviour() {
    FormBehaviour b;
    for (auto field : kPointFields)
        b.rules.push_back({field.data(), On::Accept, &EntryButtons});
    b.rules.insert(b.rules.end(),
                   {
                       {Txt_RRC04_nb_test_pts, On::Change, [](FormContext &c) { ShowCountDown(c.form); }},
                       {Txt_RRC04_nb_test_pts, On::LeaveAccepted,
                        [](FormContext &c) {
                            const bool given = !c.form.Text(Txt_RRC04_nb_test_pts).empty();
                            OpenPointEntry(c.form, given);
                            if (!given)
                                return;
                            c.MarkTouched();
                            // The country every point is checked against can no longer change.
                            c.form.Enable(Combo_4B_Ctry, false);
                            c.form.Focus(kPoint.longDeg);
                        }},
                       {ListBox_RRC04_Coordinates, On::SelectItem, &SelectEntry},
                       {Button_Add_Coordinates, On::Click, ListOperation(kAppend)},
                       {Button_Ins_Coordinates, On::Click, ListOperation(kInsert)},
                       {Button_Upd_Coordinates, On::Click, ListOperation(kModify)},
                       {Button_Del_Coordinates, On::Click, &DeletePoint},
                       {Button_Clear_Coordinates, On::Click, &ClearPoint},
                       {Button_ClearAll_Coordinates, On::Click, &ClearAllPoints},
                   });
    b.picksMarkTouched = true;
    b.setUp = [](FormContext &c) {
        for (auto button : {Button_View, Button_Del_Coordinates, Button_Upd_Coordinates,
                            Button_Ins_Coordinates, Button_Add_Coordinates, Button_ClearAll_Coordinates})
            c.form.Enable(button, false);
        c.form.SetChecked(OptInt_Add, true);
        c.form.SetListItems(ListBox_RRC04_Coordinates, {});
    };
    b.clearScreen = [](FormContext &c) {
        // The list first: emptying the number of test points then counts down from an empty list.
        c.form.SetListItems(ListBox_RRC04_Coordinates, {});
        form_rules::EmptyAll(c.form, {Txt_notified_Rmks, Txt_RRC04_contour_id, Txt_RRC04_nb_test_pts});
        form_rules::EmptyAll(c.form, kPointFields);
    };
    b.resetOnly = [](FormContext &c) {
        form_rules::EmptyAll(c.form, {Txt_EmailAddr, Combo_4B_Ctry});
        c.form.Enable(Combo_4B_Ctry, true);
        c.form.Enable(Button_View, false);
    };
    b.afterOpen = [](FormContext &c) {
        OpenPointEntry(c.form, false);
        form_rules::ShowAll(c.form, {Txt_CountDownTP, Lbl_CountDownTP}, false);
    };
    return b;
}

} // namespace ondrell
