// The contour detail window opened on screen with 0, 3 and 99 points and a figure eight: the
// read-only notice frame, the coordinate list, the chart's title, points and crossings, and Close.

#include "contour_samples.h"
#include "forms_support.h"

#include "forms/contour_detail_chart.h"
#include "forms/contour_detail_frm.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

using namespace ondrell;
using namespace ondrell::testing;

class ContourDetailTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("contourId");
        QTest::addColumn<int>("crossings");
        QTest::newRow("no points") << 0 << "" << 0;
        QTest::newRow("three points") << 3 << "12" << 0;
        QTest::newRow("99 points") << 99 << "4321" << 0;
        QTest::newRow("figure eight") << -1 << "88" << 2;
    }
    void opens() {
        QFETCH(int, points);
        QFETCH(QString, contourId);
        QFETCH(int, crossings);
        const auto list = points < 0 ? kFigureEight : points == 3 ? kThreePoints : CirclePoints(points);
        const NoticeRecord record = ContourRecord(contourId.toStdString(), list, "F", "F");
        ContourDetailFrm window(record, SampleMap());
        ShowActive(window);

        QVERIFY(!Control<QGroupBox>(window, "FrmNtc")->isEnabled());
        QCOMPARE(Text(window, "TxtAdm"), QStringLiteral("F"));
        QCOMPARE(Text(window, "TxtCtry"), QStringLiteral("F"));
        QCOMPARE(Text(window, "Txt_RRC04_contour_id"), contourId);
        QCOMPARE(Text(window, "Txt_RRC04_nb_test_pts"), QString::number(list.size()));
        auto *entries = Control<QListWidget>(window, "ListBox_RRC04_Coordinates");
        QCOMPARE(entries->count(), int(list.size()));
        for (int i = 0; i < entries->count(); ++i)
            QCOMPARE(entries->item(i)->text(),
                     QString::fromStdString(record.sub_area.test_points[std::size_t(i)].t_long + " " +
                                            record.sub_area.test_points[std::size_t(i)].t_lat));
        QCOMPARE(Control<QLabel>(window, "Lbl_PrinterFooter")->text(), QString());

        auto *chart = Control<ContourChart>(window, "MSChart_Contour");
        QCOMPARE(chart->scene().title, "Contour ID : " + contourId.toStdString());
        QCOMPARE(chart->scene().points.size(), list.size());
        QCOMPARE(int(chart->scene().crossings.size()), crossings);
        QCOMPARE(chart->scene().borders.empty(), list.empty());

        // The contour's blue is on screen, and the warning red when a segment crosses or a point is outside.
        const QImage image = chart->grab().toImage();
        auto shows = [&](const QColor &colour) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        if (!list.empty())
            QVERIFY(shows(ContourChart::SeriesColour()));
        const auto &marks = chart->scene().marks;
        const bool outside = std::find(marks.begin(), marks.end(), PointMark::Outside) != marks.end();
        QCOMPARE(shows(ContourChart::CrossingColour()), crossings > 0 || outside);

        // Every point lies inside the plotted region: nothing is cut off.
        const LonLatBox box = chart->visibleRegion();
        for (const auto &[lon, lat] : chart->scene().points)
            QVERIFY(lon > box.west && lon < box.east && lat > box.south && lat < box.north);

        Click(window, "Button_Close");
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    // Without the map the contour is still drawn, with no borders and no marks.
    void opensWithoutMap() {
        ContourDetailFrm window(ContourRecord("5", kThreePoints), nullptr);
        ShowActive(window);
        const auto &scene = Control<ContourChart>(window, "MSChart_Contour")->scene();
        QCOMPARE(scene.points.size(), std::size_t(3));
        QVERIFY(scene.borders.empty());
        QVERIFY(!window.grab().isNull());
    }

    // A record that holds no sub-area group: the frame keeps only what the record has.
    void recordWithoutSubArea() {
        NoticeRecord record = ContourRecord("9", kThreePoints, "", "F");
        record.sub_area.present = false;
        ContourDetailFrm window(record, nullptr);
        QCOMPARE(Text(window, "TxtAdm"), QString());
        QCOMPARE(Text(window, "TxtCtry"), QStringLiteral("F"));
        QCOMPARE(Text(window, "Txt_RRC04_contour_id"), QString());
        QCOMPARE(Control<QListWidget>(window, "ListBox_RRC04_Coordinates")->count(), 0);
    }
};

QTEST_MAIN(ContourDetailTest)
#include "forms_contour_detail.moc"
