// What the forms do when the notice file cannot take a save: a file that already holds text, a
// file another writer holds, a header that cannot be written, a disk that fills up between notices.
// Whatever happened, the file reads back with every notice the form reported saved.
#include "forms_support.h"
#include "shell_probe_form.h"

#include "notice/notice_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The notice numbers the file reads back with (the reader refuses a damaged file).
QList<int> NoticesIn(const QString &path) {
    NoticeFile file;
    std::string error;
    if (!ReadNoticeFile(path.toStdString(), file, error))
        qWarning("%s", error.c_str());
    QList<int> numbers;
    for (const auto &n : file.notices)
        numbers.append(n.number);
    return numbers;
}

// The next writes may make the file at most `bytes` long; the kernel refuses the rest as a full
// disk would be refused.
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

} // namespace

class ShellFileSafety : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs;
    std::unique_ptr<ScopedDialogs> scope;
    QTemporaryDir dir;

    std::unique_ptr<ProbeForm> Tb3(const QString &file) {
        auto form = std::make_unique<ProbeForm>(FormKind::TB3, QStringList{"Txt_TrgAdmRefID"});
        Control<QLineEdit>(*form, "Txt_Filename")->setText(file);
        return form;
    }
    void FillTb3(ProbeForm &form, const QString &target) {
        Control<QComboBox>(form, "Combo_B_Adm")->setCurrentText(QStringLiteral("F"));
        Control<QLineEdit>(form, "Txt_TrgAdmRefID")->setText(target);
        form.MarkTouched();
    }
    // The user picks another file name after a refusal.
    void Rename(ProbeForm &form, const QString &file) {
        QVERIFY(!Control<QLineEdit>(form, "Txt_Filename")->isReadOnly());
        Control<QLineEdit>(form, "Txt_Filename")->setText(file);
    }

  private slots:
    void init() {
        dialogs = RecordingDialogs();
        scope = std::make_unique<ScopedDialogs>(dialogs);
    }
    void cleanup() { scope.reset(); }

    void asksBeforeReplacingAFileThatHoldsText() {
        const QString path = dir.filePath("kept.txt");
        WriteAll(path, "File captured on earlier notices\r\n");
        auto form = Tb3(path);
        FillTb3(*form, QStringLiteral("T1"));
        dialogs.answers = {MsgAnswer::No};
        QVERIFY(!form->SaveNextClicked());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"Replace File"}));
        QVERIFY(dialogs.LastMessage()->buttons == MsgButtons::YesNo);
        QVERIFY(dialogs.LastMessage()->text.contains(path));
        QCOMPARE(ReadAll(path), QByteArray("File captured on earlier notices\r\n"));
        QVERIFY(form->saveRefused());
        QCOMPARE(Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->text(), QStringLiteral("T1"));

        dialogs.Clear();
        dialogs.answers = {MsgAnswer::Yes};
        QVERIFY(form->SaveNextClicked());
        form->FinishClicked();
        QVERIFY(form->finished());
        QCOMPARE(NoticesIn(path), QList<int>({1}));
    }

    void aSecondWriterIsRefusedUntilTheFirstFinishes() {
        const QString path = dir.filePath("shared.txt");
        auto first = Tb3(path);
        auto second = Tb3(path);
        FillTb3(*first, QStringLiteral("T1"));
        QVERIFY(first->SaveNextClicked());
        FillTb3(*second, QStringLiteral("T2"));
        QVERIFY(!second->SaveNextClicked());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"File Error"}));
        QVERIFY(dialogs.LastMessage()->text.contains(QStringLiteral("another form or program")));
        Rename(*second, dir.filePath("own.txt"));
        QVERIFY(second->SaveNextClicked());
        first->FinishClicked();
        second->FinishClicked();
        QCOMPARE(NoticesIn(path), QList<int>({1}));
        QCOMPARE(NoticesIn(dir.filePath("own.txt")), QList<int>({1}));
    }

    void aHeaderThatCannotBeWrittenIsWrittenAgainWithTheNextSave() {
        auto form = Tb3(QStringLiteral("/dev/full"));
        FillTb3(*form, QStringLiteral("T1"));
        QVERIFY(!form->SaveNextClicked());
        QCOMPARE(dialogs.MessageTitles(), QStringList({"File Error"}));
        QVERIFY(dialogs.LastMessage()->text.contains(QStringLiteral("No space left on device")));
        QVERIFY(!form->fileOpen());
        QCOMPARE(Control<QLineEdit>(*form, "Txt_Ntc_Number")->text(), QStringLiteral("1"));
        const QString path = dir.filePath("header.txt");
        Rename(*form, path);
        QVERIFY(form->SaveNextClicked());
        form->FinishClicked();
        QVERIFY(ReadAll(path).startsWith("File captured on "));
        QCOMPARE(NoticesIn(path), QList<int>({1}));
    }

    // Pasted text the file cannot hold is refused before the file is touched, naming the field.
    void textTheFileCannotHoldIsRefusedAndKept() {
        const QString path = dir.filePath("text.txt");
        auto form = Tb3(path);
        for (const QString &bad : {QStringLiteral("T\u0001"), QStringLiteral("T\u0141")}) {
            dialogs.Clear();
            FillTb3(*form, bad);
            QVERIFY(!form->SaveNextClicked());
            QCOMPARE(dialogs.MessageTitles(), QStringList({"Cannot save the notice"}));
            QVERIFY2(dialogs.LastMessage()->text.contains(QStringLiteral("t_trg_adm_ref_id")),
                     qPrintable(dialogs.LastMessage()->text));
            QVERIFY(form->saveRefused());
            QVERIFY(!QFile::exists(path));
            QCOMPARE(Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->text(), bad);
        }
        FillTb3(*form, QStringLiteral("T1"));
        QVERIFY(form->SaveNextClicked());
        form->FinishClicked();
        QCOMPARE(NoticesIn(path), QList<int>({1}));
    }

    void aFullDiskKeepsTheNoticeAndTheRetrySavesIt() {
        const QString path = dir.filePath("full.txt");
        auto form = Tb3(path);
        FillTb3(*form, QStringLiteral("T1"));
        QVERIFY(form->SaveNextClicked());
        const QByteArray saved = ReadAll(path);
        FillTb3(*form, QStringLiteral("T2"));
        {
            const FileSizeLimit full(static_cast<rlim_t>(saved.size()) + 20);
            QVERIFY(!form->SaveNextClicked());
        }
        QCOMPARE(dialogs.MessageTitles(), QStringList({"File Error"}));
        QCOMPARE(ReadAll(path), saved); // nothing of the failed notice stays
        QCOMPARE(Control<QLineEdit>(*form, "Txt_TrgAdmRefID")->text(), QStringLiteral("T2"));
        QCOMPARE(Control<QLineEdit>(*form, "Txt_Ntc_Number")->text(), QStringLiteral("2"));
        QVERIFY(form->SaveNextClicked()); // the promised retry
        form->FinishClicked();
        QVERIFY(form->finished());
        QCOMPARE(NoticesIn(path), QList<int>({1, 2}));
    }
};

QTEST_MAIN(ShellFileSafety)
#include "shell_file_safety.moc"
