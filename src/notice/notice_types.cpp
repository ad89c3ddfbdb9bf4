#include "notice/notice_types.h"

#include "notice/control_names.h"

namespace ondrell {
namespace {

using namespace ctl;

constexpr std::string_view kGs1Boxes[] = {Txt_4C_Deg_Long, Txt_4C_Min_Long, Txt_4C_Sec_Long, Txt_4C_Deg_Lat,
                                          Txt_4C_Min_Lat,  Txt_4C_Sec_Lat,  Txt_AdmRefID};
constexpr std::string_view kGt1Boxes[] = {Txt_4C_Deg_Long, Txt_4C_Min_Long, Txt_4C_Sec_Long, Txt_4C_Deg_Lat,
                                          Txt_4C_Min_Lat,  Txt_4C_Sec_Lat,  Txt_AdmRefID,    Txt_TrgAdmRefID};
constexpr std::string_view kAllotmentBoxes[] = {Txt_AdmRefID, Txt_TrgAdmRefID};
constexpr std::string_view kSubAreaBoxes[] = {Txt_RRC04_contour_id};
constexpr std::string_view kTb2Boxes[] = {Txt_PlanAdmRefID};
constexpr std::string_view kTargetBoxes[] = {Txt_TrgAdmRefID};

// clang-format off
constexpr NoticeTypeDescriptor kTypes[] = {
//   kind           type              form                  prefix  capture            stn_cls             new boxes        soft   article hours  title menu option            caption
    {FormKind::GS1, notice_type::GS1, "GS1AssignFrmGE06",   "GS1-", CaptureCode::GS1,  station_class::BC,  kGs1Boxes,       true,  true,   false,  143, "Opt_DigitalFrmGS1", 101},
    {FormKind::GT1, notice_type::GT1, "GT1AssignFrmGE06",   "GT1-", CaptureCode::GT1,  station_class::BT,  kGt1Boxes,       true,  true,   false,  207, "Opt_DigitalFrmGT1", 102},
    {FormKind::GS2, notice_type::GS2, "GS2AllotFrmGE06",    "GS2-", CaptureCode::GS2,  station_class::BC,  kAllotmentBoxes, true,  false,  false,  210, "Opt_DigitalFrmGS2", 103},
    {FormKind::GT2, notice_type::GT2, "GT2AllotFrmGE06",    "GT2-", CaptureCode::GT2,  station_class::BT,  kAllotmentBoxes, true,  false,  false,  213, "Opt_DigitalFrmGT2", 104},
    {FormKind::GA1, notice_type::GA1, "GA1SubAllotFrmGE06", "GA1-", std::nullopt,      {},                 kSubAreaBoxes,   false, false,  false, 216, "Opt_DigitalFrmGA1", 105},
    {FormKind::TB5, notice_type::TB5, "TB5FrmGE06",         "TB5-", CaptureCode::TB5,  {},                 kTargetBoxes,    false, false,  false, 264, "Opt_DigitalFrmTB5", 266},
    {FormKind::TB3, notice_type::TB3, "TB3FrmGE06",         "TB3-", CaptureCode::TB3,  {},                 kTargetBoxes,    false, false,  false, 268, "Opt_DigitalFrmTB3", 267},
    {FormKind::TB2, notice_type::TB2, "TB2FrmGE06",         "TB2-", CaptureCode::TB2,  {},                 kTb2Boxes,       false, false,  true, 271, "Opt_DigitalFrmTB2", 270},
};
// clang-format on

} // namespace

std::span<const NoticeTypeDescriptor> NoticeTypes() {
    return kTypes;
}

const NoticeTypeDescriptor &Descriptor(FormKind kind) {
    return kTypes[static_cast<int>(kind)];
}

std::string_view StationClassOf(std::string_view type) {
    for (const auto &t : kTypes)
        if (t.type == type)
            return t.stationClass;
    return {};
}

const NoticeTypeDescriptor *DescriptorOfForm(std::string_view formName) {
    for (const auto &type : kTypes)
        if (type.formName == formName)
            return &type;
    return nullptr;
}

} // namespace ondrell
