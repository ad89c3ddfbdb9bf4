#include "forms/contour_detail_chart.h"

#include "util/text_compare.h"
#include "validation/check_point.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ondrell {

namespace {

const QColor kCountryBorder(70, 70, 70);
const QColor kOtherBorder(170, 170, 170);
const QColor kNearColour(245, 150, 0);
const QColor kNumberColour(0, 40, 110);
const QColor kLabelColour(130, 130, 130);
constexpr double kPadding = 8;
constexpr double kTick = 4;
constexpr double kPointRadius = 2.5;
constexpr double kMarkRadius = 6.5;
constexpr double kCountryBorderWidth = 1.4;
constexpr double kOtherBorderWidth = 1.0;

QFont Scaled(const QFont &base, double factor, bool bold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

QFont TitleFont(const QFont &base) {
    return Scaled(base, 1.2, true);
}

// The text drawn centred on a point.
void DrawCentred(QPainter &p, const QPointF &at, const QString &text) {
    const QFontMetricsF fm(p.font());
    p.drawText(at + QPointF(-fm.horizontalAdvance(text) / 2, fm.ascent() / 2 - 1), text);
}

// Decimals that tell two ticks this far apart from each other.
int DecimalsFor(double step) {
    return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

struct LegendEntry {
    QString text;
    QPen pen;
    bool ring = false; // a point mark rather than a line
};

} // namespace

struct ContourChart::Layout {
    QRectF plot;
    LonLatBox box;
    double titleBaseline = 0;
    double legendMiddle = 0;

    QPointF Map(double lon, double lat) const {
        return {plot.left() + (lon - box.west) / (box.east - box.west) * plot.width(),
                plot.bottom() - (lat - box.south) / (box.north - box.south) * plot.height()};
    }
};

ContourChart::ContourChart(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ContourChart::setScene(ContourScene scene) {
    scene_ = std::move(scene);
    update();
}

ContourChart::Layout ContourChart::ComputeLayout() const {
    const QFontMetricsF fm(font());
    const QFontMetricsF tm(TitleFont(font()));
    Layout layout;
    layout.titleBaseline = kPadding + tm.ascent();
    const double legendTop = kPadding + tm.height() + 4;
    layout.legendMiddle = legendTop + fm.height() / 2;
    const double top = legendTop + fm.height() + kPadding;
    // Room on the left for the axis title and latitude labels such as "-12.25".
    const double left = kPadding + fm.height() + 4 + fm.horizontalAdvance(QStringLiteral("-00.000")) + kTick;
    const double bottom = kPadding + fm.height() * 2 + kTick + 4;
    layout.plot = QRectF(left, top, std::max(10.0, width() - left - kPadding * 2),
                         std::max(10.0, height() - top - bottom));
    layout.box = FitToAspect(scene_.region, scene_.cosLat, layout.plot.width(), layout.plot.height());
    return layout;
}

LonLatBox ContourChart::visibleRegion() const {
    return ComputeLayout().box;
}

bool ContourChart::IsCountry(const std::string &symbol) const {
    return EqualsNoCase(symbol, scene_.country);
}

double ContourChart::SeriesPenWidth() const {
    return kSeriesPenTwips / 20.0 * logicalDpiY() / 72.0;
}

void ContourChart::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const Layout layout = ComputeLayout();
    DrawTitle(p, layout);
    p.save();
    p.setClipRect(layout.plot);
    DrawBorders(p, layout);
    DrawContour(p, layout);
    p.restore();
    DrawAxes(p, layout);
    DrawLegend(p, layout);
}

void ContourChart::DrawTitle(QPainter &p, const Layout &layout) const {
    p.setFont(TitleFont(font()));
    p.setPen(Qt::black);
    const QString title = QString::fromStdString(scene_.title);
    p.drawText(
        QPointF((width() - QFontMetricsF(p.font()).horizontalAdvance(title)) / 2, layout.titleBaseline),
        title);
    p.setFont(font());
}

void ContourChart::DrawBorders(QPainter &p, const Layout &layout) const {
    for (bool own : {false, true}) { // the country's border over its neighbours'
        p.setPen(QPen(own ? kCountryBorder : kOtherBorder, own ? kCountryBorderWidth : kOtherBorderWidth));
        for (const AreaBorder &area : scene_.borders) {
            if (IsCountry(area.symbol) != own)
                continue;
            for (const Polyline &line : area.lines) {
                QPolygonF poly;
                poly.reserve(qsizetype(line.size()));
                for (const auto &[lon, lat] : line)
                    poly << layout.Map(lon, lat);
                p.drawPolyline(poly);
            }
        }
    }
    p.setFont(Scaled(font(), 1.1, true));
    p.setPen(kLabelColour);
    for (const AreaLabel &label : scene_.labels)
        DrawCentred(p, layout.Map(label.lon, label.lat), QString::fromStdString(label.symbol));
    p.setFont(font());
}

void ContourChart::DrawContour(QPainter &p, const Layout &layout) const {
    QPolygonF series;
    for (const auto &[lon, lat] : scene_.points)
        series << layout.Map(lon, lat);
    if (series.isEmpty())
        return;
    const double width = SeriesPenWidth();
    if (scene_.closingSegment) { // the check closes the contour; the series itself stays open
        p.setPen(QPen(SeriesColour(), 1.0, Qt::DashLine));
        p.drawLine(series.back(), series.front());
    }
    p.setPen(QPen(SeriesColour(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(series);
    p.setPen(QPen(CrossingColour(), width + 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const auto &[from, to] : scene_.crossings)
        p.drawLine(series[qsizetype(from)], series[qsizetype(to)]);

    p.setPen(Qt::NoPen);
    p.setBrush(SeriesColour());
    for (const QPointF &pt : series)
        p.drawEllipse(pt, kPointRadius, kPointRadius);
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < scene_.marks.size(); ++i) {
        if (scene_.marks[i] == PointMark::Inside)
            continue;
        const QPointF &pt = series[qsizetype(i)];
        const bool outside = scene_.marks[i] == PointMark::Outside;
        p.setPen(QPen(outside ? CrossingColour() : kNearColour, 2.0));
        p.drawEllipse(pt, kMarkRadius, kMarkRadius);
        if (outside) {
            const double d = kMarkRadius * 0.7;
            p.drawLine(pt + QPointF(-d, -d), pt + QPointF(d, d));
            p.drawLine(pt + QPointF(-d, d), pt + QPointF(d, -d));
        }
    }

    // Numbers outside the contour, pushed away from its middle.
    QPointF middle;
    for (const QPointF &pt : series)
        middle += pt / double(series.size());
    p.setFont(Scaled(font(), 0.85, false));
    p.setPen(kNumberColour);
    const QFontMetricsF nm(p.font());
    for (qsizetype i = 0; i < series.size(); ++i) {
        const QString number = QString::number(i + 1);
        QPointF away = series[i] - middle;
        const double length = std::hypot(away.x(), away.y());
        away = length > 0 ? away / length : QPointF(0.7, -0.7);
        DrawCentred(p, series[i] + away * (kMarkRadius + 2 + nm.horizontalAdvance(number) / 2), number);
    }
    p.setFont(font());
}

void ContourChart::DrawAxes(QPainter &p, const Layout &layout) const {
    const QRectF &plot = layout.plot;
    const LonLatBox &box = layout.box;
    const QFontMetricsF fm(font());
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    double step = 1;
    for (double lon : AxisTicks(box.west, box.east, std::max(2, int(plot.width() / 90)), &step)) {
        const double x = layout.Map(lon, box.south).x();
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        DrawCentred(p, QPointF(x, plot.bottom() + kTick + 2 + fm.height() / 2),
                    QString::number(lon, 'f', DecimalsFor(step)));
    }
    for (double lat : AxisTicks(box.south, box.north, std::max(2, int(plot.height() / 50)), &step)) {
        const double y = layout.Map(box.west, lat).y();
        p.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        const QString label = QString::number(lat, 'f', DecimalsFor(step));
        p.drawText(QPointF(plot.left() - kTick - 3 - fm.horizontalAdvance(label), y + fm.ascent() / 2 - 1),
                   label);
    }
    DrawCentred(p, QPointF(plot.center().x(), height() - kPadding - fm.height() / 2),
                tr("Longitude (degrees, East +)"));
    p.save();
    p.translate(kPadding + fm.height() / 2, plot.center().y());
    p.rotate(-90);
    DrawCentred(p, QPointF(0, 0), tr("Latitude (degrees, North +)"));
    p.restore();
}

void ContourChart::DrawLegend(QPainter &p, const Layout &layout) const {
    // Only what the chart shows.
    const QString country = QString::fromStdString(scene_.country);
    auto bordersOf = [&](bool own) {
        return std::any_of(scene_.borders.begin(), scene_.borders.end(),
                           [&](const AreaBorder &b) { return IsCountry(b.symbol) == own; });
    };
    auto marked = [&](PointMark mark) {
        return std::find(scene_.marks.begin(), scene_.marks.end(), mark) != scene_.marks.end();
    };
    std::vector<LegendEntry> legend{{tr("Test points"), QPen(SeriesColour(), SeriesPenWidth())}};
    if (bordersOf(true))
        legend.push_back({tr("Border of %1").arg(country), QPen(kCountryBorder, kCountryBorderWidth)});
    if (bordersOf(false))
        legend.push_back({tr("Other borders"), QPen(kOtherBorder, kOtherBorderWidth)});
    if (!scene_.crossings.empty())
        legend.push_back({tr("Crossing segments"), QPen(CrossingColour(), SeriesPenWidth() + 1.5)});
    if (marked(PointMark::Outside))
        legend.push_back({tr("Outside %1").arg(country), QPen(CrossingColour(), 2.0), true});
    if (marked(PointMark::Near))
        legend.push_back({tr("Outside %1, within %2 km").arg(country).arg(kCountryToleranceKm),
                          QPen(kNearColour, 2.0), true});

    const QFontMetricsF fm(font());
    constexpr double kSample = 18, kGap = 4, kSpacing = 14;
    double total = 0;
    for (const auto &e : legend)
        total += kSample + kGap + fm.horizontalAdvance(e.text) + kSpacing;
    double x = std::max(kPadding, (width() - total) / 2);
    const double y = layout.legendMiddle;
    for (const auto &e : legend) {
        p.setPen(e.pen);
        if (e.ring)
            p.drawEllipse(QPointF(x + kSample / 2, y), 4.5, 4.5);
        else
            p.drawLine(QPointF(x, y), QPointF(x + kSample, y));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + kSample + kGap, y + fm.ascent() / 2 - 1), e.text);
        x += kSample + kGap + fm.horizontalAdvance(e.text) + kSpacing;
    }
}

} // namespace ondrell
