#include "forms/parts/form_pieces.h"

#include "notice/capture.h"
#include "notice/control_names.h"
#include "ui_coordination_frame.h"
#include "ui_workflow_bar.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ondrell {

CoordinationFrame::CoordinationFrame(QWidget *parent) : QGroupBox(parent) {
    Ui::CoordinationFrame ui;
    ui.setupUi(this);
}

WorkflowBar::WorkflowBar(QWidget *parent) : QWidget(parent) {
    Ui::WorkflowBar ui;
    ui.setupUi(this);
}

void WorkflowBar::FitWidth(int width) {
    auto *row = findChild<QBoxLayout *>(QStringLiteral("bottomRow"));
    if (!row)
        return;
    row->setDirection(QBoxLayout::LeftToRight);
    row->invalidate();
    if (minimumSizeHint().width() > width)
        row->setDirection(QBoxLayout::TopToBottom);
}

namespace {

struct AzimuthFrameKind {
    const char *frame;
    AzimuthTable table;
    const char *button;
    const char *title;
};
constexpr AzimuthFrameKind kAzimuthFrames[] = {
    {ctl::Frame_9EC_EffAntHeight, AzimuthTable::EffHeight, ctl::Button_Fill9EC, "9EC"},
    {ctl::Frame_9NH_AttnH, AzimuthTable::AttnH, ctl::Button_Fill9NH, "9NH"},
    {ctl::Frame_9NV_AttnV, AzimuthTable::AttnV, ctl::Button_Fill9NV, "9NV"},
};

} // namespace

AzimuthFrame::AzimuthFrame(QWidget *parent) : QGroupBox(parent) {}

void AzimuthFrame::Build() {
    if (layout())
        return;
    for (const auto &kind : kAzimuthFrames) {
        if (objectName() != QLatin1String(kind.frame))
            continue;
        setTitle(QString::fromLatin1(kind.title));
        auto *grid = new QGridLayout(this);
        grid->setHorizontalSpacing(3);
        grid->setVerticalSpacing(1);
        for (int i = 0; i < kAntennaEntries; ++i) {
            const QString name = QString::fromStdString(AzimuthControlName(kind.table, i));
            auto *label = new QLabel(QString::number(10 * i), this);
            label->setObjectName(QStringLiteral("Lbl_") + name);
            label->setAlignment(Qt::AlignCenter);
            auto *box = new QLineEdit(this);
            box->setObjectName(name);
            box->setMaximumWidth(46);
            grid->addWidget(label, 2 * (i / 9), i % 9);
            grid->addWidget(box, 2 * (i / 9) + 1, i % 9);
        }
        auto *fill = new QPushButton(QStringLiteral("Fill in ") + QString::fromLatin1(kind.title), this);
        fill->setObjectName(QString::fromLatin1(kind.button));
        grid->addWidget(fill, 8, 0, 1, 9, Qt::AlignRight);
        // Room to spare goes beside the table, not between its boxes.
        grid->setColumnStretch(9, 1);
    }
}

} // namespace ondrell
