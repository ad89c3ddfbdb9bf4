#pragma once
// The names of the notice forms' controls, each written once: capture, the field-check tables,
// the save checks, captions and the forms' rules all use these constants, so a misspelt name is a
// compile error, and the forms contract test checks that every form has the controls it is asked for.

namespace ondrell::ctl {

#define ONDRELL_CONTROL(name) inline constexpr char name[] = #name

ONDRELL_CONTROL(Button_Add_Contour);
ONDRELL_CONTROL(Button_Add_Coordinates);
ONDRELL_CONTROL(Button_ClearAll_Coordinates);
ONDRELL_CONTROL(Button_Clear_Contour);
ONDRELL_CONTROL(Button_Clear_Coordinates);
ONDRELL_CONTROL(Button_Close);
ONDRELL_CONTROL(Button_Coord_Add);
ONDRELL_CONTROL(Button_Coord_AddALL);
ONDRELL_CONTROL(Button_Coord_Clear);
ONDRELL_CONTROL(Button_Coord_Del);
ONDRELL_CONTROL(Button_Del_Coordinates);
ONDRELL_CONTROL(Button_Fill9EC);
ONDRELL_CONTROL(Button_Fill9NH);
ONDRELL_CONTROL(Button_Fill9NV);
ONDRELL_CONTROL(Button_Finish);
ONDRELL_CONTROL(Button_Ins_Coordinates);
ONDRELL_CONTROL(Button_Next);
ONDRELL_CONTROL(Button_Reset);
ONDRELL_CONTROL(Button_Upd_Coordinates);
ONDRELL_CONTROL(Button_View);

ONDRELL_CONTROL(Combo_4B_Ctry);
ONDRELL_CONTROL(Combo_9D_Polariz);
ONDRELL_CONTROL(Combo_9_AntDir);
ONDRELL_CONTROL(Combo_B_Adm);
ONDRELL_CONTROL(Combo_GE06_FreqAssgn);
ONDRELL_CONTROL(Combo_GE06_IsResub);
ONDRELL_CONTROL(Combo_GE06_Plan);
ONDRELL_CONTROL(Combo_GE06_PubReq);
ONDRELL_CONTROL(Combo_GE06_Rmk_Cond);
ONDRELL_CONTROL(Combo_GE06_SigComit);
ONDRELL_CONTROL(Combo_GE06_assgnCde);
ONDRELL_CONTROL(Combo_RRC04_RefPlan);
ONDRELL_CONTROL(Combo_RRC04_RxMode);
ONDRELL_CONTROL(Combo_RRC04_SpectMask);
ONDRELL_CONTROL(Combo_RRC04_Sys_Var);
ONDRELL_CONTROL(Combo_RRC04_TypRefNetwk);
ONDRELL_CONTROL(Combo_RRC04_geo_area);

ONDRELL_CONTROL(Frame1);
ONDRELL_CONTROL(Frame_9EC_EffAntHeight);
ONDRELL_CONTROL(Frame_9NH_AttnH);
ONDRELL_CONTROL(Frame_9NV_AttnV);
ONDRELL_CONTROL(Frame_ART5_Only);
ONDRELL_CONTROL(Frame_Art4_Only);

ONDRELL_CONTROL(FrameAllot);

ONDRELL_CONTROL(FrameArt);

ONDRELL_CONTROL(FrameCoord);

ONDRELL_CONTROL(FrameIntent);

ONDRELL_CONTROL(FrameNotice);

ONDRELL_CONTROL(FrameSubArea);

ONDRELL_CONTROL(FrameTrg);

ONDRELL_CONTROL(FrmNtc);

ONDRELL_CONTROL(Lbl_10B_Hours);
ONDRELL_CONTROL(Lbl_10B_OphhFr);
ONDRELL_CONTROL(Lbl_10B_OphhTo);
ONDRELL_CONTROL(Lbl_12A_OpAgcy);
ONDRELL_CONTROL(Lbl_12B_AddrCde);
ONDRELL_CONTROL(Lbl_1A_Freq);
ONDRELL_CONTROL(Lbl_1A_Unit);
ONDRELL_CONTROL(Lbl_1E_Offset);
ONDRELL_CONTROL(Lbl_2C_InUse);
ONDRELL_CONTROL(Lbl_3A1_CallSign);
ONDRELL_CONTROL(Lbl_4A_SiteName);
ONDRELL_CONTROL(Lbl_4B_Ctry);
ONDRELL_CONTROL(Lbl_4B_GeoArea);
ONDRELL_CONTROL(Lbl_4C);
ONDRELL_CONTROL(Lbl_4C_Lat);
ONDRELL_CONTROL(Lbl_4C_Long);
ONDRELL_CONTROL(Lbl_8BH_Erp_H);
ONDRELL_CONTROL(Lbl_8BV_Erp_V);
ONDRELL_CONTROL(Lbl_9D_Polariz);
ONDRELL_CONTROL(Lbl_9EA_SiteAlt);
ONDRELL_CONTROL(Lbl_9EA_Unit);
ONDRELL_CONTROL(Lbl_9EB_Eff_hgtmax);
ONDRELL_CONTROL(Lbl_9EB_Unit);
ONDRELL_CONTROL(Lbl_9E_AntHgt);
ONDRELL_CONTROL(Lbl_9E_Unit);
ONDRELL_CONTROL(Lbl_9_AntDir);
ONDRELL_CONTROL(Lbl_AdmRefID);
ONDRELL_CONTROL(Lbl_B_Adm);
ONDRELL_CONTROL(Lbl_CountDownTP);
ONDRELL_CONTROL(Lbl_EmailAddr);
ONDRELL_CONTROL(Lbl_Expiry);
ONDRELL_CONTROL(Lbl_Filename);
ONDRELL_CONTROL(Lbl_FreqUnit);
ONDRELL_CONTROL(Lbl_GE06_IsResub);
ONDRELL_CONTROL(Lbl_GE06_Plan);
ONDRELL_CONTROL(Lbl_GE06_PubReq);
ONDRELL_CONTROL(Lbl_GE06_Rmk_Cond);
ONDRELL_CONTROL(Lbl_GE06_SigComit);
ONDRELL_CONTROL(Lbl_GE06_TiltAngle);
ONDRELL_CONTROL(Lbl_GE06_assgnCde);
ONDRELL_CONTROL(Lbl_GE06_assoc_allot_sfnID);
ONDRELL_CONTROL(Lbl_GE06_erpBeam_tilt);
ONDRELL_CONTROL(Lbl_ID3);
ONDRELL_CONTROL(Lbl_InUse);
ONDRELL_CONTROL(Lbl_Notified_Rmks);
ONDRELL_CONTROL(Lbl_Ntc_Number);
ONDRELL_CONTROL(Lbl_PrinterFooter);
ONDRELL_CONTROL(Lbl_RRC04_AdmAllotID);
ONDRELL_CONTROL(Lbl_RRC04_Allot_name);
ONDRELL_CONTROL(Lbl_RRC04_Coordinates);
ONDRELL_CONTROL(Lbl_RRC04_DigSys);
ONDRELL_CONTROL(Lbl_RRC04_Lat);
ONDRELL_CONTROL(Lbl_RRC04_Long);
ONDRELL_CONTROL(Lbl_RRC04_RefPlan);
ONDRELL_CONTROL(Lbl_RRC04_RxMode);
ONDRELL_CONTROL(Lbl_RRC04_SfnID);
ONDRELL_CONTROL(Lbl_RRC04_SpectMask);
ONDRELL_CONTROL(Lbl_RRC04_TypRefNetwk);
ONDRELL_CONTROL(Lbl_RRC04_contour_id);
ONDRELL_CONTROL(Lbl_RRC04_geo_area);
ONDRELL_CONTROL(Lbl_RRC04_nb_sub_areas);
ONDRELL_CONTROL(Lbl_RRC04_nb_test_pts);
ONDRELL_CONTROL(Lbl_RRC04_or);
ONDRELL_CONTROL(Lbl_TrgAdmRefID);
ONDRELL_CONTROL(Lbl_int_rmk);
ONDRELL_CONTROL(Lbl_trg_MIFR);
ONDRELL_CONTROL(Lbl_trg_freq);
ONDRELL_CONTROL(Lbl_trg_lat);
ONDRELL_CONTROL(Lbl_trg_long);
ONDRELL_CONTROL(Lbl_trg_or);

ONDRELL_CONTROL(LblOr);

ONDRELL_CONTROL(ListAdmAvail);

ONDRELL_CONTROL(ListAdmSel);

ONDRELL_CONTROL(ListBox_RRC04_Coordinates);

ONDRELL_CONTROL(ListBoxContourID);

ONDRELL_CONTROL(MSChart_Contour);

ONDRELL_CONTROL(Opt_Art4);
ONDRELL_CONTROL(Opt_Art5);

ONDRELL_CONTROL(OptInt_Add);
ONDRELL_CONTROL(OptInt_Mod);
ONDRELL_CONTROL(OptInt_Supp);
ONDRELL_CONTROL(OptInt_Suppress);
ONDRELL_CONTROL(OptInt_WDraw);

ONDRELL_CONTROL(Txt_10B_Ophhfr);
ONDRELL_CONTROL(Txt_10B_Ophhto);
ONDRELL_CONTROL(Txt_12A_OpAgcy);
ONDRELL_CONTROL(Txt_12B_AddrCde);
ONDRELL_CONTROL(Txt_3A1_CallSign);
ONDRELL_CONTROL(Txt_4A_SiteName);
ONDRELL_CONTROL(Txt_4C_Deg_Lat);
ONDRELL_CONTROL(Txt_4C_Deg_Long);
ONDRELL_CONTROL(Txt_4C_EW);
ONDRELL_CONTROL(Txt_4C_Min_Lat);
ONDRELL_CONTROL(Txt_4C_Min_Long);
ONDRELL_CONTROL(Txt_4C_NS);
ONDRELL_CONTROL(Txt_4C_Sec_Lat);
ONDRELL_CONTROL(Txt_4C_Sec_Long);
ONDRELL_CONTROL(Txt_8BH_Erp_H);
ONDRELL_CONTROL(Txt_8BV_Erp_V);
ONDRELL_CONTROL(Txt_9EA_SiteAlt);
ONDRELL_CONTROL(Txt_9EB_Eff_hgtmax);
ONDRELL_CONTROL(Txt_9E_AntHgt);
ONDRELL_CONTROL(Txt_AdmRefID);
ONDRELL_CONTROL(Txt_CountDownTP);
ONDRELL_CONTROL(Txt_EmailAddr);
ONDRELL_CONTROL(Txt_Exp_DD);
ONDRELL_CONTROL(Txt_Exp_MM);
ONDRELL_CONTROL(Txt_Exp_YY);
ONDRELL_CONTROL(Txt_Filename);
ONDRELL_CONTROL(Txt_GE06_Offset);
ONDRELL_CONTROL(Txt_GE06_TiltAngle);
ONDRELL_CONTROL(Txt_GE06_assoc_allot_sfnID);
ONDRELL_CONTROL(Txt_GE06_erpBeam_tilt);
ONDRELL_CONTROL(Txt_GE06_freqAssgn);
ONDRELL_CONTROL(Txt_InUse_DD);
ONDRELL_CONTROL(Txt_InUse_MM);
ONDRELL_CONTROL(Txt_InUse_YY);
ONDRELL_CONTROL(Txt_Ntc_Number);
ONDRELL_CONTROL(Txt_PlanAdmRefID);
ONDRELL_CONTROL(Txt_PlanAdm_RefID);
ONDRELL_CONTROL(Txt_RRC04_AdmAllotID);
ONDRELL_CONTROL(Txt_RRC04_Deg_Lat);
ONDRELL_CONTROL(Txt_RRC04_Deg_Long);
ONDRELL_CONTROL(Txt_RRC04_EW);
ONDRELL_CONTROL(Txt_RRC04_Min_Lat);
ONDRELL_CONTROL(Txt_RRC04_Min_Long);
ONDRELL_CONTROL(Txt_RRC04_NS);
ONDRELL_CONTROL(Txt_RRC04_Sec_Lat);
ONDRELL_CONTROL(Txt_RRC04_Sec_Long);
ONDRELL_CONTROL(Txt_RRC04_SfnID);
ONDRELL_CONTROL(Txt_RRC04_allot_name);
ONDRELL_CONTROL(Txt_RRC04_contour_id);
ONDRELL_CONTROL(Txt_RRC04_nb_sub_areas);
ONDRELL_CONTROL(Txt_RRC04_nb_test_pts);
ONDRELL_CONTROL(Txt_TrgAdmRefID);
ONDRELL_CONTROL(Txt_TrgFreq);
ONDRELL_CONTROL(Txt_notified_Rmks);
ONDRELL_CONTROL(Txt_trg_freq_assgn);
ONDRELL_CONTROL(Txt_trg_lat_DD);
ONDRELL_CONTROL(Txt_trg_lat_MM);
ONDRELL_CONTROL(Txt_trg_lat_NS);
ONDRELL_CONTROL(Txt_trg_lat_SS);
ONDRELL_CONTROL(Txt_trg_long_DD);
ONDRELL_CONTROL(Txt_trg_long_EW);
ONDRELL_CONTROL(Txt_trg_long_MM);
ONDRELL_CONTROL(Txt_trg_long_SS);

ONDRELL_CONTROL(TxtAdm);

ONDRELL_CONTROL(TxtCtry);

ONDRELL_CONTROL(lbl_freqAssgn);

ONDRELL_CONTROL(txt_int_rmk);

#undef ONDRELL_CONTROL

// Groups of controls that recur from form to form.

// A position typed as degrees, minutes, seconds and hemisphere for the longitude and the latitude.
struct PositionControls {
    const char *longDeg, *longMin, *longSec, *longHemi;
    const char *latDeg, *latMin, *latSec, *latHemi;
};
// The site (GS1, GT1) and, on TB2, the target the copy modifies.
inline constexpr PositionControls kSitePosition{Txt_4C_Deg_Long, Txt_4C_Min_Long, Txt_4C_Sec_Long, Txt_4C_EW,
                                                Txt_4C_Deg_Lat,  Txt_4C_Min_Lat,  Txt_4C_Sec_Lat,  Txt_4C_NS};
// The target given by its characteristics on GS1 and GT1.
inline constexpr PositionControls kTargetPosition{Txt_trg_long_DD, Txt_trg_long_MM, Txt_trg_long_SS,
                                                  Txt_trg_long_EW, Txt_trg_lat_DD,  Txt_trg_lat_MM,
                                                  Txt_trg_lat_SS,  Txt_trg_lat_NS};
// The test point being entered on GA1.
inline constexpr PositionControls kTestPointPosition{
    Txt_RRC04_Deg_Long, Txt_RRC04_Min_Long, Txt_RRC04_Sec_Long, Txt_RRC04_EW,
    Txt_RRC04_Deg_Lat,  Txt_RRC04_Min_Lat,  Txt_RRC04_Sec_Lat,  Txt_RRC04_NS};

// A date typed as day, month and four-digit year.
struct DateControls {
    const char *day, *month, *year;
};
inline constexpr DateControls kInUseDate{Txt_InUse_DD, Txt_InUse_MM, Txt_InUse_YY};
inline constexpr DateControls kExpiryDate{Txt_Exp_DD, Txt_Exp_MM, Txt_Exp_YY};

} // namespace ondrell::ctl
