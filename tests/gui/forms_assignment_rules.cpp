// The GS1 and GT1 forms live: what a fresh form shows, that clicks, picks and typing reach the
// rules (the rules themselves are tested on the fake form in tests/formrules), the coordination
// list, the fill-range dialog, Reset, and how refused fields and unsaveable notices are reported.

#include "forms_support.h"

#include "app/form_registry.h"
#include "app/string_table.h"
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
        QVERIFY(Shown(*form, "Frame_ART5_Only"));
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
        } lengths[] = {{"Txt_AdmRefID", 20},  {"Txt_4C_NS", 1},     {"Txt_trg_freq_assgn", 6},
                       {"Txt_9EC_azm350", 5}, {"Txt_9NHAzm000", 4}, {"Txt_9NVAzm170", 4}};
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

    // One event of each kind reaches its rule on the live form: picks, option clicks, typing in a
    // target box and in the identifier (upper-cased by the field), and the DVB-T focus move.
    void rulesReachTheLiveForm_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("GS1") << "GS1";
        QTest::newRow("GT1") << "GT1";
    }
    void rulesReachTheLiveForm() {
        QFETCH(QString, type);
        auto form = Open(type);
        ShowActive(*form);
        Choose(*form, "Combo_9_AntDir", QStringLiteral("ND"));
        QVERIFY(!Shown(*form, "Frame_9NH_AttnH"));
        Choose(*form, "Combo_GE06_Plan", QStringLiteral("1"));
        QVERIFY(!Shown(*form, "Txt_RRC04_SfnID"));
        Type(*form, "Txt_AdmRefID", QStringLiteral("ch-0001"));
        Click(*form, "Opt_Art5");
        Click(*form, "OptInt_Mod");
        QVERIFY(Shown(*form, "FrameTrg") && Shown(*form, "Txt_trg_lat_DD"));
        Type(*form, "Txt_trg_lat_DD", QStringLiteral("4"));
        QVERIFY(!Shown(*form, "Txt_TrgAdmRefID"));
        Type(*form, "Txt_trg_lat_DD", QString());
        Type(*form, "Txt_TrgAdmRefID", QStringLiteral("T"));
        QVERIFY(!Shown(*form, "Txt_trg_lat_DD"));
        Click(*form, "Opt_Art4");
        QCOMPARE(Text(*form, "Txt_TrgAdmRefID"), QStringLiteral("CH-0001"));
        Click(*form, "OptInt_Add");
        QVERIFY(!Shown(*form, "FrameTrg"));
        if (type == QLatin1String("GT1")) {
            Choose(*form, "Combo_RRC04_Sys_Var", QStringLiteral("A1"));
            QVERIFY(!Shown(*form, "Combo_RRC04_RefPlan"));
            QCOMPARE(QApplication::focusWidget(), Control(*form, "Combo_RRC04_RxMode"));
        }
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
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Type(form, "Txt_9NVAzm350", QStringLiteral("4"));
        Choose(form, "Combo_9_AntDir", QStringLiteral("ND"));
        Choose(form, "Combo_RRC04_Sys_Var", QStringLiteral("B2"));
        Click(form, "Opt_Art5");
        Click(form, "OptInt_Mod");
        ClickListEntry(form, "ListAdmAvail", QStringLiteral("G"));
        Click(form, "Button_Coord_Add");
        Leave(form);

        Click(form, "Button_Reset");
        QVERIFY(form.untouched());
        QCOMPARE(Text(form, "Combo_B_Adm"), QStringLiteral("F"));
        for (const char *empty : {"Txt_EmailAddr", "Txt_AdmRefID", "Txt_9NVAzm350", "Combo_RRC04_Sys_Var"})
            QVERIFY2(Text(form, empty).isEmpty(), empty);
        QCOMPARE(Control<QListWidget>(form, "ListAdmSel")->count(), 0);
        QVERIFY(Control<QRadioButton>(form, "OptInt_Add")->isChecked());
        QVERIFY(!Control<QRadioButton>(form, "Opt_Art5")->isChecked());
        QVERIFY(Shown(form, "Frame_9NV_AttnV") && Shown(form, "Combo_RRC04_RefPlan"));
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
        // The forms' own rules win over the common one (the rules: tests/formrules).
        QTest::newRow("GS1 RefPlan empty") << "GS1"
                                           << "Combo_RRC04_RefPlan"
                                           << "" << false << true;
        QTest::newRow("GT1 SpectMask empty, touched") << "GT1"
                                                      << "Combo_RRC04_SpectMask"
                                                      << "" << false << false;
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
};

QTEST_MAIN(AssignmentRulesTest)
#include "forms_assignment_rules.moc"
