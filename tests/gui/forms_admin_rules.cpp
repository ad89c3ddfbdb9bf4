// The administrative forms' own behaviour on the live forms: titles and captions, TB2's target
// toggles in both directions and what Reset shows again, TB5's radio states, and the main menu
// opening each of them.

#include "forms_support.h"

#include "app/app_state.h"
#include "app/digital_menu_frm.h"
#include "app/settings.h"
#include "forms/err_msg_frm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

using Msg = std::pair<QString, QString>; // title, text

const QString kProgram = QStringLiteral("GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009");

// The target controls TB2's toggles hide and show.
const char *const kIdentifierGroup[] = {"Txt_TrgAdmRefID", "Lbl_trg_MIFR", "LblOr"};
const char *const kCharacteristics[] = {"Txt_TrgFreq",     "Txt_4C_Deg_Long", "Txt_4C_Min_Long",
                                        "Txt_4C_Sec_Long", "Txt_4C_EW",       "Txt_4C_Deg_Lat",
                                        "Txt_4C_Min_Lat",  "Txt_4C_Sec_Lat",  "Txt_4C_NS"};
const char *const kCharacteristicLabels[] = {"LblOr", "Lbl_FreqUnit", "lbl_freqAssgn", "Lbl_4C_Long",
                                             "Lbl_4C_Lat"};

// Names of the controls among `names` that are shown.
template <std::size_t N> QStringList ShownOf(QWidget &form, const char *const (&names)[N]) {
    QStringList shown;
    for (const char *name : names)
        if (Shown(form, name))
            shown << QString::fromLatin1(name);
    return shown;
}

template <std::size_t N> QStringList All(const char *const (&names)[N]) {
    QStringList all;
    for (const char *name : names)
        all << QString::fromLatin1(name);
    return all;
}

bool Chosen(QWidget &form, const char *option) {
    return Control<QRadioButton>(form, option)->isChecked();
}

} // namespace

class AdministrativeRulesTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;
    QList<Msg> validations_;
    QTemporaryDir dir_;

    void ExpectMessages(const QList<Msg> &expected) {
        QList<Msg> messages;
        for (const auto &s : dialogs_.shown)
            if (s.kind == RecordingDialogs::Kind::Message)
                messages.append({s.title, s.text});
        dialogs_.Clear();
        QCOMPARE(messages, expected);
    }

  private slots:
    void init() {
        dialogs_ = RecordingDialogs();
        dialogs_.onExec = [this](QDialog &dialog) {
            if (auto *errors = qobject_cast<ErrMsgFrm *>(&dialog))
                validations_.append({errors->windowTitle(), errors->text()});
            return int(QDialog::Accepted);
        };
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
        validations_.clear();
    }
    void cleanup() { scope_.reset(); }

    // TB2 and TB3 titles end in "-" with the program identification right after it.
    void titlesAndFixedCaptions() {
        auto tb2Owner = OpenForm(FormKind::TB2);
        NoticeForm &tb2 = *tb2Owner;
        QCOMPARE(tb2.windowTitle(),
                 "TB2   Copy of Plan Assignment to Master Register (Art.11RR) - Data Capture -" + kProgram);
        QCOMPARE(Control<QLabel>(tb2, "Lbl_TrgAdmRefID")->text(), QStringLiteral("Unique ID in PLAN"));
        QCOMPARE(Control<QGroupBox>(tb2, "Frame1")->title(),
                 QStringLiteral("To Modify exist in target in the MIFR"));
        QCOMPARE(Control<QLabel>(tb2, "Lbl_4C_Long")->text(), QStringLiteral("   Longitude       E/W"));
        QCOMPARE(Control<QLabel>(tb2, "Lbl_4C_Lat")->text(), QStringLiteral("      Latitude            N/S"));
        QCOMPARE(Control<QLabel>(tb2, "lbl_freqAssgn")->text(), QStringLiteral("Freq. Assgn"));
        QCOMPARE(Control<QPushButton>(tb2, "Button_Reset")->toolTip(),
                 QStringLiteral("Clears the contents of the screen WITHOUT saving the data to the file"));
        QCOMPARE(Control<QPushButton>(tb2, "Button_Validate")->toolTip(), QString());
        QCOMPARE(Control<QLineEdit>(tb2, "Txt_notified_Rmks")->toolTip(),
                 QStringLiteral("Remarks indicated in this textbox will be loaded to the database"));

        auto tb3Owner = OpenForm(FormKind::TB3);
        NoticeForm &tb3 = *tb3Owner;
        QCOMPARE(tb3.windowTitle(), "TB3   Request Publication in Part B - Data Capture -" + kProgram);
        QCOMPARE(Control<QLabel>(tb3, "Lbl_TrgAdmRefID")->text(), QStringLiteral("Unique ID of the target"));
        QCOMPARE(Control<QGroupBox>(tb3, "FrameCoord")->title(), QStringLiteral("COORDINATION"));

        auto tb5Owner = OpenForm(FormKind::TB5);
        NoticeForm &tb5 = *tb5Owner;
        QCOMPARE(tb5.windowTitle(), "TB5 Suppression of an Assignment/Allotment or Withdrawal of a Notice "
                                    "under treatment - Data Capture - " +
                                        kProgram);
        QCOMPARE(Control<QLabel>(tb5, "Lbl_TrgAdmRefID")->text(), QStringLiteral("Unique ID of the target"));
        for (auto *form : std::initializer_list<QWidget *>{&tb2, &tb3, &tb5})
            QVERIFY(!Shown(*form, "txt_int_rmk") && !Shown(*form, "Lbl_int_rmk"));
    }

    // Leaving a frequency or position box looks at that box alone; leaving the identifier hides a
    // different set. Validate captures only the target fields shown, the save check reads them all,
    // and Reset shows the target again except "Or" and the unit.
    void tb2TargetToggles() {
        auto owner = OpenForm(FormKind::TB2);
        NoticeForm &form = *owner;
        ShowActive(form);
        Type(form, "Txt_Filename", dir_.filePath(QStringLiteral("tb2-toggles.txt")));
        QCOMPARE(Text(form, "Txt_10B_Ophhfr"), QStringLiteral("0000"));
        QCOMPARE(Text(form, "Txt_10B_Ophhto"), QStringLiteral("2400"));
        QCOMPARE(ShownOf(form, kIdentifierGroup), All(kIdentifierGroup));
        QCOMPARE(ShownOf(form, kCharacteristicLabels), All(kCharacteristicLabels));

        Type(form, "Txt_TrgFreq", QStringLiteral("600"));
        Leave(form, "Txt_4C_Sec_Long");
        QCOMPARE(ShownOf(form, kIdentifierGroup), QStringList());
        QCOMPARE(ShownOf(form, kCharacteristicLabels),
                 QStringList({"Lbl_FreqUnit", "lbl_freqAssgn", "Lbl_4C_Long", "Lbl_4C_Lat"}));

        // The seconds box left empty shows the identifier again, the frequency notwithstanding.
        Leave(form, "Txt_12B_AddrCde");
        QCOMPARE(ShownOf(form, kIdentifierGroup), All(kIdentifierGroup));

        Type(form, "Txt_TrgAdmRefID", QStringLiteral("i-mifr-0042"));
        Leave(form, "Txt_PlanAdmRefID");
        QCOMPARE(ShownOf(form, kCharacteristics), QStringList());
        QCOMPARE(ShownOf(form, kCharacteristicLabels), QStringList());
        QCOMPARE(ShownOf(form, kIdentifierGroup), QStringList({"Txt_TrgAdmRefID", "Lbl_trg_MIFR"}));

        Type(form, "Txt_PlanAdmRefID", QStringLiteral("i-plan-0099"));
        Choose(form, "Combo_B_Adm", QStringLiteral("I"));
        Type(form, "Txt_InUse_DD", QStringLiteral("14"));
        Type(form, "Txt_InUse_MM", QStringLiteral("7"));
        Type(form, "Txt_InUse_YY", QStringLiteral("2011"));
        Type(form, "Txt_12B_AddrCde", QStringLiteral("ab"));
        Leave(form);
        // The hidden frequency is not captured: the identifier alone names the target.
        Click(form, "Button_Validate");
        ExpectMessages({});
        QCOMPARE(validations_, QList<Msg>({{"Notice Receivable", "The notice is receivable\r\n"}}));
        Click(form, "Button_Next");
        ExpectMessages({{"Cannot save the notice",
                         "To save a notice the following Mandatory fields are necessary : \r\n\r\n"
                         "Target Longitude : t_trg_long \r\nTarget Latitude : t_trg_lat  \r\n"}});
        QVERIFY(!form.fileOpen());

        Click(form, "Button_Reset");
        ExpectMessages({});
        QCOMPARE(Text(form, "Txt_TrgFreq"), QString());
        QCOMPARE(Text(form, "Txt_TrgAdmRefID"), QString());
        QCOMPARE(ShownOf(form, kCharacteristics), All(kCharacteristics));
        QCOMPARE(ShownOf(form, kCharacteristicLabels),
                 QStringList({"lbl_freqAssgn", "Lbl_4C_Long", "Lbl_4C_Lat"}));
        QCOMPARE(ShownOf(form, kIdentifierGroup), QStringList({"Txt_TrgAdmRefID", "Lbl_trg_MIFR"}));
        QVERIFY(form.untouched());
    }

    // A fresh form shows Art. 4 and no intent; Reset unchooses the intent and keeps the article.
    // The four options have no handlers: choosing one touches nothing.
    void tb5RadioStates() {
        auto owner = OpenForm(FormKind::TB5);
        NoticeForm &form = *owner;
        ShowActive(form);
        QVERIFY(Chosen(form, "Opt_Art4") && !Chosen(form, "Opt_Art5"));
        QVERIFY(!Chosen(form, "OptInt_WDraw") && !Chosen(form, "OptInt_Supp"));

        const struct {
            const char *article, *intent;
        } picks[] = {{"Opt_Art5", "OptInt_WDraw"}, {"Opt_Art4", "OptInt_Supp"}};
        for (const auto &pick : picks) {
            Click(form, pick.article);
            Click(form, pick.intent);
            QVERIFY(form.untouched());
            QVERIFY(Chosen(form, pick.intent));
            Click(form, "Button_Reset");
            QVERIFY(Chosen(form, pick.article));
            QVERIFY(!Chosen(form, "OptInt_WDraw") && !Chosen(form, "OptInt_Supp"));
        }
        // The two pairs are separate choices.
        Click(form, "OptInt_Supp");
        QVERIFY(Chosen(form, "Opt_Art4") && Chosen(form, "OptInt_Supp"));
        ExpectMessages({});
    }

    void menuGoOpensEachForm() {
        WriteSetting("workDir", dir_.path());
        qputenv("ONDRELL_MAP_FILE", "/nonexistent/ondrell.map");
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        for (FormKind kind : {FormKind::TB2, FormKind::TB3, FormKind::TB5}) {
            dialogs_.Clear();
            menu.Option(kind)->setChecked(true);
            menu.ButtonGoClicked();
            QCOMPARE(dialogs_.shown.size(), std::size_t(1));
            QCOMPARE(dialogs_.shown[0].kind, RecordingDialogs::Kind::Exec);
            const QString expected = kind == FormKind::TB2   ? QStringLiteral("TB2FrmGE06")
                                     : kind == FormKind::TB3 ? QStringLiteral("TB3FrmGE06")
                                                             : QStringLiteral("TB5FrmGE06");
            QCOMPARE(dialogs_.shown[0].text, expected);
        }
    }
};

QTEST_MAIN(AdministrativeRulesTest)
#include "forms_admin_rules.moc"
