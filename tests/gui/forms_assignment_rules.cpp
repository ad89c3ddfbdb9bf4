// The GS1 and GT1 forms driven by control name: what a fresh form shows, the intent, article,
// antenna, Plan-entry and DVB-T rules, the target toggle, the coordination list, the Fill buttons,
// Reset, and how refused fields and unsaveable notices are reported.

#include "forms_support.h"

#include "app/form_registry.h"
#include "app/string_table.h"
#include "forms/rules/assignment_rules.h"
#include "refdata/area_codes.h"
#include "util/program_id.h"

#include <memory>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

std::unique_ptr<NoticeForm> Open(const QString &type) {
    if (type == QLatin1String("GT1"))
        return OpenForm(FormKind::GT1);
    return OpenForm(FormKind::GS1);
}

// Answers the fill-range dialog as a user would: From, To, Value, then OK (or Cancel).
std::function<int(QDialog &)> FillAnswer(const QString &from, const QString &to, const QString &value,
                                         bool ok = true) {
    return [=](QDialog &dialog) {
        Control<QLineEdit>(dialog, "TxtFrom")->setText(from);
        Control<QLineEdit>(dialog, "TxtTo")->setText(to);
        Control<QLineEdit>(dialog, "TxtValue")->setText(value);
        Click(dialog, ok ? "Button_OK" : "Button_Cancel");
        return int(ok ? QDialog::Accepted : QDialog::Rejected);
    };
}

} // namespace

class AssignmentRulesTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;

  private slots:
    void init() {
        dialogs_ = RecordingDialogs();
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
    }
    void cleanup() { scope_.reset(); }

    void freshForm_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("hoursFrom");
        QTest::addColumn<QString>("hoursTo");
        QTest::addColumn<QStringList>("assignmentCodes");
        QTest::addColumn<int>("titleId");
        QTest::newRow("GS1") << "GS1"
                             << ""
                             << "" << QStringList{"", "S", "L", "C"} << 143;
        QTest::newRow("GT1") << "GT1"
                             << "0000"
                             << "2400" << QStringList{"", "L", "C", "S"} << 207;
    }
    void freshForm() {
        QFETCH(QString, hoursFrom);
        QFETCH(QString, hoursTo);
        QFETCH(QStringList, assignmentCodes);
        QFETCH(int, titleId);
        QFETCH(QString, type);
        auto form = Open(type);
        ShowActive(*form);
        QVERIFY(Control<QRadioButton>(*form, "OptInt_Add")->isChecked());
        QVERIFY(!Control<QRadioButton>(*form, "Opt_Art4")->isChecked());
        QVERIFY(!Control<QRadioButton>(*form, "Opt_Art5")->isChecked());
        for (const char *shown :
             {"Frame_Art4_Only", "Frame_ART5_Only", "Frame_9EC_EffAntHeight", "Frame_9NH_AttnH",
              "Frame_9NV_AttnV", "Button_Fill9NH", "Button_Fill9NV", "Txt_8BH_Erp_H"})
            QVERIFY2(Shown(*form, shown), shown);
        for (const char *hidden : {"FrameTrg", "Lbl_int_rmk", "txt_int_rmk"})
            QVERIFY2(!Shown(*form, hidden), hidden);
        QCOMPARE(Text(*form, "Txt_10B_Ophhfr"), hoursFrom);
        QCOMPARE(Text(*form, "Txt_10B_Ophhto"), hoursTo);
        QCOMPARE(Text(*form, "Txt_Ntc_Number"), QStringLiteral("1"));
        QVERIFY(form->untouched());

        auto *codes = Control<QComboBox>(*form, "Combo_GE06_assgnCde");
        QStringList entries;
        for (int i = 0; i < codes->count(); ++i)
            entries << codes->itemText(i);
        QCOMPARE(entries, assignmentCodes);
        QCOMPARE(Control<QComboBox>(*form, "Combo_B_Adm")->count(), int(AdministrationCodes().size()) + 1);
        QCOMPARE(Control<QListWidget>(*form, "ListAdmAvail")->count(), int(AdministrationCodes().size()));
        QCOMPARE(Control<QComboBox>(*form, "Combo_4B_Ctry")->itemText(0), QString());
        QCOMPARE(form->windowTitle(),
                 LoadString(titleId) +
                     QString::fromLatin1(kProgramIdentification.data(), kProgramIdentification.size()));
    }

    void openedFromTheMenu() {
        for (auto [kind, name] :
             {std::pair{FormKind::GS1, "GS1AssignFrmGE06"}, {FormKind::GT1, "GT1AssignFrmGE06"}}) {
            auto form = CreateNoticeForm(kind, nullptr);
            QVERIFY(form);
            QCOMPARE(form->objectName(), QString::fromLatin1(name));
        }
    }

    // Azimuths off the 10-degree raster name no box; a cancelled dialog (9999 to 9999) fills nothing.
    void fillIndices_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("indices");
        QTest::newRow("range") << 100 << 130 << QList<int>{10, 11, 12, 13};
        QTest::newRow("one") << 350 << 350 << QList<int>{35};
        QTest::newRow("reversed") << 130 << 100 << QList<int>{};
        QTest::newRow("cancelled") << 9999 << 9999 << QList<int>{};
        QTest::newRow("off raster") << 5 << 45 << QList<int>{};
        QTest::newRow("below zero") << -20 << 10 << QList<int>{0, 1};
        QTest::newRow("past 350") << 340 << 400 << QList<int>{34, 35};
    }
    void fillIndices() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, indices);
        const std::vector<int> got = AzimuthFillIndices(from, to);
        QCOMPARE(QList<int>(got.begin(), got.end()), indices);
    }

    void gs1FrequencyList() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        auto *freq = Control<QComboBox>(form, "Combo_GE06_FreqAssgn");
        QCOMPARE(freq->count(), 33);
        QCOMPARE(freq->itemText(0), QString());
        QVERIFY(freq->findText(QStringLiteral("176.64")) > 0);
        QVERIFY(!form.findChild<QWidget *>(QStringLiteral("Txt_GE06_freqAssgn")));
    }

    void maximumLengths_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("length");
        const struct {
            const char *control;
            int length;
        } lengths[] = {{"Txt_AdmRefID", 20},     {"Txt_4A_SiteName", 30}, {"Txt_EmailAddr", 50},
                       {"Txt_3A1_CallSign", 10}, {"Txt_12A_OpAgcy", 3},   {"Txt_12B_AddrCde", 2},
                       {"Txt_10B_Ophhto", 4},    {"Txt_GE06_Offset", 5},  {"Txt_9E_AntHgt", 3},
                       {"Txt_8BV_Erp_V", 6},     {"Txt_9EA_SiteAlt", 5},  {"Txt_InUse_YY", 4},
                       {"Txt_Exp_DD", 2},        {"Txt_4C_Deg_Long", 3},  {"Txt_trg_long_DD", 3},
                       {"Txt_trg_lat_DD", 2},    {"Txt_4C_NS", 1},        {"Txt_trg_freq_assgn", 6},
                       {"Txt_9EC_azm350", 5},    {"Txt_9NHAzm000", 4},    {"Txt_9NVAzm170", 4}};
        for (const char *type : {"GS1", "GT1"})
            for (const auto &l : lengths)
                QTest::addRow("%s %s", type, l.control) << type << l.control << l.length;
        for (const char *gt1 : {"Txt_GE06_freqAssgn", "Txt_GE06_TiltAngle", "Txt_GE06_erpBeam_tilt"})
            QTest::addRow("GT1 %s", gt1) << "GT1" << gt1 << 5;
    }
    void maximumLengths() {
        QFETCH(int, length);
        QFETCH(QString, type);
        QFETCH(QString, control);
        auto form = Open(type);
        QCOMPARE(Control<QLineEdit>(*form, qPrintable(control))->maxLength(), length);
    }

    // The azimuth boxes stand in four rows of nine: 0-80, 90-170, 180-260, 270-350.
    void azimuthRows() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        for (const char *prefix : {"Txt_9EC_azm", "Txt_9NHAzm", "Txt_9NVAzm"})
            for (int i = 0; i < 36; ++i) {
                const QString name = QString::asprintf("%s%03d", prefix, 10 * i);
                const QString first = QString::asprintf("%s%03d", prefix, 90 * (i / 9));
                auto *box = form.findChild<QWidget *>(name);
                auto *rowStart = form.findChild<QWidget *>(first);
                QVERIFY2(box && rowStart, qPrintable(name));
                QCOMPARE(box->y(), rowStart->y());
                if (i % 9)
                    QVERIFY(box->x() >
                            form.findChild<QWidget *>(QString::asprintf("%s%03d", prefix, 10 * i - 10))->x());
                else if (i)
                    QVERIFY(box->y() >
                            form.findChild<QWidget *>(QString::asprintf("%s%03d", prefix, 10 * i - 90))->y());
            }
    }

    void antennaRule_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("directivity");
        QTest::addColumn<QString>("polarization");
        QTest::addColumn<bool>("attnH");
        QTest::addColumn<bool>("attnV");
        QTest::addColumn<bool>("erpH");
        QTest::addColumn<bool>("erpV");
        for (const char *type : {"GS1", "GT1"}) {
            QTest::addRow("%s ND", type) << type << "ND"
                                         << "M" << false << false << true << true;
            QTest::addRow("%s D V", type) << type << "D"
                                          << "V" << false << true << false << true;
            QTest::addRow("%s D M", type) << type << "D"
                                          << "M" << true << true << true << true;
            QTest::addRow("%s D H", type) << type << "D"
                                          << "H" << true << false << true << false;
            QTest::addRow("%s D none", type) << type << "D"
                                             << "" << true << true << true << true;
            QTest::addRow("%s none H", type) << type << ""
                                             << "H" << true << true << true << false;
        }
    }
    void antennaRule() {
        QFETCH(QString, polarization);
        QFETCH(QString, directivity);
        QFETCH(bool, attnH);
        QFETCH(bool, attnV);
        QFETCH(bool, erpH);
        QFETCH(bool, erpV);
        QFETCH(QString, type);
        auto form = Open(type);
        ShowActive(*form);
        Type(*form, "Txt_9NHAzm010", QStringLiteral("3"));
        Choose(*form, "Combo_9D_Polariz", polarization);
        Choose(*form, "Combo_9_AntDir", directivity);
        QCOMPARE(Shown(*form, "Frame_9NH_AttnH"), attnH);
        QCOMPARE(Shown(*form, "Button_Fill9NH"), attnH);
        QCOMPARE(Shown(*form, "Frame_9NV_AttnV"), attnV);
        QCOMPARE(Shown(*form, "Button_Fill9NV"), attnV);
        QCOMPARE(Shown(*form, "Txt_8BH_Erp_H"), erpH);
        QCOMPARE(Shown(*form, "Lbl_8BH_Erp_H"), erpH);
        QCOMPARE(Shown(*form, "Txt_8BV_Erp_V"), erpV);
        QCOMPARE(Shown(*form, "Lbl_8BV_Erp_V"), erpV);
        QVERIFY(Shown(*form, "Frame_9EC_EffAntHeight"));
        // Hidden boxes keep their texts.
        QCOMPARE(Text(*form, "Txt_9NHAzm010"), QStringLiteral("3"));
        QVERIFY(!form->untouched());
    }

    void modifyUnderArticle4TargetsOwnIdentifier() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Type(form, "Txt_AdmRefID", QStringLiteral("ch-0001"));
        Click(form, "Opt_Art4");
        Click(form, "OptInt_Mod");
        QVERIFY(Shown(form, "FrameTrg"));
        QCOMPARE(Text(form, "Txt_TrgAdmRefID"), QStringLiteral("CH-0001"));
        QVERIFY(Shown(form, "Txt_TrgAdmRefID"));
        for (auto name : TargetCharacteristicFields())
            QVERIFY2(!Shown(form, std::string(name).c_str()), std::string(name).c_str());
        QVERIFY(!Shown(form, "Lbl_trg_or"));
        QVERIFY(!Shown(form, "Frame_ART5_Only"));
        // Back to Add: the target frame is hidden and emptied.
        Click(form, "OptInt_Add");
        QVERIFY(!Shown(form, "FrameTrg"));
        QCOMPARE(Text(form, "Txt_TrgAdmRefID"), QString());
    }

    void modifyUnderArticle5OffersBothWays() {
        auto form = Open(QStringLiteral("GT1"));
        ShowActive(*form);
        Type(*form, "Txt_AdmRefID", QStringLiteral("X1"));
        Click(*form, "Opt_Art5");
        Click(*form, "OptInt_Mod");
        QCOMPARE(Text(*form, "Txt_TrgAdmRefID"), QString());
        for (const char *shown : {"Txt_TrgAdmRefID", "Lbl_TrgAdmRefID", "Lbl_trg_or", "Txt_trg_freq_assgn",
                                  "Txt_trg_long_DD", "Txt_trg_lat_NS", "Lbl_trg_freq", "Lbl_trg_lat"})
            QVERIFY2(Shown(*form, shown), shown);
        QVERIFY(!Shown(*form, "Frame_Art4_Only"));

        // Typing a characteristic hides the identifier; emptying it shows the identifier again.
        Type(*form, "Txt_trg_freq_assgn", QStringLiteral("474"));
        QVERIFY(!Shown(*form, "Txt_TrgAdmRefID"));
        QVERIFY(!Shown(*form, "Lbl_TrgAdmRefID"));
        QVERIFY(!Shown(*form, "Lbl_trg_or"));
        Type(*form, "Txt_trg_freq_assgn", QString());
        QVERIFY(Shown(*form, "Txt_TrgAdmRefID"));
        // Hemispheres do not count.
        Type(*form, "Txt_trg_lat_NS", QStringLiteral("N"));
        QVERIFY(Shown(*form, "Txt_TrgAdmRefID"));

        // Typing the identifier hides the characteristics and their captions.
        Type(*form, "Txt_TrgAdmRefID", QStringLiteral("OLD"));
        for (const char *hidden : {"Txt_trg_freq_assgn", "Txt_trg_long_MM", "Lbl_trg_or", "Lbl_trg_long"})
            QVERIFY2(!Shown(*form, hidden), hidden);

        // Switching to Art. 4 empties the characteristics and targets the notice's own identifier.
        Click(*form, "Opt_Art4");
        QCOMPARE(Text(*form, "Txt_TrgAdmRefID"), QStringLiteral("X1"));
        QCOMPARE(Text(*form, "Txt_trg_lat_NS"), QString());
    }

    void planEntryRule_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("sfnShown");
        QTest::addColumn<QString>("sfnText");
        QTest::addColumn<bool>("assocShown");
        QTest::addColumn<QString>("assocText");
        QTest::addColumn<bool>("allotShown");
        QTest::addColumn<QString>("allotText");
        QTest::newRow("1") << "1" << false << "" << false << "" << false << "A1";
        QTest::newRow("2") << "2" << true << "S1" << false << "" << false << "";
        QTest::newRow("3") << "3" << true << "S1" << true << "F1" << true << "A1";
        QTest::newRow("4") << "4" << true << "S1" << true << "F1" << true << "A1";
        QTest::newRow("5") << "5" << false << "" << false << "" << true << "A1";
    }
    void planEntryRule() {
        QFETCH(QString, entry);
        QFETCH(bool, sfnShown);
        QFETCH(QString, sfnText);
        QFETCH(bool, assocShown);
        QFETCH(QString, assocText);
        QFETCH(bool, allotShown);
        QFETCH(QString, allotText);
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Type(form, "Txt_RRC04_SfnID", QStringLiteral("S1"));
        Type(form, "Txt_GE06_assoc_allot_sfnID", QStringLiteral("F1"));
        Type(form, "Txt_RRC04_AdmAllotID", QStringLiteral("A1"));
        Choose(form, "Combo_GE06_Plan", entry);
        QCOMPARE(Shown(form, "Txt_RRC04_SfnID"), sfnShown);
        QCOMPARE(Shown(form, "Lbl_RRC04_SfnID"), sfnShown);
        QCOMPARE(Text(form, "Txt_RRC04_SfnID"), sfnText);
        QCOMPARE(Shown(form, "Txt_GE06_assoc_allot_sfnID"), assocShown);
        QCOMPARE(Shown(form, "Lbl_GE06_assoc_allot_sfnID"), assocShown);
        QCOMPARE(Text(form, "Txt_GE06_assoc_allot_sfnID"), assocText);
        QCOMPARE(Shown(form, "Txt_RRC04_AdmAllotID"), allotShown);
        QCOMPARE(Shown(form, "Lbl_RRC04_AdmAllotID"), allotShown);
        QCOMPARE(Text(form, "Txt_RRC04_AdmAllotID"), allotText);
        // The empty entry shows all three again.
        Choose(form, "Combo_GE06_Plan", QString());
        for (const char *shown : {"Txt_RRC04_SfnID", "Txt_GE06_assoc_allot_sfnID", "Txt_RRC04_AdmAllotID"})
            QVERIFY2(Shown(form, shown), shown);
    }

    void dvbtSystemVariantExcludesReferencePlanning() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Choose(form, "Combo_RRC04_Sys_Var", QStringLiteral("A1"));
        QCOMPARE(Text(form, "Combo_RRC04_RefPlan"), QString());
        for (const char *hidden : {"Combo_RRC04_RefPlan", "Lbl_RRC04_RefPlan", "LblOr"})
            QVERIFY2(!Shown(form, hidden), hidden);
        QCOMPARE(QApplication::focusWidget(), Control(form, "Combo_RRC04_RxMode"));
        // Emptying both brings the reference configuration back.
        Choose(form, "Combo_RRC04_Sys_Var", QString());
        QVERIFY(Shown(form, "Combo_RRC04_RefPlan"));
        QVERIFY(Shown(form, "LblOr"));
    }

    void dvbtReferencePlanningHidesSystem() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC2"));
        for (const char *hidden :
             {"Combo_RRC04_Sys_Var", "Lbl_RRC04_DigSys", "Combo_RRC04_RxMode", "Lbl_RRC04_RxMode", "LblOr"})
            QVERIFY2(!Shown(form, hidden), hidden);
        QVERIFY(Shown(form, "Combo_RRC04_RefPlan"));
    }

    void dvbtArticle5() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Type(form, "Txt_10B_Ophhfr", QStringLiteral("0600"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC3"));
        Click(form, "Opt_Art5");
        QCOMPARE(Text(form, "Txt_10B_Ophhfr"), QStringLiteral("0000"));
        QCOMPARE(Text(form, "Txt_10B_Ophhto"), QStringLiteral("2400"));
        for (const char *hidden : {"Combo_RRC04_RefPlan", "Lbl_RRC04_RefPlan", "LblOr"})
            QVERIFY2(!Shown(form, hidden), hidden);
        QVERIFY(Shown(form, "Combo_RRC04_Sys_Var"));
        QVERIFY(Shown(form, "Combo_RRC04_RxMode"));
        // Back under Art. 4 the choice is offered again.
        Click(form, "Opt_Art4");
        QVERIFY(Shown(form, "Combo_RRC04_RefPlan"));
        QVERIFY(Shown(form, "Frame_Art4_Only"));
        QVERIFY(!Shown(form, "Frame_ART5_Only"));
    }

    void untouchedByReferenceLists() {
        auto gs1Owner = OpenForm(FormKind::GS1);
        NoticeForm &gs1 = *gs1Owner;
        ShowActive(gs1);
        Choose(gs1, "Combo_RRC04_SpectMask", QStringLiteral("2"));
        QVERIFY(!gs1.untouched());
        Choose(gs1, "Combo_RRC04_SpectMask", QString());
        QVERIFY(gs1.untouched());

        auto gt1Owner = OpenForm(FormKind::GT1);
        NoticeForm &gt1 = *gt1Owner;
        ShowActive(gt1);
        Choose(gt1, "Combo_RRC04_SpectMask", QString());
        QVERIFY(gt1.untouched());
        Choose(gt1, "Combo_RRC04_SpectMask", QStringLiteral("N"));
        QVERIFY(!gt1.untouched());
        Choose(gt1, "Combo_RRC04_SpectMask", QString());
        QVERIFY(!gt1.untouched());
    }

    void coordinationList() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        auto *selected = Control<QListWidget>(form, "ListAdmSel");
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("F"));
        QVERIFY(Control(form, "Button_Coord_Add")->isEnabled());
        Click(form, "Button_Coord_Add");
        QVERIFY(!Control(form, "Button_Coord_Add")->isEnabled());
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("F"));
        Click(form, "Button_Coord_Add");
        QCOMPARE(selected->count(), 1);
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("G"));
        Click(form, "Button_Coord_Add");
        QCOMPARE(selected->item(1)->text(), QStringLiteral("G"));

        ClickListEntry(form, "ListAdmSel", QStringLiteral("F"));
        Click(form, "Button_Coord_Del");
        QCOMPARE(selected->count(), 1);
        QCOMPARE(selected->item(0)->text(), QStringLiteral("G"));

        Click(form, "Button_Coord_AddALL");
        auto *available = Control<QListWidget>(form, "ListAdmAvail");
        QCOMPARE(selected->count(), available->count());
        for (int i = 0; i < available->count(); ++i)
            QCOMPARE(selected->item(i)->text(), available->item(i)->text());
        QVERIFY(!Control(form, "Button_Coord_AddALL")->isEnabled());

        Click(form, "Button_Coord_Clear");
        QCOMPARE(selected->count(), 0);
        QVERIFY(!Control(form, "Button_Coord_Del")->isEnabled());
        QVERIFY(!Control(form, "Button_Coord_Clear")->isEnabled());
        QVERIFY(Control(form, "Button_Coord_AddALL")->isEnabled());
    }

    void fillRange_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("9EC") << "Button_Fill9EC"
                             << "Txt_9EC_azm";
        QTest::newRow("9NH") << "Button_Fill9NH"
                             << "Txt_9NHAzm";
        QTest::newRow("9NV") << "Button_Fill9NV"
                             << "Txt_9NVAzm";
    }
    void fillRange() {
        QFETCH(QString, button);
        QFETCH(QString, prefix);
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        form.setFocus();
        Type(form, "Txt_9EB_Eff_hgtmax", QStringLiteral("300"));
        Leave(form);
        form.setUntouched(true);
        dialogs_.onExec = FillAnswer(QStringLiteral("100"), QStringLiteral("130"), QStringLiteral("15"));
        Click(form, qPrintable(button));
        for (int a = 0; a < 360; a += 10) {
            const QString name = prefix + QString::asprintf("%03d", a);
            QCOMPARE(Text(form, qPrintable(name)), a >= 100 && a <= 130 ? QStringLiteral("15") : QString());
        }
        QVERIFY(!form.untouched());

        // A cancelled dialog writes nothing but still counts as touching the form.
        form.setUntouched(true);
        dialogs_.onExec = FillAnswer(QStringLiteral("0"), QStringLiteral("350"), QStringLiteral("9"), false);
        Click(form, qPrintable(button));
        QCOMPARE(Text(form, qPrintable(prefix + QStringLiteral("000"))), QString());
        QCOMPARE(Text(form, qPrintable(prefix + QStringLiteral("100"))), QStringLiteral("15"));
        QVERIFY(!form.untouched());
    }

    void resetRestoresDefaults() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Choose(form, "Combo_B_Adm", QStringLiteral("F"));
        Type(form, "Txt_EmailAddr", QStringLiteral("a@b.c"));
        Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
        Type(form, "Txt_4C_EW", QStringLiteral("E"));
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Type(form, "Txt_9NVAzm350", QStringLiteral("4"));
        Choose(form, "Combo_9_AntDir", QStringLiteral("ND"));
        Choose(form, "Combo_RRC04_Sys_Var", QStringLiteral("B2"));
        Click(form, "Opt_Art5");
        Click(form, "OptInt_Mod");
        Type(form, "Txt_10B_Ophhto", QStringLiteral("1800"));
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("G"));
        Click(form, "Button_Coord_Add");
        Leave(form);

        Click(form, "Button_Reset");
        QVERIFY(form.untouched());
        QCOMPARE(Text(form, "Combo_B_Adm"), QStringLiteral("F"));
        for (const char *empty :
             {"Txt_EmailAddr", "Combo_4B_Ctry", "Txt_4C_EW", "Txt_AdmRefID", "Txt_9NVAzm350",
              "Combo_9_AntDir", "Combo_RRC04_Sys_Var", "Txt_TrgAdmRefID"})
            QVERIFY2(Text(form, empty).isEmpty(), empty);
        QCOMPARE(Text(form, "Txt_10B_Ophhto"), QStringLiteral("2400"));
        QCOMPARE(Control<QListWidget>(form, "ListAdmSel")->count(), 0);
        QVERIFY(Control<QRadioButton>(form, "OptInt_Add")->isChecked());
        QVERIFY(!Control<QRadioButton>(form, "Opt_Art4")->isChecked());
        QVERIFY(!Control<QRadioButton>(form, "Opt_Art5")->isChecked());
        for (const char *shown : {"Frame_9NH_AttnH", "Frame_9NV_AttnV", "Frame_Art4_Only", "Frame_ART5_Only",
                                  "Combo_RRC04_RefPlan", "Combo_RRC04_Sys_Var", "LblOr"})
            QVERIFY2(Shown(form, shown), shown);
        QVERIFY(!Shown(form, "FrameTrg"));
    }

    // A refused value keeps the focus in its field, with the fixed title and text.
    void refusedFieldKeepsFocus_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        for (const char *type : {"GS1", "GT1"}) {
            QTest::addRow("%s latitude", type) << type << "Txt_4C_Deg_Lat"
                                               << "91"
                                               << "Prevalidation Error - Latitude"
                                               << "Value must be between [0,90]";
            QTest::addRow("%s minutes", type) << type << "Txt_trg_long_MM"
                                              << "60"
                                              << "Prevalidation Error - Target Longitude"
                                              << "Value must be between [0,59]";
            QTest::addRow("%s offset", type) << type << "Txt_GE06_Offset"
                                             << "600"
                                             << "Prevalidation Error - Offset"
                                             << " t_offset : Value should be between [-500.0, 500.0] (1E)";
        }
        QTest::newRow("GT1 tilt") << "GT1"
                                  << "Txt_GE06_TiltAngle"
                                  << "31"
                                  << "Prevalidation Error - Beam tilt angle"
                                  << "Value must be between [-30, 30]";
        QTest::newRow("GT1 frequency") << "GT1"
                                       << "Txt_GE06_freqAssgn"
                                       << "4x"
                                       << "Prevalidation Error - Assign frequency"
                                       << "Value must be numerical";
    }
    void refusedFieldKeepsFocus() {
        QFETCH(QString, value);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, type);
        QFETCH(QString, field);
        auto form = Open(type);
        ShowActive(*form);
        if (field.startsWith(QLatin1String("Txt_trg"))) {
            Click(*form, "Opt_Art5");
            Click(*form, "OptInt_Mod");
        }
        Type(*form, qPrintable(field), value);
        Leave(*form, "Txt_AdmRefID");
        QTRY_VERIFY(dialogs_.LastMessage() != nullptr);
        QCOMPARE(dialogs_.LastMessage()->title, title);
        QCOMPARE(dialogs_.LastMessage()->text, text);
        QTRY_COMPARE(QApplication::focusWidget(), Control(*form, qPrintable(field)));
        QCOMPARE(Text(*form, qPrintable(field)), value);
    }

    void saveNeedsArticleAndContent() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Leave(form);
        Click(form, "Button_Next");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Select Article")});
        QCOMPARE(dialogs_.LastMessage()->text,
                 QStringLiteral("Please select under which article this assignment is been submitted"));

        // Only boxes outside the screen-content test filled: nothing to save.
        Click(form, "Button_Reset");
        Click(form, "Opt_Art4");
        Type(form, "Txt_4A_SiteName", QStringLiteral("X"));
        Leave(form);
        dialogs_.Clear();
        Click(form, "Button_Next");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Missing values")});
        QCOMPARE(dialogs_.LastMessage()->text, QStringLiteral("Not enough fields to validate"));
        QVERIFY(!form.fileOpen());
    }

    void saveRefusesNoticeWithoutIdentification() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Click(form, "Opt_Art4");
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Leave(form);
        Click(form, "Button_Next");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Cannot save the notice")});
        const QString text = dialogs_.LastMessage()->text;
        QVERIFY2(
            text.startsWith(QStringLiteral(
                "To save a notice at least the following Mandatory Identifying fields are necessary : ")),
            qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Notifying Administration : t_adm (B)")));
        QVERIFY(!text.contains(QStringLiteral("Administration's unique ID of the notice : ")));
        QCOMPARE(dialogs_.LastMessage()->buttons, MsgButtons::CancelTryContinue);
        QVERIFY(form.saveRefused());
        QVERIFY(!form.fileOpen());
        // A refused save keeps Finish from closing the form.
        Click(form, "Button_Finish");
        QVERIFY(!form.finished());
    }

    // A notice that can be identified but lacks other items may be saved only when the user agrees.
    void saveInvalidNoticeDeclined() {
        auto formOwner = OpenForm(FormKind::GT1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Choose(form, "Combo_B_Adm", QStringLiteral("F"));
        Click(form, "Opt_Art4");
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Type(form, "Txt_4A_SiteName", QStringLiteral("LYON"));
        Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
        Type(form, "Txt_GE06_freqAssgn", QStringLiteral("482"));
        const struct {
            const char *box, *text;
        } position[] = {{"Txt_4C_Deg_Long", "004"}, {"Txt_4C_Min_Long", "50"}, {"Txt_4C_Sec_Long", "00"},
                        {"Txt_4C_EW", "E"},         {"Txt_4C_Deg_Lat", "45"},  {"Txt_4C_Min_Lat", "45"},
                        {"Txt_4C_Sec_Lat", "00"},   {"Txt_4C_NS", "N"}};
        for (const auto &p : position)
            Type(form, p.box, QString::fromLatin1(p.text));
        Leave(form);
        dialogs_.answers.push_back(MsgAnswer::No);
        Click(form, "Button_Next");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Save Invalid Notice")});
        const QString text = dialogs_.LastMessage()->text;
        QVERIFY2(text.startsWith(QStringLiteral("The following fields are either missing or invalid\r\n")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Altitude of the site : t_site_alt (9EA)")));
        QVERIFY(text.endsWith(QStringLiteral("\r\nSave invalid Notice")));
        QCOMPARE(dialogs_.LastMessage()->buttons, MsgButtons::YesNo);
        QVERIFY(form.saveRefused());
        QVERIFY(!form.fileOpen());
        QCOMPARE(Text(form, "Txt_AdmRefID"), QStringLiteral("N1"));
    }

    // An impossible date is reported after its last part; on GS1 the in-use year sends the user to
    // the day, every other year field keeps the focus.
    void invalidDate_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("focus");
        QTest::newRow("GS1 in use") << "GS1"
                                    << "Txt_InUse_"
                                    << "Txt_InUse_DD";
        QTest::newRow("GS1 expiry") << "GS1"
                                    << "Txt_Exp_"
                                    << "Txt_Exp_YY";
        QTest::newRow("GT1 in use") << "GT1"
                                    << "Txt_InUse_"
                                    << "Txt_InUse_YY";
    }
    void invalidDate() {
        QFETCH(QString, type);
        QFETCH(QString, prefix);
        QFETCH(QString, focus);
        auto form = Open(type);
        ShowActive(*form);
        Type(*form, qPrintable(prefix + QStringLiteral("DD")), QStringLiteral("31"));
        Type(*form, qPrintable(prefix + QStringLiteral("MM")), QStringLiteral("04"));
        Type(*form, qPrintable(prefix + QStringLiteral("YY")), QStringLiteral("2009"));
        Leave(*form, "Txt_AdmRefID");
        QTRY_VERIFY(dialogs_.LastMessage() != nullptr);
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Prevalidation Error - InValid Date")});
        QCOMPARE(dialogs_.LastMessage()->text, QStringLiteral("Invalid date"));
        QTRY_COMPARE(QApplication::focusWidget(), Control(*form, qPrintable(focus)));
    }

    // The forms' own untouched-form rules for some lists, against the common rule that every other
    // choice clears the flag: the empty entry may restore the flag or leave it alone.
    void untouchedAfterChoice_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("untouchedBefore");
        QTest::addColumn<bool>("untouchedAfter");
        // GS1: the flag follows the chosen entry, in both directions.
        QTest::newRow("GS1 RefPlan entry") << "GS1"
                                           << "Combo_RRC04_RefPlan"
                                           << "RPC4" << true << false;
        QTest::newRow("GS1 RefPlan empty") << "GS1"
                                           << "Combo_RRC04_RefPlan"
                                           << "" << false << true;
        QTest::newRow("GS1 SpectMask empty") << "GS1"
                                             << "Combo_RRC04_SpectMask"
                                             << "" << false << true;
        // GT1 spectrum mask: only a real entry clears the flag; the empty one leaves it as it was.
        QTest::newRow("GT1 SpectMask empty, touched") << "GT1"
                                                      << "Combo_RRC04_SpectMask"
                                                      << "" << false << false;
        QTest::newRow("GT1 SpectMask empty, untouched") << "GT1"
                                                        << "Combo_RRC04_SpectMask"
                                                        << "" << true << true;
        QTest::newRow("GT1 SpectMask entry") << "GT1"
                                             << "Combo_RRC04_SpectMask"
                                             << "S" << true << false;
        // Lists under the common rule: any choice clears the flag, the empty entry included.
        QTest::newRow("GT1 RefPlan empty") << "GT1"
                                           << "Combo_RRC04_RefPlan"
                                           << "" << true << false;
        QTest::newRow("GS1 Plan empty") << "GS1"
                                        << "Combo_GE06_Plan"
                                        << "" << true << false;
        QTest::newRow("GT1 polarization empty") << "GT1"
                                                << "Combo_9D_Polariz"
                                                << "" << true << false;
    }
    void untouchedAfterChoice() {
        QFETCH(QString, type);
        QFETCH(QString, combo);
        QFETCH(QString, entry);
        QFETCH(bool, untouchedBefore);
        QFETCH(bool, untouchedAfter);
        auto form = Open(type);
        ShowActive(*form);
        form->setUntouched(untouchedBefore);
        Choose(*form, qPrintable(combo), entry);
        QCOMPARE(form->untouched(), untouchedAfter);
    }

    // The untouched GS1 form refuses to validate after the reference planning configuration is
    // set back to empty, though an identifier was typed before.
    void emptyReferencePlanningCountsAsUntouched() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Click(form, "Opt_Art4");
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Leave(form);
        QVERIFY(!form.untouched());
        Choose(form, "Combo_RRC04_RefPlan", QString());
        Click(form, "Button_Validate");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Missing values")});
    }

    // Reset sets the Plan entry back to its empty entry, and the boxes that an entry had hidden
    // come back with it, as on a fresh form.
    void resetShowsWhatThePlanEntryHid_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("entry");
        QTest::newRow("GS1 single assignment") << "GS1"
                                               << "1";
        QTest::newRow("GT1 SFN") << "GT1"
                                 << "2";
        QTest::newRow("GS1 allotment, one assignment") << "GS1"
                                                       << "5";
    }
    void resetShowsWhatThePlanEntryHid() {
        QFETCH(QString, type);
        QFETCH(QString, entry);
        auto form = Open(type);
        ShowActive(*form);
        Choose(*form, "Combo_GE06_Plan", entry);
        Click(*form, "Button_Reset");
        QCOMPARE(Text(*form, "Combo_GE06_Plan"), QString());
        for (const char *shown :
             {"Txt_RRC04_SfnID", "Lbl_RRC04_SfnID", "Txt_GE06_assoc_allot_sfnID",
              "Lbl_GE06_assoc_allot_sfnID", "Txt_RRC04_AdmAllotID", "Lbl_RRC04_AdmAllotID"})
            QVERIFY2(Shown(*form, shown), shown);
    }
};

QTEST_MAIN(AssignmentRulesTest)
#include "forms_assignment_rules.moc"
