#include "forms/contour_detail_frm.h"

#include "forms/contour_detail_chart.h"
#include "ui_contour_detail_frm.h"

namespace ondrell {

ContourDetailFrm::ContourDetailFrm(const NoticeRecord &record, const WorldMap *map, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ContourDetailFrm>()) {
    ui_->setupUi(this);
    ui_->FrmNtc->setEnabled(false); // shown read-only
    FillNotice(record);
    ui_->MSChart_Contour->setScene(BuildContourScene(record, map));
    connect(ui_->Button_Close, &QPushButton::clicked, this, &QDialog::accept);
}

ContourDetailFrm::~ContourDetailFrm() = default;

const ContourChart &ContourDetailFrm::chart() const {
    return *ui_->MSChart_Contour;
}

void ContourDetailFrm::FillNotice(const NoticeRecord &record) {
    auto fill = [](QLineEdit *box, const std::string &text) {
        if (!text.empty())
            box->setText(QString::fromStdString(text));
    };
    fill(ui_->TxtAdm, record.t_adm);
    fill(ui_->TxtCtry, record.t_ctry);
    const SubAreaGroup &subArea = record.sub_area;
    if (!subArea.present)
        return;
    fill(ui_->Txt_RRC04_contour_id, subArea.t_contour_id);
    fill(ui_->Txt_RRC04_nb_test_pts, subArea.t_nb_test_pts);
    for (const TestPoint &point : subArea.test_points)
        if (point.given)
            ui_->ListBox_RRC04_Coordinates->addItem(QString::fromStdString(point.t_long + " " + point.t_lat));
}

} // namespace ondrell
