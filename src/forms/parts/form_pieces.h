#pragma once
// Blocks that recur on the notice forms, each a piece of its own that a form's .ui places as a
// promoted widget: the coordination list and the bottom bar (remarks, file name, notice number and
// the four workflow buttons), each from its own Designer file, and the azimuth tables.

#include <QGroupBox>
#include <QWidget>

namespace ondrell {

class CoordinationFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit CoordinationFrame(QWidget *parent = nullptr);
};

class WorkflowBar : public QWidget {
    Q_OBJECT

  public:
    explicit WorkflowBar(QWidget *parent = nullptr);
    // The buttons beside the file name when the bar fits that width so, else on a row of their own.
    void FitWidth(int width);
};

// One azimuth table (9EC, 9NH or 9NV): 36 boxes in four rows of nine, each under its azimuth, and
// the table's Fill button. The boxes are named after the frame the .ui names (Frame_9EC_EffAntHeight
// holds Txt_9EC_azm000 ... Txt_9EC_azm350 and Button_Fill9EC).
class AzimuthFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit AzimuthFrame(QWidget *parent = nullptr);
    // Builds the boxes once the frame has its name (the form calls it after setupUi).
    void Build();
};

} // namespace ondrell
