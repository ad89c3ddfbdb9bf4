#pragma once
// The contour detail window: a GA1 notice's administration, country, contour number and test
// points, read-only, with the contour drawn as a chart over the borders around it. Opened modally
// by the View button of the sub-allotment form.

#include "notice/record.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ContourDetailFrm;
}

namespace ondrell {

class ContourChart;
class WorldMap;

class ContourDetailFrm : public QDialog {
    Q_OBJECT

  public:
    // Filled from the record, whose number of test points is the number of points to show. The
    // map (may be null) gives the borders and the country check of each point.
    ContourDetailFrm(const NoticeRecord &record, const WorldMap *map, QWidget *parent = nullptr);
    ~ContourDetailFrm() override;

    const ContourChart &chart() const;

  private:
    void FillNotice(const NoticeRecord &record);

    std::unique_ptr<Ui::ContourDetailFrm> ui_;
};

} // namespace ondrell
