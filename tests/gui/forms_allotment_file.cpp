// The allotment forms GS2 and GT2 driven as a user would: the area given by sub-areas with their
// contour identifiers or by a geographic area, the contour list's messages, what GT2 keeps across
// Save/Next and Reset; each file is compared from its fourth line with a golden file and checked
// receivable by the command-line tool.

#include "forms_support.h"

#include "app/app_state.h"
#include "app/string_table.h"
#include "forms/err_msg_frm.h"
#include "geo/world_map.h"

#include <QTemporaryDir>

#include <optional>

using namespace ondrell;
using namespace ondrell::testing;

class AllotmentFileTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;
    QString validationCaption_;
    FormsMap map_;
    QTemporaryDir dir_;

    void ExpectMessage(const char *title, const char *text) {
        QCoreApplication::processEvents();
        const auto *last = dialogs_.LastMessage();
        QVERIFY2(last, text);
        QCOMPARE(last->title, QString::fromLatin1(title));
        QCOMPARE(last->text, QString::fromLatin1(text));
        dialogs_.Clear();
    }
    void ExpectNoMessage() {
        QCoreApplication::processEvents();
        if (const auto *last = dialogs_.LastMessage())
            QFAIL(qPrintable(last->title + QStringLiteral(": ") + last->text));
    }
    void ExpectReceivable(NoticeForm &form) {
        Click(form, "Button_Validate");
        QCOMPARE(validationCaption_, QStringLiteral("Notice Receivable"));
    }
    void AddContour(QWidget &form, const char *id) {
        Type(form, "Txt_RRC04_contour_id", QString::fromLatin1(id));
        Click(form, "Button_Add_Contour");
    }
    QStringList Contours(QWidget &form) {
        QStringList items;
        auto *list = Control<QListWidget>(form, "ListBoxContourID");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    // What both allotment forms share of a notice: identity, planning and publication.
    void TypeCommon(QWidget &form, const char *id, const char *ctry, const char *plan) {
        Type(form, "Txt_AdmRefID", QString::fromLatin1(id));
        Choose(form, "Combo_4B_Ctry", QString::fromLatin1(ctry));
        Choose(form, "Combo_9D_Polariz", QStringLiteral("V"));
        Choose(form, "Combo_GE06_Plan", QString::fromLatin1(plan));
        Choose(form, "Combo_GE06_PubReq", QStringLiteral("TRUE"));
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(map_.Load());
    }
    void init() {
        dialogs_ = RecordingDialogs();
        dialogs_.onExec = [this](QDialog &dialog) {
            validationCaption_ = dialog.windowTitle();
            return QDialog::Accepted;
        };
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
    }
    void cleanup() { scope_.reset(); }

    // A T-DAB allotment made of two sub-areas, then one covering a whole country.
    void gs2SubAreasThenGeographicArea() {
        const QString path = dir_.filePath(QStringLiteral("gs2.txt"));
        auto owner = OpenForm(FormKind::GS2);
        NoticeForm &form = *owner;
        ShowActive(form);
        QCOMPARE(form.windowTitle(), LoadString(210) + QString::fromUtf8(kProgramIdentification.data()));
        QVERIFY(Control<QRadioButton>(form, "OptInt_Add")->isChecked());
        QVERIFY(!Shown(form, "FrameTrg"));
        QVERIFY(!Control(form, "Txt_RRC04_contour_id")->isEnabled());
        Type(form, "Txt_Filename", path);

        Choose(form, "Combo_B_Adm", QStringLiteral("F"));
        Type(form, "Txt_EmailAddr", QStringLiteral("allotments@anfr.example"));
        TypeCommon(form, "f-dab-0001", "F", "4");
        Choose(form, "Combo_GE06_FreqAssgn", QStringLiteral("223.936"));
        Choose(form, "Combo_RRC04_SpectMask", QStringLiteral("2"));
        Type(form, "Txt_GE06_Offset", QStringLiteral("16"));
        Type(form, "Txt_Exp_DD", QStringLiteral("31"));
        Type(form, "Txt_Exp_MM", QStringLiteral("12"));
        Type(form, "Txt_Exp_YY", QStringLiteral("2030"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC4"));
        Type(form, "Txt_RRC04_SfnID", QStringLiteral("sfn-idf"));
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("D"));
        Click(form, "Button_Coord_Add");
        Type(form, "Txt_RRC04_allot_name", QStringLiteral("ile de france"));

        // The count is checked while it is typed; a refused count changes nothing.
        Type(form, "Txt_RRC04_nb_sub_areas", QStringLiteral("10"));
        ExpectMessage("Prevalidation Error - Nb.Sub area(s)", "Value must be between [1-9]");
        Type(form, "Txt_RRC04_nb_sub_areas", QStringLiteral("2"));
        QVERIFY(!Shown(form, "Combo_RRC04_geo_area"));
        QVERIFY(Control(form, "Txt_RRC04_contour_id")->isEnabled());
        Leave(form);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Txt_RRC04_contour_id"));

        Type(form, "Txt_RRC04_contour_id", QStringLiteral("1.5"));
        ExpectMessage("Prevalidation Error - Contour Id", "Value must be an integer");
        AddContour(form, "12");
        AddContour(form, "012"); // the same number: refused without a word, the text stays
        ExpectNoMessage();
        QCOMPARE(Text(form, "Txt_RRC04_contour_id"), QStringLiteral("012"));
        Type(form, "Txt_RRC04_contour_id", QString());
        Click(form, "Button_Add_Contour");
        ExpectMessage("", "First type in a Contour ID");
        AddContour(form, "034");
        AddContour(form, "56");
        ExpectMessage("", "The number of sub-areas have been added");
        QCOMPARE(Contours(form), (QStringList{"12", "34"}));
        QCOMPARE(Text(form, "Txt_RRC04_contour_id"), QString());
        QVERIFY(!Control(form, "Button_Add_Contour")->isEnabled());

        ExpectReceivable(form);
        Click(form, "Button_Next");
        ExpectNoMessage();
        QCOMPARE(Text(form, "Txt_Ntc_Number"), QStringLiteral("2"));
        QCOMPARE(Text(form, "Txt_RRC04_allot_name"), QString());
        QVERIFY(Contours(form).isEmpty());
        QVERIFY(Shown(form, "Combo_RRC04_geo_area"));
        QVERIFY(!Control(form, "Txt_RRC04_contour_id")->isEnabled());

        // The whole of France: the sub-area side is hidden while a geographic area is chosen.
        TypeCommon(form, "f-dab-0002", "F", "5");
        QVERIFY(!Shown(form, "Txt_RRC04_SfnID"));
        Choose(form, "Combo_GE06_FreqAssgn", QStringLiteral("174.928"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC5"));
        Type(form, "Txt_RRC04_allot_name", QStringLiteral("france"));
        Choose(form, "Combo_RRC04_geo_area", QStringLiteral("F"));
        QVERIFY(!Shown(form, "Txt_RRC04_nb_sub_areas"));
        QVERIFY(!Shown(form, "FrameSubArea"));
        ExpectReceivable(form);
        Click(form, "Button_Next");
        ExpectNoMessage();
        Click(form, "Button_Finish");
        ExpectNoMessage();
        QVERIFY(form.finished());
        QVERIFY(MatchesGolden(path, "gs2_file.txt"));
        QByteArray output;
        QVERIFY2(ToolValidate(path, &output) == 0, output.constData());
    }

    // GT2 keeps the allotment name, the number of sub-areas, the typed contour identifier and the
    // type of reference network across Save/Next and Reset.
    void gt2KeepsItsAllotmentFields() {
        const QString path = dir_.filePath(QStringLiteral("gt2.txt"));
        auto owner = OpenForm(FormKind::GT2);
        NoticeForm &form = *owner;
        ShowActive(form);
        Type(form, "Txt_Filename", path);
        Choose(form, "Combo_B_Adm", QStringLiteral("D"));
        TypeCommon(form, "d-dvb-0001", "D", "3");
        Type(form, "Txt_RRC04_SfnID", QStringLiteral("sfn-bayern"));
        Type(form, "Txt_GE06_freqAssgn", QStringLiteral("482"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC2"));
        Choose(form, "Combo_RRC04_TypRefNetwk", QStringLiteral("RN2"));
        Type(form, "Txt_RRC04_allot_name", QStringLiteral("bayern"));
        Type(form, "Txt_RRC04_nb_sub_areas", QStringLiteral("1"));
        Leave(form);
        AddContour(form, "7");
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("9"));
        ExpectReceivable(form);
        Click(form, "Button_Next");
        ExpectNoMessage();
        for (auto [control, kept] :
             {std::pair{"Txt_RRC04_allot_name", "BAYERN"}, std::pair{"Txt_RRC04_nb_sub_areas", "1"},
              std::pair{"Txt_RRC04_contour_id", "9"}, std::pair{"Combo_RRC04_TypRefNetwk", "RN2"}})
            QCOMPARE(Text(form, control), QString::fromLatin1(kept));
        QCOMPARE(Text(form, "Txt_GE06_freqAssgn"), QString());
        QVERIFY(Contours(form).isEmpty());

        // The second notice reuses what was kept: its own identity, frequency and contour.
        TypeCommon(form, "d-dvb-0002", "D", "3");
        Type(form, "Txt_RRC04_SfnID", QStringLiteral("sfn-bayern"));
        Type(form, "Txt_GE06_freqAssgn", QStringLiteral("490"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC2"));
        Click(form, "Button_Add_Contour");
        QCOMPARE(Contours(form), QStringList{"9"});
        Click(form, "Button_Next");
        ExpectNoMessage();

        Type(form, "Txt_AdmRefID", QStringLiteral("d-dvb-0003"));
        Type(form, "Txt_RRC04_contour_id", QStringLiteral("11"));
        Click(form, "Button_Reset");
        QCOMPARE(Text(form, "Txt_AdmRefID"), QString());
        QCOMPARE(Text(form, "Txt_RRC04_allot_name"), QStringLiteral("BAYERN"));
        QCOMPARE(Text(form, "Txt_RRC04_contour_id"), QStringLiteral("11"));
        QVERIFY(!Control(form, "Txt_RRC04_contour_id")->isEnabled());
        Click(form, "Button_Finish");
        ExpectNoMessage();
        QVERIFY(MatchesGolden(path, "gt2_file.txt"));
        QByteArray output;
        QVERIFY2(ToolValidate(path, &output) == 0, output.constData());
    }
};

QTEST_MAIN(AllotmentFileTest)
#include "forms_allotment_file.moc"
