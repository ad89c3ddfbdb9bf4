#pragma once
// Attaches the per-form field-check table to a live form: one event filter runs the leave check
// of a field when it loses the focus and the key filter on every key typed, so a form adds nothing
// per field. A refusal is reported deferred (after the focus change has settled), then the focus
// goes back into the refused field with its text selected.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace ondrell {

struct Verdict;

class FieldCheckFilter final : public QObject {
    Q_OBJECT

  public:
    // Buttons whose click must not trigger the check of the field being left carry this property.
    static constexpr const char *kSkipProperty = "skipFieldCheck";

    // markTouched runs whenever a check says the untouched-form flag must clear; accepted after a
    // check accepted a field's text, left telling whether the field was being left (else changed).
    FieldCheckFilter(QWidget &form, QString formName, std::function<void()> markTouched,
                     std::function<void(QWidget *field, bool left)> accepted = {});

    // Walks the form's table and attaches every control found on the form.
    void Attach();

    // True while a refused field waits to be corrected: the workflow buttons do nothing meanwhile.
    bool Refusing() const { return !refused_.isNull(); }
    // Reset empties the fields; nothing is refused any more.
    void Forget() { refused_.clear(); }

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool OnKey(QWidget *field, QEvent *event);
    void OnLeave(QWidget *field);
    void RunCheck(QWidget *field, bool left);
    void Report(QPointer<QWidget> field, const Verdict &verdict);

    QWidget &form_;
    QString formName_;
    std::function<void()> markTouched_;
    std::function<void(QWidget *, bool)> accepted_;
    QPointer<QWidget> refused_;
    bool reportPending_ = false;
};

} // namespace ondrell
