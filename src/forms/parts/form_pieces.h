#pragma once
// Blocks that recur on the notice forms, each a Designer piece of its own that a form's .ui
// places as a promoted widget: the coordination list and the bottom bar (remarks, file name,
// notice number and the four workflow buttons).

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
};

} // namespace ondrell
