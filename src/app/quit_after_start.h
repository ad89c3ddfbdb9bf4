// Start-up measurements: with ONDRELL_QUIT_AFTER_START set, the program (and the bare window that
// is its yardstick) leaves as soon as its window is up. "painted" waits for the window's first
// frame; any other value leaves on the event loop's first turn after show(), before any painting.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ondrell {

class QuitAfterStart : public QObject {
  public:
    // Does nothing unless the variable is set. Call after show().
    static void Arm(QWidget &window) {
        const QByteArray when = qgetenv("ONDRELL_QUIT_AFTER_START");
        if (when.isEmpty())
            return;
        if (when == "painted")
            new QuitAfterStart(window);
        else
            Quit();
    }

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        // The window's own paint comes first in its frame; the quit is queued behind the rest of
        // the frame (children painted, frame flushed).
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            Quit();
        }
        return false;
    }

  private:
    explicit QuitAfterStart(QWidget &window) : QObject(&window) {
        window.installEventFilter(this);
        // A platform that never paints must not leave the measurement waiting.
        QTimer::singleShot(10000, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    static void Quit() { QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit); }

    bool painted_ = false;
};

} // namespace ondrell
