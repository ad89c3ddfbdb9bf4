// What keeps every registered form safe and comfortable to use, run over the registry so a new form
// is covered as soon as it registers: Escape, closing with a notice that would be lost.
#include "forms_support.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

// Every registered form, one row each.
void FormRows() {
    QTest::addColumn<int>("kind");
    for (const NoticeTypeDescriptor &type : NoticeTypes())
        if (CreateNoticeForm(type.kind, nullptr))
            QTest::newRow(std::string(type.formName).c_str()) << static_cast<int>(type.kind);
}

} // namespace

class FormsUsability : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs;
    std::unique_ptr<ScopedDialogs> scope;
    QTemporaryDir dir;

    // The form, shown, with its file in the temporary folder and a notice typed that cannot be
    // saved (no administration, no article).
    std::unique_ptr<NoticeForm> FormWithUnsavableNotice(FormKind kind) {
        auto form = OpenForm(kind);
        Control<QLineEdit>(*form, "Txt_Filename")->setText(dir.filePath(QStringLiteral("notice.txt")));
        form->controls().SetText(form->type().newBoxes.back(), "1");
        form->MarkTouched();
        ShowActive(*form);
        return form;
    }
    QString Typed(NoticeForm &form) {
        return QString::fromStdString(form.controls().Text(form.type().newBoxes.back()));
    }

  private slots:
    void init() {
        dialogs = RecordingDialogs();
        scope = std::make_unique<ScopedDialogs>(dialogs);
    }
    void cleanup() {
        scope.reset();
        QFile::remove(dir.filePath(QStringLiteral("notice.txt")));
    }

    void escapeNeitherSavesNorDiscards_data() { FormRows(); }
    void escapeNeitherSavesNorDiscards() {
        QFETCH(int, kind);
        auto form = FormWithUnsavableNotice(FormKind(kind));
        // From the box being typed in and from the window itself.
        if (QWidget *focused = QApplication::focusWidget())
            QTest::keyClick(focused, Qt::Key_Escape);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QVERIFY(!form->finished());
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(Typed(*form), QStringLiteral("1"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("notice.txt"))));
    }
};

QTEST_MAIN(FormsUsability)
#include "forms_usability.moc"
