#include "forms/notice_form_fields.h"

#include "checks/field_tables.h"
#include "forms/dialogs.h"
#include "forms/qt_form_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace ondrell {

namespace {

void SetFieldText(QWidget *w, const QString &text) {
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->isEditable())
        combo->setEditText(text);
}

void SelectAll(QWidget *w) {
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

FieldCheckFilter::FieldCheckFilter(QWidget &form, QString formName, std::function<void()> markTouched,
                                   std::function<void(QWidget *, bool)> accepted)
    : QObject(&form), form_(form), formName_(std::move(formName)), markTouched_(std::move(markTouched)),
      accepted_(std::move(accepted)) {}

void FieldCheckFilter::Attach() {
    const std::string formName = formName_.toStdString();
    for (const FieldCheck &entry : FieldChecksFor(formName)) {
        auto *field = form_.findChild<QWidget *>(Q(entry.control));
        if (!field)
            continue;
        field->installEventFilter(this);
        auto *edit = qobject_cast<QLineEdit *>(field);
        if (edit && entry.maxLength > 0)
            edit->setMaxLength(entry.maxLength);
        // Checked on every change, typed or written by a rule: a rule's write fires the check as typing does.
        if (edit && entry.onChange)
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { RunCheck(edit, false); });
    }
}

bool FieldCheckFilter::eventFilter(QObject *watched, QEvent *event) {
    auto *field = qobject_cast<QWidget *>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::KeyPress)
        return OnKey(field, event);
    if (event->type() == QEvent::FocusOut) {
        auto reason = static_cast<QFocusEvent *>(event)->reason();
        // The check's own message box and closing the window take the focus too: not a leave.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            OnLeave(field);
    }
    return false;
}

bool FieldCheckFilter::OnKey(QWidget *field, QEvent *event) {
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;
    const char32_t typed = text.at(0).unicode();
    auto filtered = FilterFieldKey(formName_.toStdString(), field->objectName().toStdString(), typed);
    if (!filtered)
        return true; // refused key
    if (*filtered == typed)
        return false;
    const QString replaced = QString::fromUcs4(&*filtered, 1);
    QKeyEvent again(key->type(), key->key(), key->modifiers(), replaced, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(field, &again);
    return true;
}

void FieldCheckFilter::OnLeave(QWidget *field) {
    // A report on its way keeps every other field from reporting (no ping-pong between fields).
    if (reportPending_)
        return;
    QWidget *next = QApplication::focusWidget();
    if (next && next->property(kSkipProperty).toBool())
        return;
    RunCheck(field, true);
}

void FieldCheckFilter::RunCheck(QWidget *field, bool left) {
    const QtFormControls view(form_);
    const FieldTextReader others = [&view](std::string_view control) { return view.Text(control); };
    Verdict verdict = RunFieldCheck(formName_.toStdString(), field->objectName().toStdString(),
                                    ControlText(field).toStdString(), others);
    if (verdict.replacement)
        SetFieldText(field, Q(*verdict.replacement));
    if (verdict.clearsUntouched)
        markTouched_();
    if (verdict.accepted) {
        if (refused_ == field)
            refused_.clear();
        if (accepted_)
            accepted_(field, left);
    } else {
        refused_ = field;
    }
    if (verdict.messages.empty() && verdict.accepted)
        return;
    reportPending_ = true;
    QTimer::singleShot(0, this,
                       [this, target = QPointer<QWidget>(field), verdict] { Report(target, verdict); });
}

void FieldCheckFilter::Report(QPointer<QWidget> field, const Verdict &verdict) {
    QPointer<QWidget> focusAfter = verdict.accepted ? QPointer<QWidget>() : field;
    if (verdict.beep)
        AppDialogs().Beep();
    for (const Message &m : verdict.messages) {
        if (!m.focusBefore.empty())
            if (auto *other = form_.findChild<QWidget *>(Q(m.focusBefore))) {
                other->setFocus(Qt::OtherFocusReason);
                focusAfter = other;
                if (!verdict.accepted)
                    refused_ = other;
            }
        AppDialogs().Message(&form_, Q(m.title), Q(m.text), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    if (focusAfter) {
        // The message box took the activation; the offscreen and some real platforms do not give it back.
        form_.activateWindow();
        focusAfter->setFocus(Qt::OtherFocusReason);
        SelectAll(focusAfter);
    }
    reportPending_ = false;
}

} // namespace ondrell
