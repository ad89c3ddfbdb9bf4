#include "forms/parts/form_pieces.h"

#include "ui_coordination_frame.h"
#include "ui_workflow_bar.h"

namespace ondrell {

CoordinationFrame::CoordinationFrame(QWidget *parent) : QGroupBox(parent) {
    Ui::CoordinationFrame ui;
    ui.setupUi(this);
}

WorkflowBar::WorkflowBar(QWidget *parent) : QWidget(parent) {
    Ui::WorkflowBar ui;
    ui.setupUi(this);
}

} // namespace ondrell
