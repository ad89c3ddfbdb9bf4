#include "app/caption_table.h"
#include "app/string_table.h"
#include "notice/control_names.h"
#include "util/program_id.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace ondrell {

namespace {

void SetCaption(QWidget *w, const QString &text) {
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(w))
        frame->setTitle(text);
}

void ApplyRole(QWidget &form, FormKind kind, TextRole role) {
    for (const auto &b : CaptionBindings()) {
        if (b.role != role || !(b.forms & MaskOf(kind)))
            continue;
        auto *w = form.findChild<QWidget *>(QString::fromLatin1(b.control));
        if (!w)
            continue;
        if (role == TextRole::Tooltip)
            w->setToolTip(LoadString(b.id));
        else
            SetCaption(w, LoadString(b.id));
    }
}

} // namespace

void ApplyCaptions(QWidget &form, FormKind kind) {
    ApplyRole(form, kind, TextRole::Tooltip);
    form.setWindowTitle(LoadString(Descriptor(kind).titleStringId));
    ApplyRole(form, kind, TextRole::Caption);
    if (kind == FormKind::TB2)
        if (auto *w = form.findChild<QWidget *>(QString::fromLatin1(ctl::Lbl_TrgAdmRefID)))
            SetCaption(w, QStringLiteral("Unique ID in PLAN"));
    form.setWindowTitle(form.windowTitle() +
                        QString::fromUtf8(kProgramIdentification.data(), kProgramIdentification.size()));
}

} // namespace ondrell
