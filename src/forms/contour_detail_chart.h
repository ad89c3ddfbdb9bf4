#pragma once
// The contour chart of the contour detail window: an XY line chart of the test points in decimal
// degrees (both axis scales shown, no grid lines, the series drawn 24 twips wide in RGB 0, 100,
// 255) over the borders around the contour, with the points numbered, the segments the crossing
// check objects to in a warning colour and the points outside the country marked. One degree of
// longitude is drawn cos(latitude) as wide as one of latitude, so shapes keep their proportions.

#include "forms/contour_detail_scene.h"

#include <QColor>
#include <QWidget>

class QPainter;

namespace ondrell {

class ContourChart : public QWidget {
    Q_OBJECT

  public:
    // The series pen: width in twentieths of a point, and colour.
    static constexpr int kSeriesPenTwips = 24;
    static QColor SeriesColour() { return {0, 100, 255}; }
    static QColor CrossingColour() { return {225, 30, 30}; }

    explicit ContourChart(QWidget *parent = nullptr);

    void setScene(ContourScene scene);
    const ContourScene &scene() const { return scene_; }

    // The part of the map shown in the plot area at the present size.
    LonLatBox visibleRegion() const;

    QSize minimumSizeHint() const override { return {320, 260}; }
    QSize sizeHint() const override { return {560, 480}; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    struct Layout;
    Layout ComputeLayout() const;
    void DrawTitle(QPainter &p, const Layout &layout) const;
    void DrawBorders(QPainter &p, const Layout &layout) const;
    void DrawContour(QPainter &p, const Layout &layout) const;
    void DrawAxes(QPainter &p, const Layout &layout) const;
    void DrawLegend(QPainter &p, const Layout &layout) const;
    bool IsCountry(const std::string &symbol) const;
    double SeriesPenWidth() const;

    ContourScene scene_;
};

} // namespace ondrell
