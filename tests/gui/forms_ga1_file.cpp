// The sub-allotment form GA1 driven as a user would: a contour entered point by point with Add,
// Insert, Modify, Delete, Clear and Clear All, every refusal of the point list, the countdown of
// points still to give, the country lock, the contour window from View; two notices validated,
// saved and finished, the file compared from its fourth line with a golden file and checked
// receivable by the command-line tool.

#include "contour_samples.h"
#include "forms_support.h"

#include "app/app_state.h"
#include "app/string_table.h"
#include "forms/contour_detail_chart.h"
#include "forms/contour_detail_frm.h"
#include "geo/world_map.h"
#include "util/program_id.h"

#include <QTemporaryDir>

#include <optional>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

// Test points as the list holds them, and as they are typed (degrees, minutes, seconds, hemisphere).
struct Point {
    const char *entry;
    const char *typed[8];
};

// In France, west of Geneva: a square A, D, B, C.
constexpr Point kA{"+0053000 +460000", {"5", "30", "0", "e", "46", "0", "0", "n"}};
constexpr Point kD{"+0055400 +460000", {"5", "54", "00", "E", "46", "00", "00", "N"}};
constexpr Point kB{"+0055400 +461800", {"5", "54", "00", "E", "46", "18", "00", "N"}};
constexpr Point kC{"+0053000 +461800", {"5", "30", "00", "E", "46", "18", "00", "N"}};
// In Switzerland, 5 km from France (accepted) and 15 km from France (refused).
constexpr Point kNear{"+0062100 +462700", {"6", "21", "00", "E", "46", "27", "00", "N"}};
constexpr Point kFar{"+0065100 +463300", {"6", "51", "00", "E", "46", "33", "00", "N"}};

constexpr const char *kPointFields[] = {"Txt_RRC04_Deg_Long", "Txt_RRC04_Min_Long", "Txt_RRC04_Sec_Long",
                                        "Txt_RRC04_EW",       "Txt_RRC04_Deg_Lat",  "Txt_RRC04_Min_Lat",
                                        "Txt_RRC04_Sec_Lat",  "Txt_RRC04_NS"};

constexpr const char *kListFull = "The number of test points have already been entered. \r\n"
                                  "Please increase the number of test points to proceed";
constexpr const char *kDuplicate = "This test points is already in the list";

} // namespace

class Ga1FormTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;
    QString validationCaption_;
    QStringList contourShown_; // the coordinate list of the last contour window
    QString contourTitle_;
    int contourCrossings_ = 0;
    FormsMap map_;
    QTemporaryDir dir_;

    void ExpectMessage(const char *title, const char *text, MsgIcon icon = MsgIcon::None) {
        QCoreApplication::processEvents();
        const auto *last = dialogs_.LastMessage();
        QVERIFY2(last, text);
        QCOMPARE(last->title, QString::fromLatin1(title));
        QCOMPARE(last->text, QString::fromLatin1(text));
        if (icon != MsgIcon::None)
            QCOMPARE(last->icon, icon);
        dialogs_.Clear();
    }
    void ExpectNoMessage() {
        QCoreApplication::processEvents();
        if (const auto *last = dialogs_.LastMessage())
            QFAIL(qPrintable(last->title + QStringLiteral(": ") + last->text));
    }

    void TypePoint(QWidget &form, const Point &p) {
        for (int i = 0; i < 8; ++i)
            Type(form, kPointFields[i], QString::fromLatin1(p.typed[i]));
    }
    void AddPoint(QWidget &form, const Point &p) {
        TypePoint(form, p);
        QVERIFY(Control(form, "Button_Add_Coordinates")->isEnabled());
        Click(form, "Button_Add_Coordinates");
    }
    void Select(QWidget &form, const Point &p) {
        ClickListEntry(form, "ListBox_RRC04_Coordinates", QString::fromLatin1(p.entry));
    }
    QStringList Points(QWidget &form) {
        QStringList items;
        auto *list = Control<QListWidget>(form, "ListBox_RRC04_Coordinates");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    static QStringList Entries(std::initializer_list<Point> points) {
        QStringList items;
        for (const Point &p : points)
            items << QString::fromLatin1(p.entry);
        return items;
    }
    bool PointFieldsEmpty(QWidget &form) {
        for (const char *field : kPointFields)
            if (!Text(form, field).isEmpty())
                return false;
        return true;
    }
    // The remaining count as shown: always read-only.
    QString CountDown(QWidget &form) {
        if (!Shown(form, "Txt_CountDownTP") || !Shown(form, "Lbl_CountDownTP"))
            return QStringLiteral("(hidden)");
        if (Control(form, "Txt_CountDownTP")->isEnabled())
            return QStringLiteral("(editable)");
        return Text(form, "Txt_CountDownTP");
    }
    // The number of test points given and the field left: the point entry opens.
    void GiveTestPoints(QWidget &form, const char *count) {
        Type(form, "Txt_RRC04_nb_test_pts", QString::fromLatin1(count));
        Leave(form);
        QCoreApplication::processEvents();
    }
    void ExpectReceivable(QWidget &form) {
        Click(form, "Button_Validate");
        QCOMPARE(validationCaption_, QStringLiteral("Notice Receivable"));
        validationCaption_.clear();
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(map_.Load());
    }
    void init() {
        dialogs_ = RecordingDialogs();
        dialogs_.onExec = [this](QDialog &dialog) {
            if (auto *contour = qobject_cast<ContourDetailFrm *>(&dialog)) {
                contourShown_ = Points(*contour);
                contourTitle_ = QString::fromStdString(contour->chart().scene().title);
                contourCrossings_ = int(contour->chart().scene().crossings.size());
            } else {
                validationCaption_ = dialog.windowTitle();
            }
            return QDialog::Accepted;
        };
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
    }
    void cleanup() { scope_.reset(); }

    // Two contours entered point by point, with every list operation and refusal on the way.
    void twoContoursPointByPoint() {
        const QString path = dir_.filePath(QStringLiteral("ga1.txt"));
        auto owner = OpenForm(FormKind::GA1);
        NoticeForm &form = *owner;
        ShowActive(form);
        QCOMPARE(form.windowTitle(), LoadString(216) + QString::fromUtf8(kProgramIdentification.data()));
        QVERIFY(Control<QRadioButton>(form, "OptInt_Add")->isChecked());
        for (const char *button :
             {"Button_View", "Button_Del_Coordinates", "Button_Upd_Coordinates", "Button_Ins_Coordinates",
              "Button_Add_Coordinates", "Button_ClearAll_Coordinates"})
            QVERIFY2(!Control(form, button)->isEnabled(), button);
        QVERIFY(!Shown(form, "Txt_CountDownTP") && !Shown(form, "Lbl_CountDownTP"));
        QVERIFY(!Control(form, "Txt_RRC04_Deg_Long")->isEnabled());
        Type(form, "Txt_Filename", path);

        Choose(form, "Combo_B_Adm", QStringLiteral("F"));
        Type(form, "Txt_EmailAddr", QStringLiteral("contours@anfr.example"));
        Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("1.5"));
        Leave(form);
        ExpectMessage("Prevalidation Error - Contour Id", "Value must be 4 digits maximum");
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("1234"));
        GiveTestPoints(form, "2");
        ExpectMessage("Prevalidation Error - Nb Test pts", "Value must be between [3-99]");
        GiveTestPoints(form, "4");
        ExpectNoMessage();
        QCOMPARE(CountDown(form), QStringLiteral("4"));
        QVERIFY(Control(form, "Txt_RRC04_Deg_Long")->isEnabled());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Txt_RRC04_Deg_Long"));
        QVERIFY(!Control(form, "Combo_4B_Ctry")->isEnabled()); // locked until Reset

        // Add pads every part to its width; the countdown follows the list.
        AddPoint(form, kA);
        ExpectNoMessage();
        QCOMPARE(Points(form), Entries({kA}));
        QCOMPARE(CountDown(form), QStringLiteral("3"));
        QVERIFY(PointFieldsEmpty(form));
        QVERIFY(!Control(form, "Button_Add_Coordinates")->isEnabled());
        QVERIFY(Control(form, "Button_View")->isEnabled());
        QVERIFY(Control(form, "Button_ClearAll_Coordinates")->isEnabled());

        AddPoint(form, kA);
        ExpectMessage("", kDuplicate);
        AddPoint(form, kFar);
        ExpectMessage("Coordinates out of boundary",
                      "t_long : +0065100 +463300 are in SUI, 14.96179 km from F", MsgIcon::Information);
        QCOMPARE(Points(form), Entries({kA}));
        AddPoint(form, kD);
        AddPoint(form, kNear); // outside France but within 10 km: taken without a word
        ExpectNoMessage();
        QCOMPARE(Points(form), Entries({kA, kD, kNear}));
        QCOMPARE(CountDown(form), QStringLiteral("1"));

        // Clicking an entry puts it back into the fields; Insert goes in front of it.
        Select(form, kD);
        QCOMPARE(Text(form, "Txt_RRC04_Deg_Long"), QStringLiteral("005"));
        QCOMPARE(Text(form, "Txt_RRC04_EW"), QStringLiteral("E"));
        QCOMPARE(Text(form, "Txt_RRC04_Min_Lat"), QStringLiteral("00"));
        TypePoint(form, kB);
        Click(form, "Button_Ins_Coordinates");
        ExpectNoMessage();
        QCOMPARE(Points(form), Entries({kA, kB, kD, kNear}));
        QCOMPARE(CountDown(form), QStringLiteral("0"));

        // The list is full: the geographic check passes, then the count refuses and the fields empty.
        AddPoint(form, kC);
        ExpectMessage("", kListFull);
        QVERIFY(PointFieldsEmpty(form));
        QCOMPARE(Points(form).size(), 4);

        // Modify refused half-way: the entry is already out of the list and stays out.
        Select(form, kB);
        Type(form, "Txt_RRC04_Min_Long", QStringLiteral("30"));
        Type(form, "Txt_RRC04_Min_Lat", QStringLiteral("00")); // now the same as A
        Click(form, "Button_Upd_Coordinates");
        ExpectMessage("", kDuplicate);
        QCOMPARE(Points(form), Entries({kA, kD, kNear}));
        QCOMPARE(CountDown(form), QStringLiteral("1"));

        // Modify in place: changed seconds, same position, same count.
        Select(form, kD);
        Type(form, "Txt_RRC04_Sec_Long", QStringLiteral("30"));
        Click(form, "Button_Upd_Coordinates");
        ExpectNoMessage();
        QCOMPARE(Points(form), (QStringList{kA.entry, "+0055430 +460000", kNear.entry}));
        QCOMPARE(CountDown(form), QStringLiteral("1"));

        // Delete, and both texts emptied before Insert.
        Select(form, kNear);
        Click(form, "Button_Del_Coordinates");
        QCOMPARE(Points(form), (QStringList{kA.entry, "+0055430 +460000"}));
        QCOMPARE(CountDown(form), QStringLiteral("2"));
        QVERIFY(PointFieldsEmpty(form));
        Select(form, kA);
        Type(form, "Txt_RRC04_Deg_Long", QString());
        Type(form, "Txt_RRC04_Deg_Lat", QString());
        Click(form, "Button_Ins_Coordinates");
        ExpectMessage("", "Coordinates are empty, cannot proceed");
        Click(form, "Button_Clear_Coordinates");
        QVERIFY(PointFieldsEmpty(form));
        for (const char *button : {"Button_Add_Coordinates", "Button_Del_Coordinates",
                                   "Button_Upd_Coordinates", "Button_Ins_Coordinates"})
            QVERIFY2(!Control(form, button)->isEnabled(), button);
        AddPoint(form, kB);
        AddPoint(form, kC);
        ExpectNoMessage();
        QCOMPARE(Points(form), (QStringList{kA.entry, "+0055430 +460000", kB.entry, kC.entry}));

        ExpectReceivable(form);
        Click(form, "Button_View");
        QCOMPARE(contourShown_, Points(form));
        QCOMPARE(contourTitle_, QStringLiteral("Contour ID : 1234"));
        Click(form, "Button_Next");
        ExpectNoMessage();
        QCOMPARE(Text(form, "Txt_Ntc_Number"), QStringLiteral("2"));
        QVERIFY(Points(form).isEmpty());
        QCOMPARE(Text(form, "Txt_RRC04_nb_test_pts"), QString());
        QCOMPARE(CountDown(form), QStringLiteral("0"));
        // Save/Next keeps the country and its lock, and View: the window then shows no point.
        QCOMPARE(Text(form, "Combo_4B_Ctry"), QStringLiteral("F"));
        QVERIFY(!Control(form, "Combo_4B_Ctry")->isEnabled());
        Click(form, "Button_View");
        QVERIFY(contourShown_.isEmpty());
        QCOMPARE(contourTitle_, QStringLiteral("Contour ID : "));

        // The second contour: a triangle, entered twice around a Clear All; an incomplete list is
        // not saved.
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("1235"));
        GiveTestPoints(form, "3");
        AddPoint(form, kA);
        AddPoint(form, kD);
        Click(form, "Button_ClearAll_Coordinates");
        QVERIFY(Points(form).isEmpty());
        QCOMPARE(CountDown(form), QStringLiteral("3"));
        QVERIFY(!Control(form, "Button_View")->isEnabled());
        QVERIFY(!Control(form, "Button_ClearAll_Coordinates")->isEnabled());
        AddPoint(form, kA);
        AddPoint(form, kD);
        Click(form, "Button_Next");
        ExpectMessage("Cannot save the notice",
                      "To save a notice the following Mandatory fields are necessary : "
                      "\r\n\r\nThe list of Test points is INCOMPLETE\r\n");
        AddPoint(form, kB);
        Type(form, "Txt_notified_Rmks", QStringLiteral("second contour"));
        ExpectNoMessage();
        ExpectReceivable(form);
        Click(form, "Button_Next");
        ExpectNoMessage();
        Click(form, "Button_Finish");
        ExpectNoMessage();
        QVERIFY(form.finished());
        QVERIFY(MatchesGolden(path, "ga1_file.txt"));
        QByteArray output;
        QVERIFY2(ToolValidate(path, &output) == 0, output.constData());
    }

    // View shows the points listed in the contour window, crossings found as Validation finds them.
    void viewShowsTheContour_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("crossings");
        QTest::newRow("three points") << 3 << 0;
        QTest::newRow("99 points") << 99 << 0;
        QTest::newRow("figure eight") << -1 << 2;
    }
    void viewShowsTheContour() {
        QFETCH(int, points);
        QFETCH(int, crossings);
        const auto list = points < 0 ? kFigureEight : CirclePoints(points);
        auto owner = OpenForm(FormKind::GA1);
        NoticeForm &form = *owner;
        ShowActive(form);
        Choose(form, "Combo_B_Adm", QStringLiteral("F"));
        Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("77"));
        GiveTestPoints(form, QByteArray::number(qsizetype(list.size())).constData());
        QStringList entries;
        for (const auto &[lon, lat] : list) {
            const std::string signedLong = SignedText(lon, true), signedLat = SignedText(lat, false);
            const std::string parts[8] = {signedLong.substr(1, 3), signedLong.substr(4, 2),
                                          signedLong.substr(6, 2), lon < 0 ? "W" : "E",
                                          signedLat.substr(1, 2),  signedLat.substr(3, 2),
                                          signedLat.substr(5, 2),  lat < 0 ? "S" : "N"};
            for (int i = 0; i < 8; ++i)
                Type(form, kPointFields[i], QString::fromStdString(parts[i]));
            Click(form, "Button_Add_Coordinates");
            entries << QString::fromStdString(signedLong + " " + signedLat);
        }
        ExpectNoMessage();
        QCOMPARE(Points(form), entries);
        Click(form, "Button_View");
        QCOMPARE(contourShown_, entries);
        QCOMPARE(contourTitle_, QStringLiteral("Contour ID : 77"));
        QCOMPARE(contourCrossings_, crossings);
    }

    // The country is locked by the number of test points, chosen or not, and only Reset unlocks
    // it; emptying the number closes the point entry and empties the list.
    void countryLockAndPointEntry() {
        auto owner = OpenForm(FormKind::GA1);
        NoticeForm &form = *owner;
        ShowActive(form);
        GiveTestPoints(form, "3");
        QVERIFY(!Control(form, "Combo_4B_Ctry")->isEnabled());
        AddPoint(form, kA);
        ExpectMessage("", "Please select country (4B)");
        QVERIFY(Points(form).isEmpty());

        Click(form, "Button_Reset");
        QVERIFY(Control(form, "Combo_4B_Ctry")->isEnabled());
        QCOMPARE(Text(form, "Combo_4B_Ctry"), QString());
        QVERIFY(form.untouched());
        Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
        GiveTestPoints(form, "3");
        AddPoint(form, kA);
        ExpectNoMessage();
        QCOMPARE(Points(form), Entries({kA}));

        GiveTestPoints(form, "");
        QVERIFY(Points(form).isEmpty());
        QVERIFY(!Control(form, "Txt_RRC04_Deg_Long")->isEnabled());
        QVERIFY(!Control(form, "Button_Add_Coordinates")->isEnabled());

        Click(form, "Button_Reset");
        QVERIFY(!Control(form, "Button_View")->isEnabled());
        QVERIFY(Control(form, "Combo_4B_Ctry")->isEnabled());
    }
};

QTEST_MAIN(Ga1FormTest)
#include "forms_ga1_file.moc"
