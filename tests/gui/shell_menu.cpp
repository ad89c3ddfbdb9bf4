// The main menu (start-up, settings, Go, the working directory), the captions of the notice forms
// and the fill-range and error-list dialogs.
#include "forms_support.h"
#include "shell_probe_form.h"

#include "app/app_state.h"
#include "app/digital_menu_frm.h"
#include "app/form_registry.h"
#include "app/settings.h"
#include "forms/err_msg_frm.h"
#include "forms/fill_range_frm.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

using Kind = RecordingDialogs::Kind;

const QString kNoMap = QStringLiteral("/nonexistent/ondrell.map");

void ClearSettings() {
    QSettings(QStringLiteral("GE06_Requirements"), QString()).clear();
}

QStringList Kinds(const RecordingDialogs &d) {
    QStringList kinds;
    for (const auto &s : d.shown)
        kinds << (s.kind == Kind::Message  ? "message:" + s.title
                  : s.kind == Kind::Browse ? "browse:" + s.title
                  : s.kind == Kind::Exec   ? "exec:" + s.text
                                           : QStringLiteral("beep"));
    return kinds;
}

} // namespace

class ShellMenu : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs;
    std::unique_ptr<ScopedDialogs> scope;
    QTemporaryDir dir;

    std::unique_ptr<DigitalMenuFrmGE06> Menu(const QString &mapFile = kNoMap) {
        qputenv("ONDRELL_MAP_FILE", mapFile.toUtf8());
        auto menu = std::make_unique<DigitalMenuFrmGE06>(QCoreApplication::applicationDirPath());
        dialogs.Clear();
        return menu;
    }

  private slots:
    void init() {
        dialogs = RecordingDialogs();
        scope = std::make_unique<ScopedDialogs>(dialogs);
        ClearSettings();
        TheApp() = AppState();
    }
    void cleanup() { scope.reset(); }

    void startsInEnglishWithoutSettings() {
        qputenv("ONDRELL_MAP_FILE", kNoMap.toUtf8());
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"File Missing"}));
        QCOMPARE(
            dialogs.LastMessage()->text,
            QStringLiteral(
                "The file /nonexistent/ondrell.map not found. Cannot validate the geographical coordinates"));
        QVERIFY(dialogs.LastMessage()->icon == MsgIcon::Information);
        QCOMPARE(menu.windowTitle(),
                 QStringLiteral("Ostrel Data Capture - GE06 Digital Broadcasting Notices"));
        QCOMPARE(
            menu.Option(FormKind::TB5)->text(),
            QStringLiteral("TB5 - Suppression of an Assignment/Allotment or Withdrawal of a Notice under "
                           "treatment "));
        QCOMPARE(Control<QLabel>(menu, "LblProgrVer")->text(),
                 QStringLiteral("GE06 Ivrel Quorra Digital Version 2.08 / 08.05.2009"));
        QCOMPARE(ReadSetting("language"), QString()); // start-up writes nothing
        QCOMPARE(TheApp().workDir, QString());
        QVERIFY(!Control(menu, "Opt_english")->isVisibleTo(&menu));
        for (int k = 0; k < 8; ++k)
            QVERIFY(!menu.Option(FormKind(k))->isChecked());
        QVERIFY(menu.map() == nullptr);
        menu.OptEnglishClicked();
        QCOMPARE(ReadSetting("language"), QStringLiteral("0"));
    }

    void storedLanguage_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("checked");
        QTest::newRow("french") << "1" << 1 << "Opt_french";
        QTest::newRow("spanish") << "2" << 2 << "Opt_spanish";
        QTest::newRow("other") << "7" << 0 << "";
    }
    void storedLanguage() {
        QFETCH(QString, stored);
        QFETCH(int, language);
        QFETCH(QString, checked);
        WriteSetting("language", stored);
        auto menu = Menu();
        QCOMPARE(TheApp().language, language);
        for (const char *name : {"Opt_english", "Opt_french", "Opt_spanish"})
            QCOMPARE(Control<QRadioButton>(*menu, name)->isChecked(), checked == QLatin1String(name));
        // The English handler did not run: the stored value stays and the title is not set.
        QCOMPARE(ReadSetting("language"), stored);
        QVERIFY(menu->windowTitle() !=
                QStringLiteral("Ostrel Data Capture - GE06 Digital Broadcasting Notices"));
    }

    void goWithoutTypeAsksForDirectoryThenComplains() {
        auto menu = Menu();
        dialogs.answers = {MsgAnswer::No};
        menu->ButtonGoClicked();
        QCOMPARE(Kinds(dialogs), QStringList({"message:Set Working Directory", "beep", "message:Ostrel"}));
        QCOMPARE(dialogs.shown[0].text,
                 QStringLiteral("The working directory is NOT Set.\r\nThe electronic files will "
                                "be stored at the same directory as the program.\r\nIt is "
                                "ADVISED to set a working directory. Do you want to set NOW?"));
        QVERIFY(dialogs.shown[0].buttons == MsgButtons::YesNo);
        QCOMPARE(dialogs.LastMessage()->text, QStringLiteral("Please, choose a notice type"));
        QVERIFY(dialogs.LastMessage()->icon == MsgIcon::Exclamation);
    }

    void goOpensTheChosenFormModally() {
        RegisterNoticeForm(FormKind::TB5, [](QWidget *parent) {
            auto form = std::make_unique<ProbeForm>(FormKind::TB5, QStringList{"Txt_TrgAdmRefID"});
            form->setParent(parent, Qt::Dialog);
            return form;
        });
        WriteSetting("workDir", dir.path());
        auto menu = Menu();
        QCOMPARE(TheApp().workDir, dir.path());
        menu->Option(FormKind::TB5)->setChecked(true);
        QString proposed;
        dialogs.onExec = [&](QDialog &form) {
            proposed = Control<QLineEdit>(form, "Txt_Filename")->text();
            return int(QDialog::Accepted);
        };
        menu->ButtonGoClicked();
        QCOMPARE(Kinds(dialogs), QStringList({"exec:TB5FrmGE06"})); // no directory question
        QVERIFY(proposed.startsWith(dir.path() + "/TB5-"));
        QVERIFY(menu->Option(FormKind::TB5)->isChecked()); // kept after the form closes
    }

    void declinedDirectoryStillOpensTheFormBesideTheProgram() {
        RegisterNoticeForm(FormKind::TB5, [](QWidget *parent) {
            auto form = std::make_unique<ProbeForm>(FormKind::TB5, QStringList{"Txt_TrgAdmRefID"});
            form->setParent(parent, Qt::Dialog);
            return form;
        });
        auto menu = Menu();
        menu->Option(FormKind::TB5)->setChecked(true);
        dialogs.answers = {MsgAnswer::No};
        QString proposed;
        dialogs.onExec = [&](QDialog &form) {
            proposed = Control<QLineEdit>(form, "Txt_Filename")->text();
            return int(QDialog::Accepted);
        };
        menu->ButtonGoClicked();
        QCOMPARE(Kinds(dialogs), QStringList({"message:Set Working Directory", "exec:TB5FrmGE06"}));
        QVERIFY(proposed.startsWith(QCoreApplication::applicationDirPath() + "/TB5-"));
    }

    void workingDirectoryDialog_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("answers"); // 1 Yes, 0 No
        QTest::addColumn<QString>("picked");     // "" cancels the browser
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("result");
        const QStringList ask{"message:Select Working Directory"};
        const QString browse = "browse:Select the working folder";
        QTest::newRow("unset, picked")
            << "" << QList<int>{} << "/data/new" << QStringList{browse} << "/data/new";
        QTest::newRow("unset, cancelled") << "" << QList<int>{} << "" << QStringList{browse} << "";
        QTest::newRow("keep current") << "/data/old" << QList<int>{0} << "/data/new" << ask << "/data/old";
        QTest::newRow("change current")
            << "/data/old" << QList<int>{1} << "/data/new" << (ask + QStringList{browse}) << "/data/new";
        QTest::newRow("change, cancelled")
            << "/data/old" << QList<int>{1} << "" << (ask + QStringList{browse}) << "/data/old";
    }
    void workingDirectoryDialog() {
        QFETCH(QString, stored);
        QFETCH(QList<int>, answers);
        QFETCH(QString, picked);
        QFETCH(QStringList, shown);
        QFETCH(QString, result);
        WriteSetting("workDir", stored);
        auto menu = Menu();
        for (int a : answers)
            dialogs.answers.push_back(a ? MsgAnswer::Yes : MsgAnswer::No);
        if (!picked.isEmpty())
            dialogs.folders.push_back(picked);
        menu->ButtonDirClicked();
        QCOMPARE(Kinds(dialogs), shown);
        if (!answers.isEmpty())
            QCOMPARE(dialogs.shown[0].text,
                     "The current working directory is :" + stored + ". Do you want to change it?");
        QCOMPARE(TheApp().workDir, result);
        QCOMPARE(ReadSetting("workDir"), result);
    }

    void unreadableMapIsReported() {
        QFile bad(dir.filePath("bad.map"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a map");
        bad.close();
        qputenv("ONDRELL_MAP_FILE", bad.fileName().toUtf8());
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        QCOMPARE(dialogs.MessageTitles(), QStringList({QString()}));
        QCOMPARE(dialogs.LastMessage()->text, QStringLiteral("Can't find Mapora data files"));
        QVERIFY(TheApp().map == nullptr);
    }

    void realMapLoadsSilently() {
        if (!QFile::exists(QStringLiteral(ONDRELL_MAP_FILE)))
            QSKIP("the map has not been built");
        qputenv("ONDRELL_MAP_FILE", ONDRELL_MAP_FILE);
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        QVERIFY(dialogs.shown.empty());
        QVERIFY(TheApp().map != nullptr);
    }

    // Notice-form captions come from the string table and never follow the language.
    void captionsOfNoticeForms() {
        TheApp().language = 2;
        ProbeForm gt1(FormKind::GT1, {"LblOr", "Txt_GE06_freqAssgn", "Button_Fill9NV"});
        QCOMPARE(Control<QLineEdit>(gt1, "Txt_GE06_freqAssgn")->toolTip(),
                 QStringLiteral(
                     "[177.5 to 226.5] or [474 to 858] Ref. A.3.1-2, A.3.1-3, A.3.1-4 and A.3.1-5 of the "
                     "Agreement"));
        QCOMPARE(Control<QPushButton>(gt1, "Button_Next")->text(), QStringLiteral("Save/Next"));
        QCOMPARE(Control<QPushButton>(gt1, "Button_Next")->toolTip(),
                 QStringLiteral("Save Notice and clear screen to continue with next notice"));
        QCOMPARE(Control<QPushButton>(gt1, "Button_Validate")->toolTip(), QString());
        QCOMPARE(gt1.windowTitle(),
                 QStringLiteral(
                     "GT1      Digital Television Broadcasting (DVB-T) Assignment - Data Capture - GE06 "
                     "Ivrel Quorra Digital Version 2.08 / 08.05.2009"));
        ProbeForm tb3(FormKind::TB3, {});
        QVERIFY(tb3.windowTitle().startsWith(
            QStringLiteral("TB3   Request Publication in Part B - Data Capture -GE06 ")));
    }

    void fillRangeCaptionsFollowLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("en height") << 0 << 0 << "Fill in Effective Antenna Height for a Range of azimuths"
                                   << "To"
                                   << "Cancel";
        QTest::newRow("fr attn") << 1 << 1 << "F-Fill in e.r.p Attenuation for a Range of azimuths"
                                 << "A"
                                 << "Annuler";
        QTest::newRow("es height") << 2 << 0 << "S-Fill in Effective Antenna Height for a Range of azimuths"
                                   << "Hasta"
                                   << "Anular";
        QTest::newRow("other keeps design") << 5 << 1 << ""
                                            << "To"
                                            << "Cancel";
    }
    void fillRangeCaptionsFollowLanguage() {
        QFETCH(int, language);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, to);
        QFETCH(QString, cancel);
        FillRangeFrm d(FillKind(kind), 150, language);
        QCOMPARE(d.windowTitle(), title);
        QCOMPARE(Control<QLabel>(d, "LblTo")->text(), to);
        QCOMPARE(Control<QPushButton>(d, "Button_Cancel")->text(), cancel);
        QCOMPARE(Control<QLabel>(d, "LblValue")->text(),
                 kind == 0 ? QStringLiteral("eff_hgt") : QStringLiteral("attn"));
    }

    void fillRangeRules_data() {
        QTest::addColumn<QString>("field"); // from, value-height, value-attn
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        for (auto [t, ok] : std::initializer_list<std::pair<const char *, bool>>{{"0", true},
                                                                                 {"350", true},
                                                                                 {"15", false},
                                                                                 {"360", false},
                                                                                 {"-10", false},
                                                                                 {"1,0", false},
                                                                                 {"", true}})
            QTest::newRow(qPrintable(QStringLiteral("azm ") + t)) << "azm" << t << ok;
        for (auto [t, ok] : std::initializer_list<std::pair<const char *, bool>>{{"150", true},
                                                                                 {"151", false},
                                                                                 {"-3000", true},
                                                                                 {"-3001", false},
                                                                                 {"10.0", false},
                                                                                 {"x", false}})
            QTest::newRow(qPrintable(QStringLiteral("height ") + t)) << "height" << t << ok;
        for (auto [t, ok] : std::initializer_list<std::pair<const char *, bool>>{
                 {"12.5", true}, {"0", true}, {"40", true}, {"40.1", false}, {"-1", false}})
            QTest::newRow(qPrintable(QStringLiteral("attn ") + t)) << "attn" << t << ok;
    }
    void fillRangeRules() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const std::string t = text.toStdString();
        std::optional<FillRefusal> r = field == "azm"      ? CheckFillAzimuth(t)
                                       : field == "height" ? CheckFillValue(FillKind::EffHeight, 150, t)
                                                           : CheckFillValue(FillKind::Attenuation, 150, t);
        QCOMPARE(!r.has_value(), accepted);
        if (r && field == "azm")
            QCOMPARE(QString::fromStdString(r->text),
                     QStringLiteral("The azm must be between [0, 350] at 10º intervals"));
        QVERIFY(CheckFillOrder("200", "100").has_value());
        QVERIFY(!CheckFillOrder("350", "350").has_value());
        // No 9EB given: every positive height is refused.
        QVERIFY(CheckFillValue(FillKind::EffHeight, 0, "1").has_value());
    }

    void fillRangeOkAndCancel() {
        FillRangeFrm d(FillKind::Attenuation, 0, 0);
        ShowActive(d);
        auto *ok = Control<QPushButton>(d, "Button_OK");
        Type(d, "TxtFrom", "0");
        Type(d, "TxtTo", "350");
        QVERIFY(!ok->isEnabled());
        Type(d, "TxtValue", "12.5");
        QVERIFY(ok->isEnabled());
        Type(d, "TxtValue", "41");
        QTRY_COMPARE(dialogs.MessageTitles(), QStringList({"Prevalidation Error - Attenuation "}));
        QVERIFY(!ok->isEnabled());
        Type(d, "TxtValue", "3");
        ok->click();
        QCOMPARE(d.result().from, 0);
        QCOMPARE(d.result().to, 350);
        QCOMPARE(d.result().value, QStringLiteral("3"));

        FillRangeFrm c(FillKind::EffHeight, 100, 0);
        Control<QLineEdit>(c, "TxtFrom")->setText("10");
        Control<QPushButton>(c, "Button_Cancel")->click();
        QCOMPARE(c.result().from, kNoAzimuth);
        QCOMPARE(c.result().to, kNoAzimuth);
        QVERIFY(c.result().Cancelled());
    }

    void fillRangeFromAboveToKeepsFocus() {
        FillRangeFrm d(FillKind::EffHeight, 100, 0);
        ShowActive(d);
        Type(d, "TxtFrom", "200");
        Type(d, "TxtTo", "100");
        Leave(d, "TxtValue");
        QTRY_COMPARE(dialogs.MessageTitles(), QStringList({"Prevalidation Error - Fill Range"}));
        QCOMPARE(dialogs.LastMessage()->text,
                 QStringLiteral("Invalid range, azm:FROM is greater than azm:TO"));
        QCOMPARE(QApplication::focusWidget(), Control(d, "TxtTo"));
    }

    void errorListShowsCaptionAndText() {
        ErrMsgFrm w(QStringLiteral("Notice Error(s)"),
                    QStringLiteral("FATAL ERROR : \r\n : t_adm missing\r\n"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Notice Error(s)"));
        QCOMPARE(Control<QPlainTextEdit>(w, "ErrorMsgTxt")->toPlainText(),
                 QStringLiteral("FATAL ERROR : \n : t_adm missing\n"));
        QVERIFY(Control<QPlainTextEdit>(w, "ErrorMsgTxt")->isReadOnly());
    }
};

QTEST_MAIN(ShellMenu)
#include "shell_menu.moc"
