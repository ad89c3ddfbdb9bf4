// Whole notices typed into the GS1 and GT1 forms as a user would, validated, saved and finished;
// the electronic notice file is compared byte for byte after its three header lines (which carry
// today's date, time and user and are checked by their fixed beginnings).

#include "forms_support.h"

#include "app/app_state.h"
#include "forms/err_msg_frm.h"
#include "geo/world_map.h"

#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <optional>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

struct FillRequest {
    QString from, to, value;
};

// Lines joined by CR LF, each line ended by one.
QByteArray Lines(std::initializer_list<const char *> lines) {
    QByteArray text;
    for (const char *line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

QByteArray AzimuthLines(const char *prefix, const std::function<const char *(int)> &value) {
    QByteArray text;
    for (int a = 0; a < 360; a += 10)
        if (const char *v = value(a))
            text += QByteArray(prefix) + QByteArray::number(a) + " = " + v + "\r\n";
    return text;
}

} // namespace

class AssignmentFileTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;
    std::deque<FillRequest> fills_;
    QString validationCaption_;
    QString validationText_;
    FormsMap map_;
    QTemporaryDir dir_;

    // The fill-range dialog answers the next queued request; the error list is read and closed.
    int OnExec(QDialog &dialog) {
        if (auto *errors = qobject_cast<ErrMsgFrm *>(&dialog)) {
            validationCaption_ = errors->windowTitle();
            validationText_ = errors->text();
            return QDialog::Accepted;
        }
        if (fills_.empty())
            qFatal("unexpected dialog %s", qPrintable(dialog.objectName()));
        const FillRequest fill = fills_.front();
        fills_.pop_front();
        Control<QLineEdit>(dialog, "TxtFrom")->setText(fill.from);
        Control<QLineEdit>(dialog, "TxtTo")->setText(fill.to);
        Control<QLineEdit>(dialog, "TxtValue")->setText(fill.value);
        Click(dialog, "Button_OK");
        return QDialog::Accepted;
    }

    void Fill(QWidget &form, const char *button, const char *from, const char *to, const char *value) {
        fills_.push_back({QString::fromLatin1(from), QString::fromLatin1(to), QString::fromLatin1(value)});
        Click(form, button);
        QVERIFY(fills_.empty());
    }

    QString FilePath(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QByteArray Body(const QString &path) { return FileBody(path); }

    void ExpectNoMessage() {
        if (dialogs_.LastMessage())
            qWarning("%s: %s", qPrintable(dialogs_.LastMessage()->title),
                     qPrintable(dialogs_.LastMessage()->text));
        QVERIFY(dialogs_.MessageTitles().isEmpty());
    }

    // A complete Article 4 addition of a directional T-DAB transmitter near Bern.
    void TypeBantigerNotice(QWidget &form, const QString &longDegrees) {
        Choose(form, "Combo_B_Adm", QStringLiteral("SUI"));
        Type(form, "Txt_EmailAddr", QStringLiteral("spectrum@ofcom.example"));
        Click(form, "Opt_Art4");
        Type(form, "Txt_AdmRefID", QStringLiteral("ch-dab-0001"));
        Type(form, "Txt_4A_SiteName", QStringLiteral("Bantiger"));
        Choose(form, "Combo_4B_Ctry", QStringLiteral("SUI"));
        Type(form, "Txt_4C_Deg_Long", longDegrees);
        Type(form, "Txt_4C_Min_Long", QStringLiteral("31"));
        Type(form, "Txt_4C_Sec_Long", QStringLiteral("43"));
        Type(form, "Txt_4C_EW", QStringLiteral("e"));
        Type(form, "Txt_4C_Deg_Lat", QStringLiteral("46"));
        Type(form, "Txt_4C_Min_Lat", QStringLiteral("58"));
        Type(form, "Txt_4C_Sec_Lat", QStringLiteral("09"));
        Type(form, "Txt_4C_NS", QStringLiteral("n"));
        Type(form, "Txt_InUse_DD", QStringLiteral("1"));
        Type(form, "Txt_InUse_MM", QStringLiteral("3"));
        Type(form, "Txt_InUse_YY", QStringLiteral("2010"));
        Choose(form, "Combo_GE06_FreqAssgn", QStringLiteral("223.936"));
        Choose(form, "Combo_GE06_Plan", QStringLiteral("1"));
        Choose(form, "Combo_GE06_assgnCde", QStringLiteral("S"));
        Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC4"));
        Choose(form, "Combo_RRC04_SpectMask", QStringLiteral("2"));
        Choose(form, "Combo_9_AntDir", QStringLiteral("D"));
        Choose(form, "Combo_9D_Polariz", QStringLiteral("H"));
        Type(form, "Txt_8BH_Erp_H", QStringLiteral("39.5"));
        Type(form, "Txt_9E_AntHgt", QStringLiteral("150"));
        Type(form, "Txt_9EA_SiteAlt", QStringLiteral("947"));
        Type(form, "Txt_9EB_Eff_hgtmax", QStringLiteral("300"));
        Choose(form, "Combo_GE06_PubReq", QStringLiteral("FALSE"));
        Fill(form, "Button_Fill9EC", "0", "350", "150");
        Fill(form, "Button_Fill9EC", "90", "180", "120");
        Fill(form, "Button_Fill9NH", "0", "350", "0");
        Type(form, "Txt_9NHAzm180", QStringLiteral("6"));
        for (const char *adm : {"F", "D"}) {
            ClickListEntry(form, "ListAdmAvail", QString::fromLatin1(adm));
            Click(form, "Button_Coord_Add");
        }
        Type(form, "Txt_notified_Rmks", QStringLiteral("first notice"));
        Leave(form, "Txt_AdmRefID");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(map_.Load());
    }
    void init() {
        dialogs_ = RecordingDialogs();
        dialogs_.onExec = [this](QDialog &dialog) { return OnExec(dialog); };
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
        validationCaption_.clear();
        validationText_.clear();
    }
    void cleanup() { scope_.reset(); }

    // Two Article 4 notices, an addition with a directional antenna and a modification with a
    // non-directional one, saved with Save/Next; Finish on the empty screen closes the file.
    void gs1Article4Notices() {
        const QString path = FilePath("gs1.txt");
        {
            auto formOwner = OpenForm(FormKind::GS1);
            NoticeForm &form = *formOwner;
            ShowActive(form);
            Type(form, "Txt_Filename", path);

            TypeBantigerNotice(form, QStringLiteral("007"));
            ExpectNoMessage();

            Click(form, "Button_Validate");
            QCOMPARE(validationCaption_, QStringLiteral("Notice Receivable"));
            QVERIFY2(validationText_.startsWith(QStringLiteral("The notice is receivable\r\n")),
                     qPrintable(validationText_));
            QVERIFY(!form.fileOpen());

            Click(form, "Button_Next");
            ExpectNoMessage();
            QVERIFY(form.fileOpen());
            QCOMPARE(Text(form, "Txt_Ntc_Number"), QStringLiteral("2"));
            QVERIFY(form.untouched());
            QVERIFY(!Control(form, "Combo_B_Adm")->isEnabled());
            QVERIFY(!Control(form, "Txt_EmailAddr")->isEnabled());
            QVERIFY(Control<QLineEdit>(form, "Txt_Filename")->isReadOnly());
            // The screen is cleared for the next notice; the country and hemispheres stay.
            QCOMPARE(Text(form, "Txt_AdmRefID"), QString());
            QCOMPARE(Text(form, "Txt_9EC_azm000"), QString());
            QCOMPARE(Text(form, "Combo_4B_Ctry"), QStringLiteral("SUI"));
            QCOMPARE(Text(form, "Txt_4C_EW"), QStringLiteral("E"));

            Type(form, "Txt_AdmRefID", QStringLiteral("ch-dab-0002"));
            Click(form, "Opt_Art4");
            Click(form, "OptInt_Mod");
            QCOMPARE(Text(form, "Txt_TrgAdmRefID"), QStringLiteral("CH-DAB-0002"));
            Type(form, "Txt_TrgAdmRefID", QStringLiteral("ch-dab-0001"));
            Type(form, "Txt_4A_SiteName", QStringLiteral("Chasseral"));
            Type(form, "Txt_4C_Deg_Long", QStringLiteral("007"));
            Type(form, "Txt_4C_Min_Long", QStringLiteral("03"));
            Type(form, "Txt_4C_Sec_Long", QStringLiteral("34"));
            Type(form, "Txt_4C_Deg_Lat", QStringLiteral("47"));
            Type(form, "Txt_4C_Min_Lat", QStringLiteral("07"));
            Type(form, "Txt_4C_Sec_Lat", QStringLiteral("57"));
            Type(form, "Txt_Exp_DD", QStringLiteral("31"));
            Type(form, "Txt_Exp_MM", QStringLiteral("12"));
            Type(form, "Txt_Exp_YY", QStringLiteral("2030"));
            Choose(form, "Combo_GE06_FreqAssgn", QStringLiteral("176.64"));
            Type(form, "Txt_GE06_Offset", QStringLiteral("-16"));
            Choose(form, "Combo_GE06_Plan", QStringLiteral("2"));
            Choose(form, "Combo_GE06_assgnCde", QStringLiteral("L"));
            Type(form, "Txt_RRC04_SfnID", QStringLiteral("sfn-jura"));
            Choose(form, "Combo_RRC04_RefPlan", QStringLiteral("RPC5"));
            Choose(form, "Combo_RRC04_SpectMask", QStringLiteral("3"));
            Choose(form, "Combo_9_AntDir", QStringLiteral("ND"));
            Choose(form, "Combo_9D_Polariz", QStringLiteral("V"));
            Type(form, "Txt_8BV_Erp_V", QStringLiteral("30"));
            Type(form, "Txt_9E_AntHgt", QStringLiteral("80"));
            Type(form, "Txt_9EA_SiteAlt", QStringLiteral("1607"));
            Type(form, "Txt_9EB_Eff_hgtmax", QStringLiteral("900"));
            Choose(form, "Combo_GE06_PubReq", QStringLiteral("TRUE"));
            Fill(form, "Button_Fill9EC", "0", "350", "800");
            Leave(form, "Txt_AdmRefID");
            ExpectNoMessage();

            Click(form, "Button_Next");
            ExpectNoMessage();
            QCOMPARE(Text(form, "Txt_Ntc_Number"), QStringLiteral("3"));

            Click(form, "Button_Finish");
            ExpectNoMessage();
            QVERIFY(form.finished());
            QVERIFY(!form.fileOpen());
        }
        const QByteArray expected =
            Lines({"<HEAD>",
                   "t_adm = SUI",
                   "t_email_addr = spectrum@ofcom.example",
                   "</HEAD>",
                   "<NOTICE>",
                   "Notice No = 1",
                   "t_notice_type = GS1",
                   "t_fragment = GE06D",
                   "t_action = ADD",
                   "t_adm_ref_id = CH-DAB-0001",
                   "t_d_inuse = 2010-03-01",
                   "t_site_name = BANTIGER",
                   "t_ctry = SUI",
                   "t_long = +0073143",
                   "t_lat = +465809",
                   "t_freq_assgn = 223.936",
                   "t_site_alt = 947",
                   "t_plan_entry = 1",
                   "t_assgn_code = S",
                   "t_polar = H",
                   "t_erp_h_dbw = 39.5",
                   "t_hgt_agl = 150",
                   "t_eff_hgtmax = 300",
                   "t_ant_dir = D",
                   "t_is_pub_req = FALSE",
                   "t_ref_plan_cfg = RPC4",
                   "t_spect_mask = 2",
                   "<COORD>",
                   "t_adm = F",
                   "t_adm = D",
                   "</COORD>",
                   "<ANT_HGT>"}) +
            AzimuthLines("t_eff_hgt@azm", [](int a) { return a >= 90 && a <= 180 ? "120" : "150"; }) +
            Lines({"</ANT_HGT>", "<ANT_DIAGR_H>"}) +
            AzimuthLines("t_attn@azm", [](int a) { return a == 180 ? "6" : "0"; }) +
            Lines({"</ANT_DIAGR_H>",
                   "t_remarks = first notice",
                   "</NOTICE>",
                   "<NOTICE>",
                   "Notice No = 2",
                   "t_notice_type = GS1",
                   "t_fragment = GE06D",
                   "t_action = MODIFY",
                   "t_adm_ref_id = CH-DAB-0002",
                   "t_d_expiry = 2030-12-31",
                   "t_trg_adm_ref_id = CH-DAB-0001",
                   "t_site_name = CHASSERAL",
                   "t_ctry = SUI",
                   "t_long = +0070334",
                   "t_lat = +470757",
                   "t_freq_assgn = 176.64",
                   "t_offset = -16",
                   "t_site_alt = 1607",
                   "t_plan_entry = 2",
                   "t_assgn_code = L",
                   "t_polar = V",
                   "t_erp_v_dbw = 30",
                   "t_hgt_agl = 80",
                   "t_eff_hgtmax = 900",
                   "t_ant_dir = ND",
                   "t_is_pub_req = TRUE",
                   "t_ref_plan_cfg = RPC5",
                   "t_sfn_id = SFN-JURA",
                   "t_spect_mask = 3",
                   "<ANT_HGT>"}) +
            AzimuthLines("t_eff_hgt@azm", [](int) { return "800"; }) +
            Lines({"</ANT_HGT>", "</NOTICE>", "<TAIL>", "t_num_notices = 2", "</TAIL>", ""});
        const QByteArray body = Body(path);
        if (body != expected)
            qWarning("written:\n%s", body.constData());
        QCOMPARE(body, expected);
    }

    // A user types degrees without leading zeros; the site is inside its country all the same.
    void unpaddedSiteDegreesAreReadForTheCountryCheck() {
        auto formOwner = OpenForm(FormKind::GS1);
        NoticeForm &form = *formOwner;
        ShowActive(form);
        Type(form, "Txt_Filename", FilePath("gs1-unpadded.txt"));
        TypeBantigerNotice(form, QStringLiteral("7"));
        ExpectNoMessage();
        Click(form, "Button_Next");
        QCOMPARE(dialogs_.MessageTitles(), QStringList());
    }

    // An Article 5 modification of a DVB-T assignment, its target given by frequency and
    // position; Finish saves the notice on the screen and closes the file.
    void gt1Article5Modification() {
        const QString path = FilePath("gt1.txt");
        {
            auto formOwner = OpenForm(FormKind::GT1);
            NoticeForm &form = *formOwner;
            ShowActive(form);
            Type(form, "Txt_Filename", path);
            Choose(form, "Combo_B_Adm", QStringLiteral("F"));
            Click(form, "Opt_Art5");
            Click(form, "OptInt_Mod");
            Type(form, "Txt_AdmRefID", QStringLiteral("f-tnt-0042"));
            Type(form, "Txt_trg_freq_assgn", QStringLiteral("474"));
            QVERIFY(!Shown(form, "Txt_TrgAdmRefID"));
            Type(form, "Txt_trg_long_DD", QStringLiteral("002"));
            Type(form, "Txt_trg_long_MM", QStringLiteral("17"));
            Type(form, "Txt_trg_long_SS", QStringLiteral("40"));
            Type(form, "Txt_trg_long_EW", QStringLiteral("e"));
            Type(form, "Txt_trg_lat_DD", QStringLiteral("48"));
            Type(form, "Txt_trg_lat_MM", QStringLiteral("51"));
            Type(form, "Txt_trg_lat_SS", QStringLiteral("30"));
            Type(form, "Txt_trg_lat_NS", QStringLiteral("n"));
            Type(form, "Txt_4A_SiteName", QStringLiteral("Paris Tour Eiffel"));
            Choose(form, "Combo_4B_Ctry", QStringLiteral("F"));
            Type(form, "Txt_4C_Deg_Long", QStringLiteral("002"));
            Type(form, "Txt_4C_Min_Long", QStringLiteral("17"));
            Type(form, "Txt_4C_Sec_Long", QStringLiteral("40"));
            Type(form, "Txt_4C_EW", QStringLiteral("E"));
            Type(form, "Txt_4C_Deg_Lat", QStringLiteral("48"));
            Type(form, "Txt_4C_Min_Lat", QStringLiteral("51"));
            Type(form, "Txt_4C_Sec_Lat", QStringLiteral("30"));
            Type(form, "Txt_4C_NS", QStringLiteral("N"));
            Type(form, "Txt_InUse_DD", QStringLiteral("15"));
            Type(form, "Txt_InUse_MM", QStringLiteral("6"));
            Type(form, "Txt_InUse_YY", QStringLiteral("2012"));
            Type(form, "Txt_GE06_freqAssgn", QStringLiteral("482"));
            Choose(form, "Combo_RRC04_Sys_Var", QStringLiteral("C3"));
            Choose(form, "Combo_RRC04_RxMode", QStringLiteral("FX"));
            Choose(form, "Combo_GE06_Plan", QStringLiteral("1"));
            Choose(form, "Combo_GE06_assgnCde", QStringLiteral("S"));
            Choose(form, "Combo_RRC04_SpectMask", QStringLiteral("N"));
            Choose(form, "Combo_9_AntDir", QStringLiteral("ND"));
            Choose(form, "Combo_9D_Polariz", QStringLiteral("M"));
            Type(form, "Txt_8BH_Erp_H", QStringLiteral("47"));
            Type(form, "Txt_8BV_Erp_V", QStringLiteral("44"));
            Type(form, "Txt_GE06_erpBeam_tilt", QStringLiteral("50"));
            Type(form, "Txt_GE06_TiltAngle", QStringLiteral("-1.5"));
            Type(form, "Txt_9E_AntHgt", QStringLiteral("300"));
            Type(form, "Txt_9EA_SiteAlt", QStringLiteral("35"));
            Type(form, "Txt_9EB_Eff_hgtmax", QStringLiteral("310"));
            Fill(form, "Button_Fill9EC", "0", "350", "280");
            Type(form, "Txt_PlanAdm_RefID", QStringLiteral("f-plan-17"));
            Choose(form, "Combo_GE06_Rmk_Cond", QStringLiteral("TRUE"));
            Choose(form, "Combo_GE06_SigComit", QStringLiteral("FALSE"));
            Choose(form, "Combo_GE06_IsResub", QStringLiteral("FALSE"));
            Type(form, "Txt_3A1_CallSign", QStringLiteral("tnt-pa"));
            Type(form, "Txt_12A_OpAgcy", QStringLiteral("7"));
            Type(form, "Txt_12B_AddrCde", QStringLiteral("a"));
            Type(form, "Txt_10B_Ophhfr", QStringLiteral("0600"));
            Leave(form, "Txt_AdmRefID");
            ExpectNoMessage();
            QCOMPARE(Text(form, "Txt_12A_OpAgcy"), QStringLiteral("007"));
            QCOMPARE(Text(form, "Txt_10B_Ophhto"), QStringLiteral("2400"));

            Click(form, "Button_Finish");
            ExpectNoMessage();
            QVERIFY(form.finished());
        }
        const QByteArray expected =
            Lines({"<HEAD>",
                   "t_adm = F",
                   "</HEAD>",
                   "<NOTICE>",
                   "Notice No = 1",
                   "t_notice_type = GT1",
                   "t_fragment = NTFD_RR",
                   "t_action = MODIFY",
                   "t_adm_ref_id = F-TNT-0042",
                   "t_d_inuse = 2012-06-15",
                   "t_call_sign = TNT-PA",
                   "t_trg_freq_assgn = 474",
                   "t_trg_long = +0021740",
                   "t_trg_lat = +485130",
                   "t_site_name = PARIS TOUR EIFFEL",
                   "t_ctry = F",
                   "t_long = +0021740",
                   "t_lat = +485130",
                   "t_freq_assgn = 482",
                   "t_site_alt = 35",
                   "t_plan_entry = 1",
                   "t_assgn_code = S",
                   "t_polar = M",
                   "t_erp_h_dbw = 47",
                   "t_erp_v_dbw = 44",
                   "t_erp_beam_tilt_dbw = 50",
                   "t_beam_tilt_angle = -1.5",
                   "t_hgt_agl = 300",
                   "t_eff_hgtmax = 310",
                   "t_ant_dir = ND",
                   "t_op_agcy = 007",
                   "t_addr_code = A",
                   "t_is_resub = FALSE",
                   "t_remark_conds_met = TRUE",
                   "t_signed_commitment = FALSE",
                   "t_op_hh_fr = 06:00",
                   "t_op_hh_to = 24:00",
                   "t_plan_adm_ref_id = F-PLAN-17",
                   "t_prov = RR11.2",
                   "t_sys_var = C3",
                   "t_rx_mode = FX",
                   "t_spect_mask = N",
                   "<ANT_HGT>"}) +
            AzimuthLines("t_eff_hgt@azm", [](int) { return "280"; }) +
            Lines({"</ANT_HGT>", "</NOTICE>", "<TAIL>", "t_num_notices = 1", "</TAIL>", ""});
        const QByteArray body = Body(path);
        if (body != expected)
            qWarning("written:\n%s", body.constData());
        QCOMPARE(body, expected);
    }
};

QTEST_MAIN(AssignmentFileTest)
#include "forms_assignment_file.moc"
