#include "forms/parts/screen_fit.h"

#include "forms/parts/form_pieces.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace ondrell {

namespace {

const QString kBodyArea = QStringLiteral("FormBodyArea");

// What a window manager's frame usually takes before the real one is known: borders and a title bar.
constexpr QMargins kFrameGuess(8, 32, 8, 8);

// A scroll area that asks for its whole content: QScrollArea caps its wish at a few dozen lines of
// text, which would open every form scrolled even on a large screen.
class FormBodyArea final : public QScrollArea {
  public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->sizeHint() : QSize()) + QSize(frame, frame);
    }
};

QMargins FrameOf(const QWidget &window) {
    const QRect frame = window.frameGeometry(), inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

// The frame around the form: its own once shown, else the one of the window it opens from.
QMargins FrameAllowance(const QWidget &form) {
    if (form.isVisible())
        return FrameOf(form);
    if (const QWidget *parent = form.parentWidget(); parent && !FrameOf(*parent->window()).isNull())
        return FrameOf(*parent->window());
    return kFrameGuess;
}

QRect FreeArea(const QWidget &form) {
    const QWidget &where = !form.isVisible() && form.parentWidget() ? *form.parentWidget() : form;
    QScreen *screen = where.screen() ? where.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

// Before the first showing nothing has told the layouts of what was built and changed since they
// were made (tables, captions, widened boxes, a row turned): each is redone, inner ones first.
void Settle(QWidget &form) {
    const QList<QWidget *> widgets = form.findChildren<QWidget *>();
    for (auto w = widgets.rbegin(); w != widgets.rend(); ++w)
        if (QLayout *layout = (*w)->layout()) {
            layout->invalidate();
            layout->activate();
        }
    if (QLayout *top = form.layout()) {
        top->invalidate();
        top->activate();
    }
}

bool HoldsTables(const QBoxLayout &row) {
    int tables = 0;
    for (int i = 0; i < row.count(); ++i)
        tables += qobject_cast<AzimuthFrame *>(row.itemAt(i)->widget()) != nullptr;
    return tables > 1;
}

} // namespace

void ScrollFormBody(QWidget &form, QWidget &bar) {
    auto *top = qobject_cast<QBoxLayout *>(form.layout());
    if (!top || form.findChild<QScrollArea *>(kBodyArea))
        return;
    auto *body = new QWidget;
    body->setObjectName(QStringLiteral("FormBody"));
    auto *inner = new QVBoxLayout(body);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(top->spacing());
    for (int i = 0; i < top->count();) {
        QLayoutItem *item = top->itemAt(i);
        if (item->widget() == &bar) {
            ++i;
            continue;
        }
        const int stretch = top->stretch(i);
        top->takeAt(i);
        if (QWidget *w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout *l = item->layout()) {
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
        }
    }
    auto *area = new FormBodyArea;
    area->setObjectName(kBodyArea);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(body);
    // The bar goes back in after the body, so the Tab key reaches it last as before.
    top->removeWidget(&bar);
    bar.setParent(nullptr);
    top->addWidget(area, 1);
    top->addWidget(&bar);
    // A field given the focus by a rule or a refused check is scrolled into view, as Tab does.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget *, QWidget *now) {
        if (now && area->widget()->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
}

void FitToScreen(QWidget &form) {
    form.ensurePolished(); // sizes as the style will draw them
    Settle(form);
    const QSize room = FreeArea(form).size().shrunkBy(FrameAllowance(form));
    QLayout *top = form.layout();
    const QMargins pad = top ? top->contentsMargins() : QMargins();
    const int width = room.width() - pad.left() - pad.right();
    if (auto *bar = form.findChild<WorkflowBar *>())
        bar->FitWidth(width);
    auto *area = form.findChild<QScrollArea *>(kBodyArea);
    if (!area || !area->widget())
        return;
    const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const auto widest = [&] {
        return area->widget()->minimumSizeHint().width() + 2 * area->frameWidth() + scrollBar;
    };
    // Azimuth tables side by side go one under the other when the screen is too narrow for them.
    for (QBoxLayout *row : form.findChildren<QBoxLayout *>())
        if (HoldsTables(*row)) {
            row->setDirection(QBoxLayout::LeftToRight);
            Settle(form);
            if (widest() > width) {
                row->setDirection(QBoxLayout::TopToBottom);
                Settle(form);
            }
        }
    // As narrow as the body goes without a horizontal scroll bar, unless the screen is narrower.
    area->setMinimumWidth(std::min(widest(), width));
    Settle(form);
    QSize size = form.sizeHint();
    if (size.height() > room.height())
        size.rwidth() += scrollBar;
    form.resize(size.boundedTo(room).expandedTo(form.minimumSize()));
}

void KeepOnScreen(QWidget &form) {
    const QRect free = FreeArea(form);
    const QMargins frame = FrameOf(form);
    if (free.contains(form.frameGeometry()))
        return;
    const QSize size = form.size().boundedTo(free.size().shrunkBy(frame)).expandedTo(form.minimumSize());
    form.resize(size);
    const QSize outer = size.grownBy(frame);
    const QPoint at = form.frameGeometry().topLeft();
    form.move(std::max(free.left(), std::min(at.x(), free.right() + 1 - outer.width())),
              std::max(free.top(), std::min(at.y(), free.bottom() + 1 - outer.height())));
}

void WidenShortBoxes(QWidget &form) {
    // Short boxes take codes (a hemisphere letter, two capitals) or numbers; a longer text scrolls
    // inside its box, which shows eight characters at least. Boxes without a limit keep their size.
    constexpr int kShown = 8;
    form.ensurePolished();
    const int unlimited = QLineEdit().maxLength();
    for (QLineEdit *box : form.findChildren<QLineEdit *>()) {
        const int length = std::min(box->maxLength(), kShown);
        if (length <= 0 || box->maxLength() == unlimited)
            continue;
        const QString widest(length, length <= 2 ? QLatin1Char('W') : QLatin1Char('0'));
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QMargins text = box->textMargins() + box->contentsMargins();
        // 2 pixels of margin on each side of the text inside a line edit, and the cursor.
        const int inside =
            box->fontMetrics().horizontalAdvance(widest) + 2 * 2 + 1 + text.left() + text.right();
        const int needed =
            box->style()
                ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inside, box->height()), box)
                .width();
        if (box->minimumWidth() < needed)
            box->setMinimumWidth(needed); // raises a smaller maximum with it
    }
}

} // namespace ondrell
