// Whole notices typed into the TB2, TB3 and TB5 forms as a user would: validated, saved twice and
// finished. The file is compared byte for byte from its fourth line with a golden file under
// tests/gui/data, and the command-line validator must find every notice of it receivable.

#include "forms_support.h"

#include "app/app_state.h"
#include "forms/err_msg_frm.h"
#include "geo/world_map.h"

#include <QTemporaryDir>

#include <optional>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

using Msg = std::pair<QString, QString>; // title, text

const QString kMandatoryHeader =
    QStringLiteral("To save a notice the following Mandatory fields are necessary : \r\n\r\n");

} // namespace

class AdministrativeFileTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;
    QList<Msg> validations_; // caption and text of each error list shown
    FormsMap map_;
    QTemporaryDir dir_;

    QString FilePath(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // The messages shown since the last call, whole, in order.
    void ExpectMessages(const QList<Msg> &expected) {
        QList<Msg> messages;
        for (const auto &s : dialogs_.shown)
            if (s.kind == RecordingDialogs::Kind::Message)
                messages.append({s.title, s.text});
        dialogs_.Clear();
        QCOMPARE(messages, expected);
    }

    void ExpectReceivable(QWidget &form) {
        validations_.clear();
        Click(form, "Button_Validate");
        ExpectMessages({});
        QCOMPARE(validations_, QList<Msg>({{"Notice Receivable", "The notice is receivable\r\n"}}));
    }

    void SaveNext(QWidget &form, const char *nextNumber) {
        Click(form, "Button_Next");
        ExpectMessages({});
        QCOMPARE(Text(form, "Txt_Ntc_Number"), QString::fromLatin1(nextNumber));
    }

    void Finish(NoticeForm &form) {
        Click(form, "Button_Finish");
        ExpectMessages({});
        QVERIFY(form.finished());
        QVERIFY(!form.fileOpen());
    }

    // The file from its fourth line against its golden file, and every notice receivable by the tool.
    void ExpectFile(const QString &path, const char *golden) {
        QVERIFY2(MatchesGolden(path, golden), golden);
        QByteArray output;
        QVERIFY2(ToolValidate(path, &output) == 0, output.constData());
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(map_.Load());
    }
    void init() {
        dialogs_ = RecordingDialogs();
        dialogs_.onExec = [this](QDialog &dialog) {
            if (auto *errors = qobject_cast<ErrMsgFrm *>(&dialog))
                validations_.append({errors->windowTitle(), errors->text()});
            return int(QDialog::Accepted);
        };
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
    }
    void cleanup() { scope_.reset(); }

    // Two copies to the Master Register: the first names the assignment it modifies by frequency
    // and position, the second by identifier. The operating hours, emptied by the user, come back
    // as 0000 and 2400 on Validate, and on Save/Next only once the save check has passed.
    void tb2Copies() {
        const QString path = FilePath("tb2.txt");
        {
            auto owner = OpenForm(FormKind::TB2);
            NoticeForm &form = *owner;
            ShowActive(form);
            Type(form, "Txt_Filename", path);
            Click(form, "Button_Validate");
            ExpectMessages({{"Missing values", "Not enough fields to validate"}});

            Choose(form, "Combo_B_Adm", QStringLiteral("I"));
            Type(form, "Txt_EmailAddr", QStringLiteral("spettro@mise.example"));
            Type(form, "Txt_PlanAdmRefID", QStringLiteral("i-plan-0099"));
            Type(form, "Txt_TrgFreq", QStringLiteral("658"));
            const char *position[][2] = {{"Txt_4C_Deg_Long", "12"}, {"Txt_4C_Min_Long", "29"},
                                         {"Txt_4C_Sec_Long", "0"},  {"Txt_4C_EW", "e"},
                                         {"Txt_4C_Deg_Lat", "41"},  {"Txt_4C_Min_Lat", "54"},
                                         {"Txt_4C_Sec_Lat", "10"},  {"Txt_4C_NS", "n"}};
            for (const auto &[box, text] : position)
                Type(form, box, QString::fromLatin1(text));
            Type(form, "Txt_InUse_DD", QStringLiteral("14"));
            Type(form, "Txt_InUse_MM", QStringLiteral("7"));
            Type(form, "Txt_InUse_YY", QStringLiteral("2011"));
            Type(form, "Txt_12A_OpAgcy", QStringLiteral("12"));
            Type(form, "Txt_12B_AddrCde", QStringLiteral("ab"));
            Type(form, "Txt_10B_Ophhfr", QString());
            Type(form, "Txt_10B_Ophhto", QString());
            Type(form, "Txt_notified_Rmks", QStringLiteral("Copy of the Rome multiplex"));
            Leave(form, "Txt_PlanAdmRefID");
            ExpectMessages({});
            QCOMPARE(Text(form, "Txt_PlanAdmRefID"), QStringLiteral("I-PLAN-0099"));
            QCOMPARE(Text(form, "Txt_12A_OpAgcy"), QStringLiteral("012"));
            QVERIFY(!Shown(form, "Txt_TrgAdmRefID"));

            ExpectReceivable(form);
            QCOMPARE(Text(form, "Txt_10B_Ophhfr"), QStringLiteral("0000"));
            QCOMPARE(Text(form, "Txt_10B_Ophhto"), QStringLiteral("2400"));
            SaveNext(form, "2");
            QVERIFY(Shown(form, "Txt_TrgAdmRefID"));
            QCOMPARE(Text(form, "Txt_TrgFreq"), QString());

            Type(form, "Txt_PlanAdmRefID", QStringLiteral("i-plan-0100"));
            Type(form, "Txt_TrgAdmRefID", QStringLiteral("i-mifr-0042"));
            Type(form, "Txt_InUse_DD", QStringLiteral("1"));
            Type(form, "Txt_InUse_MM", QStringLiteral("12"));
            Type(form, "Txt_InUse_YY", QStringLiteral("2012"));
            Type(form, "Txt_12A_OpAgcy", QStringLiteral("3"));
            Type(form, "Txt_10B_Ophhfr", QString());
            Type(form, "Txt_10B_Ophhto", QString());
            Leave(form);
            QVERIFY(!Shown(form, "Txt_TrgFreq"));
            Click(form, "Button_Next");
            ExpectMessages(
                {{"Cannot save the notice", kMandatoryHeader + " Address code : t_addr_code \r\n"}});
            QVERIFY(form.saveRefused());
            QCOMPARE(Text(form, "Txt_10B_Ophhfr"), QString());
            QCOMPARE(Text(form, "Txt_10B_Ophhto"), QString());
            Type(form, "Txt_12B_AddrCde", QStringLiteral("cd"));
            Leave(form);
            SaveNext(form, "3");
            Finish(form);
        }
        ExpectFile(path, "tb2_file.txt");
    }

    // Two requests for publication in Part B, each with the administrations coordinated with.
    void tb3Requests() {
        const QString path = FilePath("tb3.txt");
        {
            auto owner = OpenForm(FormKind::TB3);
            NoticeForm &form = *owner;
            ShowActive(form);
            Type(form, "Txt_Filename", path);
            const int available = Control<QListWidget>(form, "ListAdmAvail")->count();
            Choose(form, "Combo_B_Adm", QStringLiteral("E"));
            Type(form, "Txt_EmailAddr", QStringLiteral("espectro@mintur.example"));
            Type(form, "Txt_TrgAdmRefID", QStringLiteral("e-dvb-0123"));
            for (const char *adm : {"POR", "F"}) {
                ClickListEntry(form, "ListAdmAvail", QString::fromLatin1(adm));
                Click(form, "Button_Coord_Add");
            }
            Type(form, "Txt_notified_Rmks", QStringLiteral("Coordinated with both neighbours"));
            Leave(form, "Txt_TrgAdmRefID");
            ExpectReceivable(form);
            SaveNext(form, "2");
            QCOMPARE(Control<QListWidget>(form, "ListAdmSel")->count(), 0);
            QCOMPARE(Control<QListWidget>(form, "ListAdmAvail")->count(), available);

            Type(form, "Txt_TrgAdmRefID", QStringLiteral("e-dab-0007"));
            ClickListEntry(form, "ListAdmAvail", QStringLiteral("AND"));
            Click(form, "Button_Coord_Add");
            Leave(form);
            SaveNext(form, "3");
            Finish(form);
        }
        ExpectFile(path, "tb3_file.txt");
    }

    // A withdrawal under Article 4, then a suppression under Article 5: Save/Next clears the intent
    // and keeps the article.
    void tb5Notices() {
        const QString path = FilePath("tb5.txt");
        {
            auto owner = OpenForm(FormKind::TB5);
            NoticeForm &form = *owner;
            ShowActive(form);
            Type(form, "Txt_Filename", path);
            Choose(form, "Combo_B_Adm", QStringLiteral("G"));
            Type(form, "Txt_EmailAddr", QStringLiteral("spectrum@ofcom.example"));
            Type(form, "Txt_TrgAdmRefID", QStringLiteral("g-t-0815"));
            Click(form, "OptInt_WDraw");
            Type(form, "Txt_notified_Rmks", QStringLiteral("Withdrawn by the operator"));
            Leave(form, "Txt_TrgAdmRefID");
            ExpectReceivable(form);
            SaveNext(form, "2");
            QVERIFY(Control<QRadioButton>(form, "Opt_Art4")->isChecked());
            QVERIFY(!Control<QRadioButton>(form, "OptInt_WDraw")->isChecked());

            Click(form, "Opt_Art5");
            Click(form, "OptInt_Supp");
            Type(form, "Txt_TrgAdmRefID", QStringLiteral("g-t-0816"));
            Leave(form);
            ExpectReceivable(form);
            SaveNext(form, "3");
            QVERIFY(Control<QRadioButton>(form, "Opt_Art5")->isChecked());
            QVERIFY(!Control<QRadioButton>(form, "OptInt_Supp")->isChecked());
            Finish(form);
        }
        ExpectFile(path, "tb5_file.txt");
    }
};

QTEST_MAIN(AdministrativeFileTest)
#include "forms_admin_file.moc"
