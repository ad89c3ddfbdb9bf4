#pragma once
// A Dialogs for tests: records every message, browse, exec and beep in order, and answers from
// scripted queues. With an empty queue a message answers its first button (Ok, Yes or Cancel), a
// browse is cancelled and a dialog is rejected without being run.

#include "forms/dialogs.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace ondrell {

class RecordingDialogs final : public Dialogs {
  public:
    enum class Kind { Message, Browse, Exec, Beep };

    struct Shown {
        Kind kind = Kind::Message;
        QString title; // message/browse title, or the dialog's window title for Exec
        QString text;  // message text; for Exec the dialog's objectName
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
    };

    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;              // next message answers
    std::deque<std::optional<QString>> folders; // next browse results
    std::function<int(QDialog &)> onExec;       // runs instead of exec() when set

    MsgAnswer Message(QWidget *, const QString &title, const QString &text, MsgIcon icon,
                      MsgButtons buttons) override {
        shown.push_back({Kind::Message, title, text, icon, buttons});
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
        case MsgButtons::YesNo:
            return MsgAnswer::Yes;
        case MsgButtons::CancelTryContinue:
            return MsgAnswer::Cancel;
        case MsgButtons::Ok:
            break;
        }
        return MsgAnswer::Ok;
    }

    std::optional<QString> BrowseFolder(QWidget *, const QString &title) override {
        shown.push_back({Kind::Browse, title, {}, MsgIcon::None, MsgButtons::Ok});
        std::optional<QString> f;
        if (!folders.empty()) {
            f.swap(folders.front());
            folders.pop_front();
        }
        return f;
    }

    int Exec(QDialog &dialog) override {
        shown.push_back(
            {Kind::Exec, dialog.windowTitle(), dialog.objectName(), MsgIcon::None, MsgButtons::Ok});
        return onExec ? onExec(dialog) : int(QDialog::Rejected);
    }

    void Beep() override { shown.push_back({Kind::Beep, {}, {}, MsgIcon::None, MsgButtons::Ok}); }

    // Titles of the messages shown so far, in order (handy for QCOMPARE).
    QStringList MessageTitles() const {
        QStringList titles;
        for (const auto &s : shown)
            if (s.kind == Kind::Message)
                titles << s.title;
        return titles;
    }
    const Shown *LastMessage() const {
        for (auto it = shown.rbegin(); it != shown.rend(); ++it)
            if (it->kind == Kind::Message)
                return &*it;
        return nullptr;
    }
    void Clear() { shown.clear(); }
};

} // namespace ondrell
