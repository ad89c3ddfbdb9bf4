// The workflow every notice form shares, on a bare probe form: the untouched and save-refused
// flags, numbering and the file, the two save-readiness tiers, closing, file errors and the
// leave-field checks with their focus keeping.
#include "forms_support.h"
#include "shell_probe_form.h"

#include "forms/err_msg_frm.h"
#include "forms/notice_form_fields.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

using Kind = RecordingDialogs::Kind;

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ShellWorkflow : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs;
    std::unique_ptr<ScopedDialogs> scope;
    QTemporaryDir dir;

    // A TB3 form whose file goes into the temporary folder.
    std::unique_ptr<ProbeForm> Tb3(const QString &file = QStringLiteral("tb3.txt")) {
        auto form = std::make_unique<ProbeForm>(FormKind::TB3, QStringList{"Txt_TrgAdmRefID"});
        Control<QLineEdit>(*form, "Txt_Filename")->setText(dir.filePath(file));
        return form;
    }
    // Fills a TB3 notice as a user would: the untouched flag clears.
    void FillTb3(ProbeForm &form, const QString &target) {
        Control<QComboBox>(form, "Combo_B_Adm")->setCurrentText(QStringLiteral("F"));
        Control<QLineEdit>(form, "Txt_TrgAdmRefID")->setText(target);
        form.MarkTouched();
    }

  private slots:
    void init() {
        dialogs = RecordingDialogs();
        scope = std::make_unique<ScopedDialogs>(dialogs);
    }
    void cleanup() { scope.reset(); }

    void opensFreshWithNumberOneAndAProposedName() {
        ProbeForm form(FormKind::TB3, {"Txt_TrgAdmRefID"});
        QCOMPARE(Control<QLineEdit>(form, "Txt_Ntc_Number")->text(), QStringLiteral("1"));
        QVERIFY(Control<QLineEdit>(form, "Txt_Filename")->text().contains(QStringLiteral("TB3-")));
        QVERIFY(Control<QLineEdit>(form, "Txt_Filename")->text().endsWith(QStringLiteral(".txt")));
        QVERIFY(form.windowTitle().endsWith(
            QStringLiteral(" - Data Capture -GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009")));
        QVERIFY(form.untouched());
        QVERIFY(!form.saveRefused());
    }

    void notEnoughFieldsWhenUntouchedOrOnlyOtherBoxesFilled() {
        auto form = Tb3(QStringLiteral("untouched.txt"));
        // Filled but untouched (nothing left by the user) and touched but the content box empty.
        Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->setText(QStringLiteral("X"));
        QVERIFY(!form->SaveNextClicked());
        Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->clear();
        Control<QLineEdit>(*form, "Txt_notified_Rmks")->setText(QStringLiteral("remark"));
        form->MarkTouched();
        form->ValidateClicked();
        QCOMPARE(dialogs.MessageTitles(), QStringList({"Missing values", "Missing values"}));
        QCOMPARE(dialogs.LastMessage()->text, QStringLiteral("Not enough fields to validate"));
        QVERIFY(Control<QLineEdit>(*form, "Txt_Filename")->isReadOnly()); // locked by the first press
        QVERIFY(!QFile::exists(dir.filePath("untouched.txt")));
    }

    void twoSavesThenFinishNumbersAndTails() {
        auto form = Tb3();
        FillTb3(*form, QStringLiteral("T1"));
        QVERIFY(form->SaveNextClicked());
        QVERIFY(form->untouched());
        QCOMPARE(Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->text(), QString()); // cleared
        // The file keeps the first notice's administration and address.
        QVERIFY(!Control(*form, "Combo_B_Adm")->isEnabled());
        QVERIFY(!Control(*form, "Txt_EmailAddr")->isEnabled());
        form->ResetClicked();
        QVERIFY(!Control(*form, "Combo_B_Adm")->isEnabled());
        QVERIFY(Control<QLineEdit>(*form, "Txt_Filename")->isReadOnly());

        FillTb3(*form, QStringLiteral("T2"));
        QVERIFY(form->SaveNextClicked());
        QCOMPARE(Control<QLineEdit>(*form, "Txt_Ntc_Number")->text(), QStringLiteral("3"));
        form->FinishClicked(); // empty screen: nothing saved again
        QVERIFY(form->finished());
        const QByteArray file = ReadAll(dir.filePath("tb3.txt"));
        QVERIFY(file.startsWith("File captured on "));
        QVERIFY(file.contains("\r\nNotice No = 1\r\n"));
        QVERIFY(file.contains("\r\nNotice No = 2\r\n"));
        QVERIFY(!file.contains("Notice No = 3"));
        QVERIFY(file.endsWith("<TAIL>\r\nt_num_notices = 2\r\n</TAIL>\r\n\r\n"));
        QCOMPARE(file.count("<HEAD>"), 1);
        QVERIFY(dialogs.shown.empty());
    }

    void finishWithoutNoticeLeavesNoFile() {
        auto form = Tb3(QStringLiteral("empty.txt"));
        form->FinishClicked();
        QVERIFY(form->finished());
        QVERIFY(!QFile::exists(dir.filePath("empty.txt")));
    }

    void hardRefusalKeepsFinishOpen() {
        auto form = Tb3(QStringLiteral("refused.txt"));
        Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->setText(QStringLiteral("T1"));
        form->MarkTouched(); // no administration
        form->show();
        form->FinishClicked();
        QVERIFY(form->saveRefused());
        QVERIFY(!form->finished());
        QVERIFY(form->isVisible());
        const auto *m = dialogs.LastMessage();
        QCOMPARE(m->title, QStringLiteral("Cannot save the notice"));
        QVERIFY(m->buttons == MsgButtons::CancelTryContinue);
        QVERIFY(m->text.contains(QStringLiteral("Notifying Administration : t_adm (B)\r\n")));
        // Closing after a refused save asks before dropping the notice; discarded, it leaves no file.
        dialogs.Clear();
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"Discard Notice"}));
        QVERIFY(!QFile::exists(dir.filePath("refused.txt")));
    }

    void closingWithANoticeOnScreenFinishes() {
        auto form = Tb3(QStringLiteral("closed.txt"));
        FillTb3(*form, QStringLiteral("T1"));
        form->show();
        form->close();
        QVERIFY(form->finished());
        QVERIFY(ReadAll(dir.filePath("closed.txt")).endsWith("t_num_notices = 1\r\n</TAIL>\r\n\r\n"));
    }

    void fileErrorKeepsTheNoticeAndTheWindow() {
        auto form = Tb3(QStringLiteral("no/such/folder/tb3.txt"));
        FillTb3(*form, QStringLiteral("T1"));
        form->show();
        form->close();
        QVERIFY(form->isVisible());
        QVERIFY(!form->finished());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"File Error"}));
        QVERIFY(!dialogs.LastMessage()->text.isEmpty());
        QCOMPARE(Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->text(), QStringLiteral("T1"));
        QCOMPARE(Control<QLineEdit>(*form, "Txt_Ntc_Number")->text(), QStringLiteral("1"));
        // Pointed at a usable folder, the same notice saves.
        Control<QLineEdit>(*form, "Txt_Filename")->setReadOnly(false);
        Control<QLineEdit>(*form, "Txt_Filename")->setText(dir.filePath("retry.txt"));
        form->FinishClicked();
        QVERIFY(form->finished());
        QVERIFY(ReadAll(dir.filePath("retry.txt")).contains("t_trg_adm_ref_id = T1"));
    }

    void softTierAsksAndRespectsTheAnswer_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the notice") << false;
        QTest::newRow("Yes saves it") << true;
    }
    void softTierAsksAndRespectsTheAnswer() {
        QFETCH(bool, yes);
        ProbeForm form(FormKind::GS2, {"OptInt_Add", "OptInt_Mod", "Txt_AdmRefID", "Txt_TrgAdmRefID",
                                       "Combo_4B_Ctry", "Combo_GE06_FreqAssgn", "Txt_RRC04_allot_name"});
        Control<QLineEdit>(form, "Txt_Filename")->setText(dir.filePath("gs2.txt"));
        QVERIFY(Control<QRadioButton>(form, "OptInt_Add")->isChecked());
        Control<QComboBox>(form, "Combo_B_Adm")->setCurrentText(QStringLiteral("F"));
        for (const char *box :
             {"Txt_AdmRefID", "Combo_4B_Ctry", "Combo_GE06_FreqAssgn", "Txt_RRC04_allot_name"})
            Control<QLineEdit>(form, box)->setText(QStringLiteral("F"));
        form.MarkTouched();
        dialogs.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        QCOMPARE(form.SaveNextClicked(), yes);
        const auto *m = dialogs.LastMessage();
        QCOMPARE(m->title, QStringLiteral("Save Invalid Notice"));
        QVERIFY(m->buttons == MsgButtons::YesNo);
        QVERIFY(m->text.startsWith(QStringLiteral("The following fields are either missing or invalid\r\n")));
        QVERIFY(m->text.endsWith(QStringLiteral("\r\n\r\nSave invalid Notice")));
        QCOMPARE(form.saveRefused(), !yes);
        QCOMPARE(QFile::exists(dir.filePath("gs2.txt")), yes);
    }

    void articleMustBeChosenOnAssignmentForms() {
        ProbeForm form(FormKind::GS1, {"OptInt_Add", "Opt_Art4", "Opt_Art5", "Txt_AdmRefID"});
        Control<QLineEdit>(form, "Txt_AdmRefID")->setText(QStringLiteral("X"));
        form.MarkTouched();
        form.ValidateClicked();
        QVERIFY(!form.SaveNextClicked());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"Select Article", "Select Article"}));
    }

    void validateShowsTheErrorList() {
        auto form = Tb3(QStringLiteral("validated.txt"));
        FillTb3(*form, QStringLiteral("T1"));
        QString caption, text;
        dialogs.onExec = [&](QDialog &d) {
            caption = d.windowTitle();
            text = static_cast<ErrMsgFrm &>(d).text();
            return int(QDialog::Accepted);
        };
        form->ValidateClicked();
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QVERIFY(dialogs.shown[0].kind == Kind::Exec);
        QVERIFY(caption == QStringLiteral("Notice Receivable") ||
                caption == QStringLiteral("Notice Error(s)"));
        if (caption == QStringLiteral("Notice Receivable"))
            QVERIFY(text.startsWith(QStringLiteral("The notice is receivable\r\n")));
        QVERIFY(!QFile::exists(dir.filePath("validated.txt"))); // validation writes nothing
    }

    void tb2DefaultsOperatingHoursOnSave() {
        ProbeForm form(FormKind::TB2, {"Txt_PlanAdmRefID", "Txt_InUse_DD", "Txt_InUse_MM", "Txt_InUse_YY",
                                       "Txt_12B_AddrCde", "Txt_10B_Ophhfr", "Txt_10B_Ophhto"});
        Control<QLineEdit>(form, "Txt_Filename")->setText(dir.filePath("tb2.txt"));
        Control<QComboBox>(form, "Combo_B_Adm")->setCurrentText(QStringLiteral("F"));
        const char *values[][2] = {{"Txt_PlanAdmRefID", "P1"},
                                   {"Txt_InUse_DD", "8"},
                                   {"Txt_InUse_MM", "5"},
                                   {"Txt_InUse_YY", "2009"},
                                   {"Txt_12B_AddrCde", "AB"}};
        for (const auto &v : values)
            Control<QLineEdit>(form, v[0])->setText(QString::fromLatin1(v[1]));
        form.MarkTouched();
        QVERIFY(form.SaveNextClicked());
        const QByteArray file = ReadAll(dir.filePath("tb2.txt"));
        QVERIFY(file.contains("00:00"));
        QVERIFY(file.contains("24:00"));
    }

    void refusedFieldKeepsFocusWithoutPingPong() {
        ProbeForm form(FormKind::TB2, {"Txt_4C_Deg_Lat", "Txt_TrgFreq", "Txt_TrgAdmRefID"});
        ShowActive(form);
        // The field the focus passes to would be refused too: only the first refusal is reported.
        Control<QLineEdit>(form, "Txt_TrgFreq")->setText(QStringLiteral("abc"));
        Type(form, "Txt_4C_Deg_Lat", QStringLiteral("95"));
        Leave(form, "Txt_TrgFreq");
        QTRY_COMPARE(dialogs.MessageTitles().size(), 1);
        QTest::qWait(50);
        QCOMPARE(dialogs.MessageTitles().size(), 1); // no message for the field the focus passed to
        QCOMPARE(dialogs.LastMessage()->text, QStringLiteral("Value must be between [0,90]"));
        QCOMPARE(QApplication::focusWidget(), Control(form, "Txt_4C_Deg_Lat"));
        QCOMPARE(Control<QLineEdit>(form, "Txt_4C_Deg_Lat")->selectedText(), QStringLiteral("95"));
        QVERIFY(!form.untouched());
        // While the field is refused the workflow buttons do nothing.
        dialogs.Clear();
        QVERIFY(!form.SaveNextClicked());
        QVERIFY(dialogs.shown.empty());
        // Reset is exempt from the check and forgets the refusal.
        form.ResetClicked();
        QVERIFY(!form.fieldChecks().Refusing());
    }

    void upperCaseKeyFilter() {
        ProbeForm form(FormKind::TB3, {"Txt_TrgAdmRefID"});
        ShowActive(form);
        Type(form, "Txt_TrgAdmRefID", QStringLiteral("ab1c"));
        QCOMPARE(Control<QLineEdit>(form, "Txt_TrgAdmRefID")->text(), QStringLiteral("AB1C"));
    }
};

QTEST_MAIN(ShellWorkflow)
#include "shell_workflow.moc"
