#pragma once
// Every message box, folder browser, modal dialog and beep of the program goes through Dialogs, so
// tests can pre-answer them and see exactly what was shown. The program runs the real Qt boxes
// (QtDialogs); tests install a RecordingDialogs (dialogs_recorder.h) with ScopedDialogs.

#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace ondrell {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };

// Button sets of the program's message boxes.
enum class MsgButtons {
    Ok,
    YesNo,
    CancelTryContinue, // "Cannot save the notice": whichever is pressed, nothing is saved
};

enum class MsgAnswer { Ok, Yes, No, Cancel, TryAgain, Continue };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Shows a message box and returns the button pressed. An empty title means the
    // application's default title.
    virtual MsgAnswer Message(QWidget *parent, const QString &title, const QString &text,
                              MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok) = 0;

    // Folder browser; nullopt when cancelled.
    virtual std::optional<QString> BrowseFolder(QWidget *parent, const QString &title) = 0;

    // Runs a dialog modally and returns its QDialog::DialogCode result.
    virtual int Exec(QDialog &dialog) = 0;

    virtual void Beep() = 0;

    // Yes/No question; true for Yes.
    bool AskYesNo(QWidget *parent, const QString &title, const QString &text,
                  MsgIcon icon = MsgIcon::Question) {
        return Message(parent, title, text, icon, MsgButtons::YesNo) == MsgAnswer::Yes;
    }
};

// The real Qt boxes.
class QtDialogs final : public Dialogs {
  public:
    MsgAnswer Message(QWidget *parent, const QString &title, const QString &text, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> BrowseFolder(QWidget *parent, const QString &title) override;
    int Exec(QDialog &dialog) override;
    void Beep() override;
};

// The process-wide instance every form and dialog uses (QtDialogs unless overridden).
Dialogs &AppDialogs();

// Installs another Dialogs for its lifetime (tests), restoring the previous one afterwards.
class ScopedDialogs {
  public:
    explicit ScopedDialogs(Dialogs &dialogs);
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs &) = delete;
    ScopedDialogs &operator=(const ScopedDialogs &) = delete;

  private:
    Dialogs *previous_;
};

} // namespace ondrell
