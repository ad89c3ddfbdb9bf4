#include "forms/rules/allotment_rules.h"

#include "checks/numbers.h"
#include "notice/control_names.h"

#include <cmath>
#include <string>

namespace ondrell {
namespace MakeVisibleGS2GE06 {

using namespace ctl;
using form_rules::EmptyAll;
using form_rules::ShowAll;

void IntentAdd(FormControls &form) {
    form.Show(Frame_Art4_Only, true);
    form.Show(FrameTrg, false);
    form.SetText(Txt_TrgAdmRefID, "");
}

void IntentMod(FormControls &form) {
    form.Show(Frame_Art4_Only, true);
    form.Show(FrameTrg, true);
    form.SetText(Txt_TrgAdmRefID, form.Text(Txt_AdmRefID));
}

void PlanEntry(FormControls &form) {
    const bool noSfn = form.Text(Combo_GE06_Plan) == "5";
    ShowAll(form, {Txt_RRC04_SfnID, Lbl_RRC04_SfnID}, !noSfn);
    if (noSfn)
        form.SetText(Txt_RRC04_SfnID, "");
}

void GeoAreaSide(FormContext &c) {
    const bool chosen = !c.form.Text(Combo_RRC04_geo_area).empty();
    ShowAll(c.form, {Lbl_RRC04_or, Lbl_RRC04_nb_sub_areas, Txt_RRC04_nb_sub_areas, FrameSubArea}, !chosen);
    if (chosen)
        c.MarkTouched();
}

void OpenContourEntry(FormControls &form, bool open) {
    if (!open)
        form.SetListItems(ListBoxContourID, {});
    form.Enable(Txt_RRC04_contour_id, open);
    form.Enable(FrameSubArea, open);
    form.SetGrey(Txt_RRC04_contour_id, !open);
    form.SetGrey(ListBoxContourID, !open);
}

void SubAreaSide(FormContext &c) {
    const bool given = !c.form.Text(Txt_RRC04_nb_sub_areas).empty();
    ShowAll(c.form, {Combo_RRC04_geo_area, Lbl_RRC04_geo_area, Lbl_RRC04_or}, !given);
    OpenContourEntry(c.form, given);
    if (given)
        c.MarkTouched();
}

namespace {

// The contour identifier as the list keeps it: the text of its whole value ("007" is "7").
long long ContourValue(const std::string &text) {
    return std::llround(ReadLeadingNumber(text));
}

} // namespace

void AddContour(FormContext &c) {
    FormControls &form = c.form;
    const std::string typed = form.Text(Txt_RRC04_contour_id);
    if (typed.empty()) {
        c.prompts.Tell("", "First type in a Contour ID");
        return;
    }
    std::vector<std::string> list = form.ListItems(ListBoxContourID);
    const double wanted = ReadLeadingNumber(form.Text(Txt_RRC04_nb_sub_areas));
    if (static_cast<double>(list.size()) >= std::trunc(wanted)) {
        c.prompts.Tell("", "The number of sub-areas have been added");
        form.SetText(Txt_RRC04_contour_id, "");
        form.Enable(Button_Add_Contour, false);
        c.MarkTouched();
        return;
    }
    const long long value = ContourValue(typed);
    for (const std::string &entry : list)
        if (ContourValue(entry) == value) {
            c.MarkTouched();
            return;
        }
    list.push_back(std::to_string(value));
    form.SetListItems(ListBoxContourID, list);
    form.Enable(Button_Add_Contour, false);
    form.SetText(Txt_RRC04_contour_id, "");
    form.Focus(Txt_RRC04_contour_id);
    c.MarkTouched();
}

void ClearContour(FormContext &c) {
    std::vector<std::string> list = c.form.ListItems(ListBoxContourID);
    // The remembered position may be stale once the list was emptied or shortened.
    if (c.state.selectedRow >= 0 && c.state.selectedRow < static_cast<int>(list.size())) {
        list.erase(list.begin() + c.state.selectedRow);
        c.form.SetListItems(ListBoxContourID, list);
    }
    c.form.Enable(Button_Clear_Contour, false);
}

} // namespace MakeVisibleGS2GE06

namespace {

using namespace ctl;
using namespace MakeVisibleGS2GE06;

void ShowAreaControls(FormControls &form) {
    form_rules::ShowAll(form,
                        {Lbl_RRC04_or, Lbl_RRC04_nb_sub_areas, Txt_RRC04_nb_sub_areas, Combo_RRC04_geo_area,
                         Lbl_RRC04_geo_area, FrameSubArea},
                        true);
}

// The reset procedure (Reset and Save/Next). GT2 keeps the allotment name, the number of
// sub-areas, the typed contour identifier and the type of reference network.
void ClearScreen(FormControls &form, bool dvbt) {
    form_rules::EmptyAll(form, {Txt_AdmRefID, Txt_RRC04_SfnID, Txt_GE06_Offset, Txt_Exp_DD, Txt_Exp_MM,
                                Txt_Exp_YY, Txt_notified_Rmks});
    if (dvbt)
        form.SetText(Txt_GE06_freqAssgn, "");
    else
        form_rules::EmptyAll(
            form, {Txt_RRC04_allot_name, Txt_RRC04_nb_sub_areas, Txt_RRC04_contour_id, Combo_GE06_FreqAssgn});
    form_rules::EmptyAll(form, {Combo_GE06_Plan, Combo_GE06_PubReq, Combo_RRC04_SpectMask,
                                Combo_RRC04_geo_area, Combo_RRC04_RefPlan, Combo_9D_Polariz});
    form.SetListItems(ListBoxContourID, {});
    form.SetListItems(ListAdmSel, {});
    form_rules::Unchoose(form, {OptInt_Add, OptInt_Mod});
    form.SetText(Txt_TrgAdmRefID, "");
    IntentAdd(form);
    ShowAreaControls(form);
    // The Plan entry is empty again: what an entry of "5" hid is shown again, as a pick of "" would.
    PlanEntry(form);
}

} // namespace

FormBehaviour AllotmentBehaviour(FormKind kind) {
    const bool dvbt = kind == FormKind::GT2;
    FormBehaviour b;
    auto markIfChosen = [](const char *combo) {
        return [combo](FormContext &c) {
            if (!c.form.Text(combo).empty())
                c.MarkTouched();
        };
    };
    b.rules = {
        {OptInt_Add, On::Choose,
         [](FormContext &c) {
             IntentAdd(c.form);
             c.MarkTouched();
         }},
        {OptInt_Mod, On::Choose, [](FormContext &c) { IntentMod(c.form); }},
        {Combo_GE06_Plan, On::Pick,
         [](FormContext &c) {
             PlanEntry(c.form);
             c.MarkTouched();
         }},
        {Combo_9D_Polariz, On::Pick, markIfChosen(Combo_9D_Polariz)},
        {Combo_RRC04_geo_area, On::Pick, &GeoAreaSide},
        {Combo_RRC04_geo_area, On::Leave, &GeoAreaSide},
        {Txt_RRC04_nb_sub_areas, On::Accept, &SubAreaSide},
        {Txt_RRC04_nb_sub_areas, On::LeaveAccepted,
         [](FormContext &c) {
             if (c.form.Text(Txt_RRC04_nb_sub_areas).empty())
                 return;
             c.form.SetText(Txt_RRC04_contour_id, "");
             c.form.Focus(Txt_RRC04_contour_id);
         }},
        {Txt_RRC04_contour_id, On::Accept,
         [](FormContext &c) {
             if (!c.form.Text(Txt_RRC04_contour_id).empty())
                 c.form.Enable(Button_Add_Contour, true);
         }},
        {Button_Add_Contour, On::Click, &AddContour},
        {ListBoxContourID, On::SelectItem,
         [](FormContext &c) {
             c.state.selectedRow = c.row;
             c.form.Enable(Button_Clear_Contour, true);
         }},
        {Button_Clear_Contour, On::Click, &ClearContour},
    };
    if (!dvbt)
        b.rules.push_back({Combo_RRC04_RefPlan, On::Pick, markIfChosen(Combo_RRC04_RefPlan)});
    b.clearScreen = [dvbt](FormContext &c) { ClearScreen(c.form, dvbt); };
    b.resetOnly = [](FormContext &c) {
        form_rules::EmptyAll(c.form, {Txt_EmailAddr, Combo_4B_Ctry});
        c.form.Enable(Button_Clear_Contour, false);
        c.form.Enable(Button_Add_Contour, false);
        OpenContourEntry(c.form, false);
    };
    b.chooseAdd = [](FormContext &c) {
        c.form.SetChecked(OptInt_Add, true);
        c.form.Show(FrameTrg, false);
        c.form.SetText(Txt_TrgAdmRefID, "");
    };
    b.afterOpen = [](FormContext &c) {
        ShowAreaControls(c.form);
        OpenContourEntry(c.form, false);
    };
    return b;
}

} // namespace ondrell
