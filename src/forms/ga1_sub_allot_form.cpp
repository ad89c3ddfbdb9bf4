// GA1SubAllotFrmGE06: the notice of an allotment sub-area, a contour of test points. Its View
// button shows the contour in the contour detail window.
#include "app/app_state.h"
#include "forms/contour_detail_frm.h"
#include "forms/dialogs.h"
#include "forms/notice_form.h"
#include "notice/control_names.h"
#include "ui_ga1_sub_allot_form.h"

#include <QAbstractButton>

#include <string>

namespace ondrell {

class GA1SubAllotFrmGE06 final : public NoticeForm {
  public:
    explicit GA1SubAllotFrmGE06(QWidget *parent = nullptr) : NoticeForm(FormKind::GA1, parent) {
        Ui::GA1SubAllotFrmGE06 ui;
        ui.setupUi(this);
        InitNoticeForm();
        connect(ui.Button_View, &QAbstractButton::clicked, this, [this] { ViewContour(); });
    }

  private:
    // The window shows the points listed, whatever number of test points was typed.
    void ViewContour() {
        NoticeRecord record;
        CaptureRecord(record);
        record.sub_area.t_nb_test_pts =
            std::to_string(controls().ListItems(ctl::ListBox_RRC04_Coordinates).size());
        ContourDetailFrm window(record, TheApp().map, this);
        AppDialogs().Exec(window);
    }
};

namespace {
const bool registered = RegisterForm<GA1SubAllotFrmGE06>(FormKind::GA1);
} // namespace

} // namespace ondrell
