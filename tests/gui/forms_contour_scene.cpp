// What the contour detail window draws, without a window: the signed decimal conversion, the
// region and its fitting to the plot's shape, the axis scales, and the scene of a record (points,
// crossing segments, marks against the country, borders).

#include "contour_samples.h"

#include "forms/contour_detail_scene.h"

#include <QTest>

#include <algorithm>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

bool Near(double a, double b, double eps = 1e-9) {
    return std::fabs(a - b) <= eps;
}

bool HasBorder(const ContourScene &scene, const std::string &symbol) {
    return std::any_of(scene.borders.begin(), scene.borders.end(),
                       [&](const AreaBorder &b) { return b.symbol == symbol && !b.lines.empty(); });
}

} // namespace

class ContourSceneTest : public QObject {
    Q_OBJECT

  private slots:
    void signedDegrees_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("longitude");
        QTest::addColumn<double>("degrees");
        QTest::newRow("east") << "+0123456" << true << 12 + 34 / 60.0 + 56 / 3600.0;
        QTest::newRow("west") << "-0050709" << true << -(5 + 7 / 60.0 + 9 / 3600.0);
        QTest::newRow("not + is west") << "X0100000" << true << -10.0;
        QTest::newRow("no seconds") << "+00507" << true << 5 + 7 / 60.0;
        QTest::newRow("180 W") << "-1800000" << true << -180.0;
        QTest::newRow("north") << "+451200" << false << 45.2;
        QTest::newRow("south") << "-451230" << false << -(45.2 + 30 / 3600.0);
        QTest::newRow("south, no seconds") << "-4512" << false << -45.2;
        QTest::newRow("not - is north") << "N001000" << false << 0 + 10 / 60.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void signedDegrees() {
        QFETCH(QString, text);
        QFETCH(bool, longitude);
        QFETCH(double, degrees);
        const std::string t = text.toStdString();
        const double got = longitude ? SignedLongitudeDegrees(t) : SignedLatitudeDegrees(t);
        QVERIFY2(Near(got, degrees), qPrintable(QString::number(got, 'g', 12)));
    }

    void axisTicks_data() {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("unit") << 0.0 << 1.0 << 5 << QList<double>{0, 0.5, 1.0};
        QTest::newRow("across zero") << -0.37 << 0.52 << 4 << QList<double>{-0.2, 0, 0.2, 0.4};
        QTest::newRow("wide") << 2.3 << 17.9 << 3 << QList<double>{5, 10, 15};
        QTest::newRow("narrow") << 46.01 << 46.04 << 3 << QList<double>{46.02, 46.04};
        QTest::newRow("empty range") << 1.0 << 1.0 << 5 << QList<double>{};
        QTest::newRow("reversed") << 2.0 << 1.0 << 5 << QList<double>{};
    }
    void axisTicks() {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(int, maxCount);
        QFETCH(QList<double>, ticks);
        const auto got = AxisTicks(lo, hi, maxCount);
        QCOMPARE(qsizetype(got.size()), ticks.size());
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            QVERIFY2(Near(got[std::size_t(i)], ticks[i], 1e-9),
                     qPrintable(QString::number(got[std::size_t(i)])));
            QVERIFY(!std::signbit(got[std::size_t(i)]) || got[std::size_t(i)] != 0); // never "-0"
        }
    }

    // The fitted box keeps the centre, grows in one direction only, and has the plot's shape on the ground.
    void fitToAspect_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("wide plot") << 800.0 << 300.0;
        QTest::newRow("tall plot") << 300.0 << 800.0;
        QTest::newRow("square plot") << 500.0 << 500.0;
    }
    void fitToAspect() {
        QFETCH(double, width);
        QFETCH(double, height);
        const LonLatBox region{5.0, 45.0, 7.0, 46.0};
        const double cosLat = std::cos(45.5 * M_PI / 180);
        const LonLatBox fit = FitToAspect(region, cosLat, width, height);
        QVERIFY(Near(fit.west + fit.east, region.west + region.east));
        QVERIFY(Near(fit.south + fit.north, region.south + region.north));
        QVERIFY(Near((fit.east - fit.west) * cosLat / (fit.north - fit.south), width / height));
        const bool wider = fit.east - fit.west > region.east - region.west + 1e-12;
        const bool taller = fit.north - fit.south > region.north - region.south + 1e-12;
        QVERIFY(!(wider && taller));
        QVERIFY(fit.west <= region.west && fit.south <= region.south);
    }

    void sceneOfThreePointsWithoutMap() {
        const NoticeRecord record = ContourRecord("1234", kThreePoints);
        const ContourScene scene = BuildContourScene(record, nullptr);
        QCOMPARE(scene.title, std::string("Contour ID : 1234"));
        QCOMPARE(scene.points.size(), std::size_t(3));
        for (std::size_t i = 0; i < 3; ++i) { // texts hold whole seconds
            QVERIFY(Near(scene.points[i].first, kThreePoints[i].first, 1 / 3600.0));
            QVERIFY(Near(scene.points[i].second, kThreePoints[i].second, 1 / 3600.0));
        }
        QVERIFY(scene.closingSegment);
        QVERIFY(scene.crossings.empty());
        QVERIFY(scene.borders.empty());
        QVERIFY(std::all_of(scene.marks.begin(), scene.marks.end(),
                            [](PointMark m) { return m == PointMark::Inside; }));
        // A fifth of the larger ground extent (here the longitudes) on every side.
        const double cosLat = std::cos((46.05 + 46.55) / 2 * M_PI / 180);
        const double margin = 0.2 * (6.85 - 5.95) * cosLat;
        QVERIFY(Near(scene.region.south, 46.05 - margin, 1e-3));
        QVERIFY(Near(scene.region.west, 5.95 - margin / cosLat, 1e-3));
    }

    // N is the record's number of test points: further entries are not drawn; the last point
    // repeating the first leaves nothing to close; no points at all gives an empty chart.
    void sceneTakesTheRecordsCount() {
        NoticeRecord record = ContourRecord("7", CirclePoints(6));
        record.sub_area.t_nb_test_pts = "4";
        QCOMPARE(BuildContourScene(record, nullptr).points.size(), std::size_t(4));

        auto closed = CirclePoints(5);
        closed.push_back(closed.front());
        QVERIFY(!BuildContourScene(ContourRecord("7", closed), nullptr).closingSegment);

        const ContourScene empty = BuildContourScene(ContourRecord("", {}), nullptr);
        QCOMPARE(empty.title, std::string("Contour ID : "));
        QVERIFY(empty.points.empty() && empty.crossings.empty() && !empty.closingSegment);
        QVERIFY(empty.region.east > empty.region.west && empty.region.north > empty.region.south);
    }

    void figureEightMarksItsCrossingSegments() {
        const ContourScene scene = BuildContourScene(ContourRecord("8", kFigureEight), nullptr);
        using Segment = std::pair<std::size_t, std::size_t>;
        QCOMPARE(scene.crossings, (std::vector<Segment>{{0, 1}, {2, 3}}));
    }

    // With the map: each point judged as the validation judges it, and the borders around.
    void sceneWithTheMap() {
        const WorldMap *map = SampleMap();
        const ContourScene three = BuildContourScene(ContourRecord("1", kThreePoints), map);
        QCOMPARE(three.marks,
                 (std::vector<PointMark>{PointMark::Inside, PointMark::Outside, PointMark::Near}));
        QVERIFY(HasBorder(three, "F"));
        QVERIFY(HasBorder(three, "SUI"));

        const ContourScene circle = BuildContourScene(ContourRecord("2", CirclePoints(99)), map);
        QCOMPARE(circle.points.size(), std::size_t(99));
        QVERIFY(circle.crossings.empty());
        QVERIFY(std::all_of(circle.marks.begin(), circle.marks.end(),
                            [](PointMark m) { return m == PointMark::Inside; }));

        // No country: nothing to judge against.
        const ContourScene noCountry = BuildContourScene(ContourRecord("3", kThreePoints, "F", ""), map);
        QVERIFY(std::all_of(noCountry.marks.begin(), noCountry.marks.end(),
                            [](PointMark m) { return m == PointMark::Inside; }));
    }
};

QTEST_MAIN(ContourSceneTest)
#include "forms_contour_scene.moc"
