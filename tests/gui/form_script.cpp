// The step interpreter of the scripted scenarios. A script is one step a line ('#' starts a
// comment line); a step is a word and its arguments, "quoted" when they hold blanks, with \r \n \t
// \", \\ and \uHHHH as escapes. $DIR is the scenario's own temporary folder, $EXE the test program's
// folder, $ADMS the number of administrations; `include NAME args` runs NAME.steps of the same
// folder with $1, $2... replaced by the arguments.
//
// Set-up: map, open KIND, probe KIND [boxes], show, use N, menu none|bad|real, fill-dialog
// height|attn MAXH LANGUAGE, error-list CAPTION TEXT, register-probe KIND [boxes], setting KEY
// VALUE, language N.
// Acting: type CTL TEXT, set CTL TEXT, leave [CTL], choose CTL ENTRY, click CTL, pick LIST ENTRY,
// touch, untouched yes|no, answer Yes|No|..., folder PATH, fill FROM TO VALUE [cancel],
// save-next saved|refused, validate, finish, reset, close, go, dir, english, option KIND,
// file NAME, unlock-file, write-file NAME TEXT, full-disk NAME EXTRA, disk-ok, wait MS,
// add-points circle N|figure-eight.
// Checking: every expect-* step below, fill-rule and fill-order (the dialog's pure checks), and
// tool-validate NAME (`ondrell-tool validate` finds every notice receivable).

#include "form_script.h"

#include "contour_samples.h"
#include "forms_support.h"
#include "shell_probe_form.h"

#include "app/app_state.h"
#include "app/digital_menu_frm.h"
#include "app/form_registry.h"
#include "app/settings.h"
#include "forms/contour_detail_chart.h"
#include "forms/contour_detail_frm.h"
#include "forms/err_msg_frm.h"
#include "forms/fill_range_frm.h"
#include "forms/fill_range_rules.h"
#include "forms/notice_form_fields.h"
#include "notice/notice_reader.h"
#include "refdata/area_codes.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <deque>
#include <functional>
#include <map>
#include <sys/resource.h>

namespace ondrell::testing {
namespace {

using Args = QStringList;
using Kind = RecordingDialogs::Kind;

const QStringList kKinds{"GS1", "GT1", "GS2", "GT2", "GA1", "TB5", "TB3", "TB2"};
const char *const kPointFields[] = {"Txt_RRC04_Deg_Long", "Txt_RRC04_Min_Long", "Txt_RRC04_Sec_Long",
                                    "Txt_RRC04_EW",       "Txt_RRC04_Deg_Lat",  "Txt_RRC04_Min_Lat",
                                    "Txt_RRC04_Sec_Lat",  "Txt_RRC04_NS"};

// A step that did not hold; the message says what differed.
struct Failed {
    QString what;
};

QString Q(const QString &s) {
    return '"' + QString(s).replace("\r", "\\r").replace("\n", "\\n") + '"';
}

void Check(bool ok, const QString &what) {
    if (!ok)
        throw Failed{what};
}
void Same(const QString &actual, const QString &expected, const QString &what = QString()) {
    Check(actual == expected, what + (what.isEmpty() ? "" : ": ") + Q(actual) + " instead of " + Q(expected));
}

QString Shown(const QString &step, const QStringList &args) {
    QString text = step;
    for (const QString &a : args)
        text += ' ' + (a.isEmpty() || a.contains(' ') ? Q(a) : a);
    return text;
}

QStringList Tokens(const QString &line, int number) {
    QStringList tokens;
    for (int i = 0; i < line.size();) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        QString token;
        if (line[i] != '"') {
            while (i < line.size() && !line[i].isSpace())
                token += line[i++];
        } else {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    const QChar c = line[++i];
                    if (c == 'u' && i + 4 < line.size()) {
                        token += QChar(line.mid(i + 1, 4).toUShort(nullptr, 16));
                        i += 4;
                        continue;
                    }
                    token += c == 'r' ? QChar('\r') : c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
                } else {
                    token += line[i];
                }
            }
            if (i++ >= line.size())
                throw Failed{QStringLiteral("line %1: unclosed quote").arg(number)};
        }
        tokens << token;
    }
    return tokens;
}

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The next writes may make a file at most `bytes` long; the kernel refuses the rest as a full disk
// would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class Scenario {
  public:
    explicit Scenario(const QString &folder) : folder_(folder) {
        QSettings(QStringLiteral("GE06_Requirements"), QString()).clear();
        TheApp() = AppState();
        dialogs_.onExec = [this](QDialog &d) { return OnExec(d); };
    }
    ~Scenario() {
        windows_.clear();
        TheApp().map = nullptr;
    }

    void Run(const QString &file, const QStringList &params, const QString &where) {
        QFile in(folder_ + '/' + file);
        if (!in.open(QIODevice::ReadOnly))
            throw Failed{where + "cannot read " + file};
        const QStringList lines = QString::fromUtf8(in.readAll()).split('\n');
        for (int n = 0; n < lines.size(); ++n) {
            const QString line = lines[n].trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QString here = where + QStringLiteral("%1:%2: ").arg(file).arg(n + 1);
            QString shown = line; // with the include's arguments put in
            try {
                QStringList t = Tokens(line, n + 1);
                for (QString &s : t) {
                    for (int p = 0; p < params.size(); ++p)
                        s.replace(QStringLiteral("$%1").arg(p + 1), params[p]);
                    s.replace("$DIR", dir_.path()).replace("$EXE", QCoreApplication::applicationDirPath());
                    s.replace("$ADMS+1", QString::number(AdministrationCodes().size() + 1));
                    s.replace("$ADMS", QString::number(AdministrationCodes().size()));
                }
                const QString step = t.takeFirst();
                shown = params.isEmpty() ? line : Shown(step, t);
                if (step == QLatin1String("include"))
                    Run(t.takeFirst() + ".steps", t, here + shown + " > ");
                else
                    Step(step, t);
            } catch (const Failed &f) {
                throw Failed{f.what.startsWith(here) ? f.what : here + shown + ": " + f.what};
            }
        }
    }
    void End() { ExpectQuiet(); }

  private:
    QString folder_;
    QTemporaryDir dir_;
    RecordingDialogs dialogs_;
    ScopedDialogs scope_{dialogs_};
    std::vector<std::unique_ptr<QWidget>> windows_; // destroyed before the recorder goes
    QWidget *win_ = nullptr;
    NoticeForm *form_ = nullptr;
    DigitalMenuFrmGE06 *menu_ = nullptr;
    std::vector<NoticeForm *> forms_;
    std::size_t seen_ = 0; // events of dialogs_.shown already expected
    std::deque<QStringList> fills_;
    std::map<QString, QByteArray> remembered_;
    std::unique_ptr<FileSizeLimit> limit_;

    // Dialogs that run: the fill range answers the next `fill` (unasked for, it stays an event to
    // expect), the error list and the contour window are read, a notice form opened by the menu
    // gives its proposed file name.
    int OnExec(QDialog &d) {
        auto &shown = dialogs_.shown.back();
        if (qobject_cast<FillRangeFrm *>(&d) && !fills_.empty()) {
            dialogs_.shown.pop_back(); // answered as the script said: nothing left to expect
            const QStringList fill = fills_.front();
            fills_.pop_front();
            for (int i = 0; i < 3; ++i)
                Control<QLineEdit>(d, i == 0 ? "TxtFrom" : i == 1 ? "TxtTo" : "TxtValue")->setText(fill[i]);
            Click(d, fill.size() > 3 ? "Button_Cancel" : "Button_OK");
            return fill.size() > 3 ? int(QDialog::Rejected) : int(QDialog::Accepted);
        }
        if (auto *errors = qobject_cast<ErrMsgFrm *>(&d)) {
            shown.text = errors->text();
        } else if (auto *contour = qobject_cast<ContourDetailFrm *>(&d)) {
            shown.title = QString::fromStdString(contour->chart().scene().title);
            shown.text = Items(*contour, "ListBox_RRC04_Coordinates").join('|') + " crossings " +
                         QString::number(contour->chart().scene().crossings.size());
        } else if (auto *name = d.findChild<QLineEdit *>(QStringLiteral("Txt_Filename"))) {
            shown.title = name->text();
        }
        return int(QDialog::Accepted);
    }

    QWidget &Win() {
        Check(win_, "no window is open");
        return *win_;
    }
    NoticeForm &Form() {
        Check(form_, "no notice form is open");
        return *form_;
    }
    DigitalMenuFrmGE06 &Menu() {
        Check(menu_, "no main menu is open");
        return *menu_;
    }
    template <typename T = QWidget> T *Ctl(const QString &name) {
        auto *w = Win().findChild<T *>(name);
        Check(w, "no control " + name);
        return w;
    }
    static QStringList Items(QWidget &win, const char *name) {
        QStringList items;
        if (auto *list = win.findChild<QListWidget *>(QString::fromLatin1(name)))
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        return items;
    }
    QStringList ItemsOf(const QString &name) {
        QStringList items;
        if (auto *combo = qobject_cast<QComboBox *>(Ctl(name)))
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        else
            items = Items(Win(), qPrintable(name));
        return items;
    }
    QString Path(const QString &name) const { return QDir(dir_.path()).absoluteFilePath(name); }
    static FormKind KindOf(const QString &name) {
        Check(kKinds.contains(name), "no notice type " + name);
        return FormKind(kKinds.indexOf(name));
    }
    void Adopt(std::unique_ptr<QWidget> w) {
        win_ = w.get();
        form_ = qobject_cast<NoticeForm *>(win_);
        menu_ = qobject_cast<DigitalMenuFrmGE06 *>(win_);
        if (form_)
            forms_.push_back(form_);
        windows_.push_back(std::move(w));
    }

    // The next recorded event, waited for a while since leave checks report one turn later.
    const RecordingDialogs::Shown &Next(Kind kind, const char *what) {
        for (int waited = 0; dialogs_.shown.size() <= seen_ && waited < 5000; waited += 10)
            QTest::qWait(10);
        Check(dialogs_.shown.size() > seen_, QStringLiteral("no %1 came").arg(what));
        const auto &e = dialogs_.shown[seen_++];
        Check(e.kind == kind,
              QStringLiteral("a %1 instead: %2 %3").arg(Describe(e)).arg(Q(e.title), Q(e.text)));
        return e;
    }
    static QString Describe(const RecordingDialogs::Shown &e) {
        return e.kind == Kind::Message  ? "message"
               : e.kind == Kind::Browse ? "browse"
               : e.kind == Kind::Exec   ? "dialog"
                                        : "beep";
    }
    void ExpectQuiet() {
        QCoreApplication::processEvents();
        if (dialogs_.shown.size() > seen_) {
            const auto &e = dialogs_.shown[seen_];
            throw Failed{QStringLiteral("unexpected %1 %2 %3").arg(Describe(e), Q(e.title), Q(e.text))};
        }
        Check(fills_.empty(), "a fill-range answer was not asked for");
    }
    void ExpectMessage(const Args &a) {
        const auto &m = Next(Kind::Message, "message");
        Same(m.title, a[0], "title");
        Same(m.text, a[1], "text");
        static const QStringList buttons{"Ok", "YesNo", "CancelTryContinue"};
        static const QStringList icons{"None", "Information", "Question", "Exclamation", "Critical"};
        for (const QString &extra : a.mid(2)) {
            if (buttons.contains(extra))
                Check(m.buttons == MsgButtons(buttons.indexOf(extra)), "other buttons than " + extra);
            else
                Check(icons.contains(extra) && m.icon == MsgIcon(icons.indexOf(extra)),
                      "other icon than " + extra);
        }
    }
    void ExpectForm(const Args &flags) {
        for (const QString &flag : flags) {
            const bool want = !flag.startsWith('!');
            const QString name = want ? flag : flag.mid(1);
            NoticeForm &f = Form();
            const std::map<QString, std::function<bool()>> state{{"untouched", [&] { return f.untouched(); }},
                                                                 {"finished", [&] { return f.finished(); }},
                                                                 {"file-open", [&] { return f.fileOpen(); }},
                                                                 {"save-refused", [&] { return f.saveRefused(); }},
                                                                 {"visible", [&] { return f.isVisible(); }},
                                                                 {"refusing", [&] { return f.fieldChecks().Refusing(); }}};
            Check(state.count(name), "no form state " + name);
            Check(state.at(name)() == want, "the form is " + QString(want ? "not " : "") + name);
        }
    }
    void ExpectAzimuthGrid(const QString &prefix) {
        // Four rows of nine: 0-80, 90-170, 180-260, 270-350.
        auto at = [&](int a) { return Ctl(prefix + QString::asprintf("%03d", a)); };
        for (int i = 0; i < 36; ++i) {
            Check(at(10 * i)->y() == at(90 * (i / 9))->y(), "not in its row: " + QString::number(10 * i));
            if (i % 9)
                Check(at(10 * i)->x() > at(10 * i - 10)->x(),
                      "not right of its left neighbour: " + QString::number(10 * i));
            else if (i)
                Check(at(10 * i)->y() > at(10 * i - 90)->y(),
                      "not below the row above: " + QString::number(10 * i));
        }
    }
    // Points typed and added one by one after the number of test points: a circle or a figure eight.
    void AddPoints(const Args &a) {
        const auto list = a[0] == QLatin1String("circle") ? CirclePoints(a.value(1).toInt()) : kFigureEight;
        Type(Win(), "Txt_RRC04_nb_test_pts", QString::number(list.size()));
        Leave(Win());
        QStringList entries;
        for (const auto &[lon, lat] : list) {
            const std::string lo = SignedText(lon, true), la = SignedText(lat, false);
            const std::string parts[8] = {lo.substr(1, 3),     lo.substr(4, 2),    lo.substr(6, 2),
                                          lon < 0 ? "W" : "E", la.substr(1, 2),    la.substr(3, 2),
                                          la.substr(5, 2),     lat < 0 ? "S" : "N"};
            for (int i = 0; i < 8; ++i)
                Type(Win(), kPointFields[i], QString::fromStdString(parts[i]));
            Click(Win(), "Button_Add_Coordinates");
            entries << QString::fromStdString(lo + " " + la);
        }
        Same(Items(Win(), "ListBox_RRC04_Coordinates").join('|'), entries.join('|'), "points");
    }
    // fill-rule azm|height|attn MAXHEIGHT TEXT ok|refused [REFUSAL TEXT]
    void FillRule(const Args &a) {
        const std::string t = a[2].toStdString();
        const auto r = a[0] == QLatin1String("azm") ? CheckFillAzimuth(t)
                       : a[0] == QLatin1String("height")
                           ? CheckFillValue(FillKind::EffHeight, a[1].toInt(), t)
                           : CheckFillValue(FillKind::Attenuation, a[1].toInt(), t);
        Check(r.has_value() == (a[3] == QLatin1String("refused")),
              "the value is " + QString(r ? "refused" : "accepted"));
        if (a.size() > 4 && r)
            Same(QString::fromStdString(r->text), a[4], "refusal");
    }
    QString TextOf(const QString &name) {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(Ctl(name)))
            return plain->toPlainText();
        return Text(Win(), qPrintable(Ctl(name)->objectName()));
    }

    void Step(const QString &step, const Args &a) {
        using Fn = std::function<void()>;
        auto bool_ = [&](int i) { return a.value(i) == QLatin1String("yes"); };
        const std::map<QString, std::pair<int, Fn>> steps{
            // Set-up.
            {"map", {0, [&] { TheApp().map = SampleMap(); }}},
            {"open",
             {1,
              [&] {
                  Adopt(OpenForm(KindOf(a[0])));
                  ShowActive(Win());
              }}},
            {"probe", {1, [&] { Adopt(std::make_unique<ProbeForm>(KindOf(a[0]), a.mid(1))); }}},
            {"show", {0, [&] { ShowActive(Win()); }}},
            {"use",
             {1,
              [&] {
                  Check(a[0].toInt() >= 1 && a[0].toUInt() <= forms_.size(), "no such form");
                  win_ = form_ = forms_[a[0].toInt() - 1];
              }}},
            {"menu",
             {1,
              [&] {
                  QString map = a[0] == QLatin1String("real") ? QStringLiteral(ONDRELL_MAP_FILE)
                                                              : "/nonexistent/ondrell.map";
                  if (a[0] == QLatin1String("bad")) {
                      map = Path("bad.map");
                      QFile bad(map);
                      Check(bad.open(QIODevice::WriteOnly) && bad.write("not a map") == 9,
                            "cannot write " + map);
                  }
                  qputenv("ONDRELL_MAP_FILE", map.toUtf8());
                  Adopt(std::make_unique<DigitalMenuFrmGE06>(QCoreApplication::applicationDirPath()));
              }}},
            {"fill-dialog",
             {3,
              [&] {
                  Adopt(std::make_unique<FillRangeFrm>(
                      a[0] == QLatin1String("height") ? FillKind::EffHeight : FillKind::Attenuation,
                      a[1].toInt(), a[2].toInt()));
              }}},
            {"error-list", {2, [&] { Adopt(std::make_unique<ErrMsgFrm>(a[0], a[1])); }}},
            {"register-probe",
             {1,
              [&] {
                  const FormKind kind = KindOf(a[0]);
                  RegisterNoticeForm(kind, [kind, boxes = a.mid(1)](QWidget *parent) {
                      auto form = std::make_unique<ProbeForm>(kind, boxes);
                      form->setParent(parent, Qt::Dialog);
                      return form;
                  });
              }}},
            {"setting", {2, [&] { WriteSetting(a[0], a[1]); }}},
            {"language", {1, [&] { TheApp().language = a[0].toInt(); }}},
            // Acting as a user, or as the program's own handlers.
            {"type", {2, [&] { Ctl(a[0]), Type(Win(), qPrintable(a[0]), a[1]); }}},
            {"set",
             {2,
              [&] {
                  if (auto *combo = qobject_cast<QComboBox *>(Ctl(a[0])))
                      combo->setCurrentText(a[1]);
                  else
                      Ctl<QLineEdit>(a[0])->setText(a[1]);
              }}},
            {"leave",
             {0,
              [&] {
                  Leave(Win(), a.isEmpty() ? "Txt_notified_Rmks" : qPrintable(Ctl(a[0])->objectName()));
              }}},
            {"choose",
             {2,
              [&] {
                  auto *combo = Ctl<QComboBox>(a[0]);
                  const int index = combo->findText(a[1], Qt::MatchExactly);
                  Check(index >= 0, "no entry " + Q(a[1]));
                  Check(combo->isVisibleTo(&Win()), a[0] + " is hidden");
                  Choose(Win(), qPrintable(a[0]), a[1]);
              }}},
            {"click", {1, [&] { Ctl<QAbstractButton>(a[0])->click(); }}},
            {"pick",
             {2,
              [&] {
                  Check(!Ctl<QListWidget>(a[0])->findItems(a[1], Qt::MatchExactly).isEmpty(),
                        "no entry " + a[1]);
                  ClickListEntry(Win(), qPrintable(a[0]), a[1]);
              }}},
            {"touch", {0, [&] { Form().MarkTouched(); }}},
            {"untouched", {1, [&] { Form().setUntouched(bool_(0)); }}},
            {"answer",
             {1,
              [&] {
                  static const QStringList answers{"Ok", "Yes", "No", "Cancel", "TryAgain", "Continue"};
                  for (const QString &s : a)
                      dialogs_.answers.push_back(MsgAnswer(answers.indexOf(s)));
              }}},
            {"folder", {1, [&] { dialogs_.folders.push_back(a[0]); }}},
            {"fill", {3, [&] { fills_.push_back(a); }}},
            {"save-next",
             {1,
              [&] { Check(Form().SaveNextClicked() == (a[0] == QLatin1String("saved")), "not " + a[0]); }}},
            {"validate", {0, [&] { Form().ValidateClicked(); }}},
            {"finish", {0, [&] { Form().FinishClicked(); }}},
            {"reset", {0, [&] { Form().ResetClicked(); }}},
            {"close", {0, [&] { Win().close(); }}},
            {"go", {0, [&] { Menu().ButtonGoClicked(); }}},
            {"dir", {0, [&] { Menu().ButtonDirClicked(); }}},
            {"english", {0, [&] { Menu().OptEnglishClicked(); }}},
            {"option", {1, [&] { Menu().Option(KindOf(a[0]))->setChecked(true); }}},
            {"file",
             {1,
              [&] {
                  Check(!Ctl<QLineEdit>("Txt_Filename")->isReadOnly(), "the file name is locked");
                  Ctl<QLineEdit>("Txt_Filename")->setText(Path(a[0]));
              }}},
            {"unlock-file", {0, [&] { Ctl<QLineEdit>("Txt_Filename")->setReadOnly(false); }}},
            {"write-file",
             {2,
              [&] {
                  QFile f(Path(a[0]));
                  Check(f.open(QIODevice::WriteOnly) && f.write(a[1].toUtf8()) >= 0, "cannot write " + a[0]);
              }}},
            {"full-disk",
             {2,
              [&] {
                  remembered_[a[0]] = ReadAll(Path(a[0]));
                  limit_ = std::make_unique<FileSizeLimit>(rlim_t(remembered_[a[0]].size() + a[1].toInt()));
              }}},
            {"disk-ok", {0, [&] { limit_.reset(); }}},
            {"wait", {1, [&] { QTest::qWait(a[0].toInt()); }}},
            {"add-points", {1, [&] { AddPoints(a); }}},
            // What the program showed.
            {"expect-message", {2, [&] { ExpectMessage(a); }}},
            {"expect-errors",
             {2,
              [&] {
                  const auto &e = Next(Kind::Exec, "error list");
                  Same(e.title, a[0], "caption");
                  Same(e.text, a[1], "text");
              }}},
            {"expect-receivable",
             {0,
              [&] {
                  const auto &e = Next(Kind::Exec, "error list");
                  Same(e.title + ": " + e.text, "Notice Receivable: The notice is receivable\r\n");
              }}},
            {"expect-contour",
             {2,
              [&] {
                  const auto &e = Next(Kind::Exec, "contour window");
                  Same(e.title, a[0], "title");
                  Same(e.text, Items(Win(), "ListBox_RRC04_Coordinates").join('|') + " crossings " + a[1],
                       "points");
              }}},
            {"expect-dialog",
             {1,
              [&] {
                  const auto &e = Next(Kind::Exec, "dialog");
                  Same(e.text, a[0], "dialog");
                  if (a.size() > 1)
                      Check(e.title.startsWith(a[1]), "proposed file " + Q(e.title));
              }}},
            {"expect-browse", {1, [&] { Same(Next(Kind::Browse, "browse").title, a[0], "browse title"); }}},
            {"expect-beep", {0, [&] { Next(Kind::Beep, "beep"); }}},
            {"expect-quiet", {0, [&] { ExpectQuiet(); }}},
            // The window's controls.
            {"expect-text", {2, [&] { Same(TextOf(a[0]), a[1], a[0]); }}},
            {"expect-match",
             {2,
              [&] {
                  const QString text = a[0] == QLatin1String("title") ? Win().windowTitle() : TextOf(a[0]);
                  Check(QRegularExpression(a[1]).match(text).hasMatch(), Q(text) + " does not match");
              }}},
            {"expect-shown",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(Ctl(n)->isVisibleTo(&Win()), n + " is hidden");
              }}},
            {"expect-hidden",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(!Ctl(n)->isVisibleTo(&Win()), n + " is shown");
              }}},
            {"expect-enabled",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(Ctl(n)->isEnabled(), n + " is disabled");
              }}},
            {"expect-disabled",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(!Ctl(n)->isEnabled(), n + " is enabled");
              }}},
            {"expect-checked",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(Ctl<QAbstractButton>(n)->isChecked(), n + " is not checked");
              }}},
            {"expect-unchecked",
             {1,
              [&] {
                  for (auto &n : a)
                      Check(!Ctl<QAbstractButton>(n)->isChecked(), n + " is checked");
              }}},
            {"expect-readonly",
             {1, [&] { Check(Ctl(a[0])->property("readOnly").toBool(), a[0] + " is editable"); }}},
            {"expect-focus",
             {1,
              [&] {
                  QWidget *w = Ctl(a[0]);
                  for (int waited = 0; QApplication::focusWidget() != w && waited < 5000; waited += 10)
                      QTest::qWait(10);
                  Check(QApplication::focusWidget() == w,
                        "the focus is on " + (QApplication::focusWidget()
                                                  ? QApplication::focusWidget()->objectName()
                                                  : "nothing"));
              }}},
            {"expect-selected", {2, [&] { Same(Ctl<QLineEdit>(a[0])->selectedText(), a[1], "selected"); }}},
            {"expect-items", {1, [&] { Same(ItemsOf(a[0]).join('|'), a.mid(1).join('|'), a[0]); }}},
            {"expect-items-as", {2, [&] { Same(ItemsOf(a[0]).join('|'), ItemsOf(a[1]).join('|'), a[0]); }}},
            {"expect-absent", {1, [&] { Check(!Win().findChild<QWidget *>(a[0]), a[0] + " exists"); }}},
            {"expect-azimuths",
             {4,
              [&] {
                  for (int az = 0; az < 360; az += 10)
                      Same(Text(Win(), qPrintable(Ctl(a[0] + QString::asprintf("%03d", az))->objectName())),
                           az >= a[1].toInt() && az <= a[2].toInt() ? a[3] : QString(), QString::number(az));
              }}},
            {"expect-count",
             {2, [&] { Same(QString::number(ItemsOf(a[0]).size()), a[1], a[0] + " entries"); }}},
            {"expect-max-length",
             {2, [&] { Same(QString::number(Ctl<QLineEdit>(a[0])->maxLength()), a[1], a[0]); }}},
            {"expect-title", {1, [&] { Same(Win().windowTitle(), a[0], "title"); }}},
            {"expect-caption",
             {2,
              [&] {
                  QWidget *w = Ctl(a[0]);
                  auto *label = qobject_cast<QLabel *>(w);
                  auto *box = qobject_cast<QGroupBox *>(w);
                  Same(label ? label->text()
                       : box ? box->title()
                             : Ctl<QAbstractButton>(a[0])->text(),
                       a[1], a[0]);
              }}},
            {"expect-tooltip", {2, [&] { Same(Ctl(a[0])->toolTip(), a[1], a[0] + " tooltip"); }}},
            {"expect-form", {1, [&] { ExpectForm(a); }}},
            {"expect-azimuth-grid", {1, [&] { ExpectAzimuthGrid(a[0]); }}},
            {"expect-options",
             {0,
              [&] {
                  for (const QString &k : kKinds)
                      Check(Menu().Option(KindOf(k))->isChecked() == a.contains(k),
                            k + " is wrongly chosen or not");
              }}},
            // Files, settings and the program state.
            {"expect-file",
             {2,
              [&] {
                  Check(MatchesGolden(Path(a[0]), qPrintable(a[1])),
                        "differs from " + a[1] + " (see " + a[1] + ".actual)");
              }}},
            {"tool-validate",
             {1,
              [&] {
                  QByteArray output;
                  Check(ToolValidate(Path(a[0]), &output) == 0, QString::fromUtf8(output));
              }}},
            {"expect-file-text", {2, [&] { Same(QString::fromUtf8(ReadAll(Path(a[0]))), a[1], a[0]); }}},
            {"expect-file-contains",
             {2,
              [&] {
                  for (auto &s : a.mid(1))
                      Check(ReadAll(Path(a[0])).contains(s.toUtf8()), a[0] + " lacks " + Q(s));
              }}},
            {"expect-file-lacks",
             {2, [&] { Check(!ReadAll(Path(a[0])).contains(a[1].toUtf8()), a[0] + " holds " + Q(a[1])); }}},
            {"expect-file-starts",
             {2, [&] { Check(ReadAll(Path(a[0])).startsWith(a[1].toUtf8()), a[0] + " starts otherwise"); }}},
            {"expect-file-ends",
             {2, [&] { Check(ReadAll(Path(a[0])).endsWith(a[1].toUtf8()), a[0] + " ends otherwise"); }}},
            {"expect-no-file", {1, [&] { Check(!QFileInfo::exists(Path(a[0])), a[0] + " exists"); }}},
            {"expect-file-unchanged",
             {1, [&] { Check(ReadAll(Path(a[0])) == remembered_[a[0]], a[0] + " changed"); }}},
            {"expect-notices",
             {1,
              [&] {
                  NoticeFile file;
                  std::string error;
                  Check(ReadNoticeFile(Path(a[0]).toStdString(), file, error), QString::fromStdString(error));
                  QStringList numbers;
                  for (const auto &n : file.notices)
                      numbers << QString::number(n.number);
                  Same(numbers.join(' '), a.mid(1).join(' '), "notices");
              }}},
            {"expect-setting", {2, [&] { Same(ReadSetting(a[0]), a[1], "setting " + a[0]); }}},
            {"expect-app",
             {2,
              [&] {
                  if (a[0] == QLatin1String("language"))
                      Same(QString::number(TheApp().language), a[1], "language");
                  else if (a[0] == QLatin1String("workdir"))
                      Same(TheApp().workDir, a[1], "working directory");
                  else
                      Check((TheApp().map != nullptr) == bool_(1) &&
                                (!menu_ || (menu_->map() != nullptr) == bool_(1)),
                            "map " + a[1]);
              }}},
            {"expect-fill-result",
             {3,
              [&] {
                  const auto &r = static_cast<FillRangeFrm &>(Win()).result();
                  Same(QStringLiteral("%1 %2 %3").arg(r.from).arg(r.to).arg(r.value), a.join(' '),
                       "fill result");
              }}},
            {"fill-rule", {4, [&] { FillRule(a); }}},
            {"fill-order",
             {3,
              [&] {
                  Check(CheckFillOrder(a[0].toStdString(), a[1].toStdString()).has_value() ==
                            (a[2] == QLatin1String("refused")),
                        "not " + a[2]);
              }}},
        };
        const auto found = steps.find(step);
        Check(found != steps.end(), "no step " + step);
        Check(a.size() >= found->second.first, "too few arguments");
        found->second.second();
    }
};

} // namespace

QString RunFormScript(const QString &path) {
    const QFileInfo info(path);
    try {
        Scenario scenario(info.absolutePath());
        scenario.Run(info.fileName(), {}, QString());
        scenario.End();
    } catch (const Failed &f) {
        return f.what;
    }
    return {};
}

} // namespace ondrell::testing
