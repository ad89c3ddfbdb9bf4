// The main menu, the notice forms and the contour detail window at their default size: the layout needs
// no more room than the window gives, and no caption or button text is cut. With ONDRELL_SCREENSHOT_DIR set,
// each form in each state is also saved there as a PNG (scripts/screenshots.sh).

#include "contour_samples.h"
#include "forms_support.h"

#include "app/app_font.h"
#include "app/digital_menu_frm.h"
#include "forms/contour_detail_frm.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

struct Shot {
    const char *file;
    std::function<std::unique_ptr<QWidget>()> open;
    std::function<void(QWidget &)> prepare;
};

template <typename... Args> std::function<std::unique_ptr<QWidget>()> Contour(Args... args) {
    return [=] { return std::make_unique<ContourDetailFrm>(ContourRecord(args...), SampleMap()); };
}

// A GA1 contour of three points out of four, the third one selected.
void Ga1Points(QWidget &form) {
    Choose(form, "Combo_B_Adm", QStringLiteral("F"));
    Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
    Type(form, "Txt_RRC04_contour_id", QStringLiteral("1234"));
    Type(form, "Txt_RRC04_nb_test_pts", QStringLiteral("4"));
    Leave(form);
    const char *points[][8] = {{"5", "30", "0", "E", "46", "0", "0", "N"},
                               {"5", "54", "0", "E", "46", "0", "0", "N"},
                               {"5", "54", "0", "E", "46", "18", "0", "N"}};
    const char *fields[] = {"Txt_RRC04_Deg_Long", "Txt_RRC04_Min_Long", "Txt_RRC04_Sec_Long", "Txt_RRC04_EW",
                            "Txt_RRC04_Deg_Lat",  "Txt_RRC04_Min_Lat",  "Txt_RRC04_Sec_Lat",  "Txt_RRC04_NS"};
    for (const auto &point : points) {
        for (int i = 0; i < 8; ++i)
            Type(form, fields[i], QString::fromLatin1(point[i]));
        Click(form, "Button_Add_Coordinates");
    }
    ClickListEntry(form, "ListBox_RRC04_Coordinates", QStringLiteral("+0055400 +461800"));
}

void Art5Modify(QWidget &form) {
    Click(form, "Opt_Art5");
    Click(form, "OptInt_Mod");
}

// An allotment given by three sub-areas, two of their contours listed.
void SubAreas(QWidget &form) {
    Type(form, "Txt_RRC04_allot_name", QStringLiteral("alpes"));
    Type(form, "Txt_RRC04_nb_sub_areas", QStringLiteral("3"));
    for (const char *id : {"101", "102"}) {
        Type(form, "Txt_RRC04_contour_id", QString::fromLatin1(id));
        Click(form, "Button_Add_Contour");
    }
}

void FillTb2(QWidget &form) {
    Choose(form, "Combo_B_Adm", QStringLiteral("I"));
    Type(form, "Txt_EmailAddr", QStringLiteral("spettro@mise.example"));
    const char *boxes[][2] = {{"Txt_PlanAdmRefID", "I-PLAN-0099"},
                              {"Txt_TrgFreq", "658"},
                              {"Txt_4C_Deg_Long", "012"},
                              {"Txt_4C_Min_Long", "29"},
                              {"Txt_4C_Sec_Long", "00"},
                              {"Txt_4C_EW", "E"},
                              {"Txt_4C_Deg_Lat", "41"},
                              {"Txt_4C_Min_Lat", "54"},
                              {"Txt_4C_Sec_Lat", "10"},
                              {"Txt_4C_NS", "N"},
                              {"Txt_InUse_DD", "14"},
                              {"Txt_InUse_MM", "07"},
                              {"Txt_InUse_YY", "2011"},
                              {"Txt_12A_OpAgcy", "012"},
                              {"Txt_12B_AddrCde", "AB"},
                              {"Txt_notified_Rmks", "Copy of the Rome multiplex"}};
    for (const auto &[box, text] : boxes)
        Type(form, box, QString::fromLatin1(text));
    Leave(form, "Txt_PlanAdmRefID");
}

void FillTb3(QWidget &form) {
    Choose(form, "Combo_B_Adm", QStringLiteral("E"));
    Type(form, "Txt_TrgAdmRefID", QStringLiteral("E-DVB-0123"));
    for (const char *adm : {"POR", "F", "AND"}) {
        ClickListEntry(form, "ListAdmAvail", QString::fromLatin1(adm));
        Click(form, "Button_Coord_Add");
    }
    Type(form, "Txt_notified_Rmks", QStringLiteral("Coordinated with the neighbours"));
    Leave(form, "Txt_TrgAdmRefID");
}

void FillTb5(QWidget &form) {
    Choose(form, "Combo_B_Adm", QStringLiteral("G"));
    Type(form, "Txt_TrgAdmRefID", QStringLiteral("G-T-0815"));
    Click(form, "Opt_Art5");
    Click(form, "OptInt_Supp");
    Leave(form, "Txt_notified_Rmks");
}

const Shot kShots[] = {
    {"DigitalMenuFrmGE06.png",
     [] { return std::make_unique<DigitalMenuFrmGE06>(QCoreApplication::applicationDirPath()); },
     [](QWidget &) {}},
    {"GS1AssignFrmGE06.png", [] { return OpenForm(FormKind::GS1); }, [](QWidget &) {}},
    {"GS1AssignFrmGE06-art5-modify.png", [] { return OpenForm(FormKind::GS1); }, Art5Modify},
    {"GT1AssignFrmGE06.png", [] { return OpenForm(FormKind::GT1); }, [](QWidget &) {}},
    {"GT1AssignFrmGE06-art5-modify.png", [] { return OpenForm(FormKind::GT1); }, Art5Modify},
    {"GS2AllotFrmGE06.png", [] { return OpenForm(FormKind::GS2); }, [](QWidget &) {}},
    {"GS2AllotFrmGE06-sub-areas.png", [] { return OpenForm(FormKind::GS2); }, SubAreas},
    {"GT2AllotFrmGE06.png", [] { return OpenForm(FormKind::GT2); }, [](QWidget &) {}},
    {"GT2AllotFrmGE06-sub-areas.png", [] { return OpenForm(FormKind::GT2); }, SubAreas},
    {"GA1SubAllotFrmGE06.png", [] { return OpenForm(FormKind::GA1); }, [](QWidget &) {}},
    {"GA1SubAllotFrmGE06-points.png", [] { return OpenForm(FormKind::GA1); }, Ga1Points},
    {"TB2FrmGE06.png", [] { return OpenForm(FormKind::TB2); }, [](QWidget &) {}},
    {"TB2FrmGE06-filled.png", [] { return OpenForm(FormKind::TB2); }, FillTb2},
    {"TB3FrmGE06.png", [] { return OpenForm(FormKind::TB3); }, [](QWidget &) {}},
    {"TB3FrmGE06-filled.png", [] { return OpenForm(FormKind::TB3); }, FillTb3},
    {"TB5FrmGE06.png", [] { return OpenForm(FormKind::TB5); }, [](QWidget &) {}},
    {"TB5FrmGE06-filled.png", [] { return OpenForm(FormKind::TB5); }, FillTb5},
    {"ContourDetailFrm-no-points.png", Contour("17", std::vector<std::pair<double, double>>{}),
     [](QWidget &) {}},
    {"ContourDetailFrm-3-points.png", Contour("12", kThreePoints), [](QWidget &) {}},
    {"ContourDetailFrm-99-points.png", Contour("4321", CirclePoints(99)), [](QWidget &) {}},
    {"ContourDetailFrm-figure-eight.png", Contour("88", kFigureEight), [](QWidget &) {}},
};

} // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;

  private slots:
    void initTestCase() { UseApplicationFont(); } // as the program starts
    void defaultSize_data() {
        QTest::addColumn<int>("shot");
        for (int i = 0; i < int(std::size(kShots)); ++i)
            QTest::newRow(kShots[i].file) << i;
    }
    void defaultSize() {
        QFETCH(int, shot);
        ScopedDialogs scope(dialogs_);
        const Shot &s = kShots[shot];
        auto form = s.open();
        ShowActive(*form);
        s.prepare(*form);
        QCoreApplication::processEvents();

        const QString dir = qEnvironmentVariable("ONDRELL_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(form->grab().save(QDir(dir).filePath(QString::fromLatin1(s.file))));
        }

        const QSize hint = form->minimumSizeHint();
        QVERIFY2(hint.width() <= form->width() && hint.height() <= form->height(),
                 qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                                .arg(hint.width())
                                .arg(hint.height())
                                .arg(form->width())
                                .arg(form->height())));
        for (QLabel *label : form->findChildren<QLabel *>())
            if (label->isVisibleTo(form.get()) && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->objectName()));
        for (QPushButton *button : form->findChildren<QPushButton *>())
            if (button->isVisibleTo(form.get()))
                QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                         qPrintable(button->objectName()));
    }
};

QTEST_MAIN(FormLayoutTest)
#include "forms_screenshots.moc"
