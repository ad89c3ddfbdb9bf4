// The main menu, the assignment forms and the contour detail window at their default size: the layout needs
// no more room than the window gives, and no caption or button text is cut. With ONDRELL_SCREENSHOT_DIR set,
// each form in each state is also saved there as a PNG (scripts/screenshots.sh).

#include "contour_samples.h"
#include "forms_support.h"

#include "app/digital_menu_frm.h"
#include "forms/contour_detail_frm.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <memory>

using namespace ondrell;
using namespace ondrell::testing;

namespace {

struct Shot {
    const char *file;
    std::function<std::unique_ptr<QWidget>()> open;
    std::function<void(QWidget &)> prepare;
};

template <typename... Args> std::function<std::unique_ptr<QWidget>()> Contour(Args... args) {
    return [=] { return std::make_unique<ContourDetailFrm>(ContourRecord(args...), SampleMap()); };
}

void Art5Modify(QWidget &form) {
    Click(form, "Opt_Art5");
    Click(form, "OptInt_Mod");
}

// An allotment given by three sub-areas, two of their contours listed.
void SubAreas(QWidget &form) {
    Type(form, "Txt_RRC04_allot_name", QStringLiteral("alpes"));
    Type(form, "Txt_RRC04_nb_sub_areas", QStringLiteral("3"));
    for (const char *id : {"101", "102"}) {
        Type(form, "Txt_RRC04_contour_id", QString::fromLatin1(id));
        Click(form, "Button_Add_Contour");
    }
}

const Shot kShots[] = {
    {"DigitalMenuFrmGE06.png",
     [] { return std::make_unique<DigitalMenuFrmGE06>(QCoreApplication::applicationDirPath()); },
     [](QWidget &) {}},
    {"GS1AssignFrmGE06.png", [] { return OpenForm(FormKind::GS1); }, [](QWidget &) {}},
    {"GS1AssignFrmGE06-art5-modify.png", [] { return OpenForm(FormKind::GS1); }, Art5Modify},
    {"GT1AssignFrmGE06.png", [] { return OpenForm(FormKind::GT1); }, [](QWidget &) {}},
    {"GT1AssignFrmGE06-art5-modify.png", [] { return OpenForm(FormKind::GT1); }, Art5Modify},
    {"GS2AllotFrmGE06.png", [] { return OpenForm(FormKind::GS2); }, [](QWidget &) {}},
    {"GS2AllotFrmGE06-sub-areas.png", [] { return OpenForm(FormKind::GS2); }, SubAreas},
    {"GT2AllotFrmGE06.png", [] { return OpenForm(FormKind::GT2); }, [](QWidget &) {}},
    {"GT2AllotFrmGE06-sub-areas.png", [] { return OpenForm(FormKind::GT2); }, SubAreas},
    {"ContourDetailFrm-no-points.png", Contour("17", std::vector<std::pair<double, double>>{}),
     [](QWidget &) {}},
    {"ContourDetailFrm-3-points.png", Contour("12", kThreePoints), [](QWidget &) {}},
    {"ContourDetailFrm-99-points.png", Contour("4321", CirclePoints(99)), [](QWidget &) {}},
    {"ContourDetailFrm-figure-eight.png", Contour("88", kFigureEight), [](QWidget &) {}},
};

} // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;

  private slots:
    void defaultSize_data() {
        QTest::addColumn<int>("shot");
        for (int i = 0; i < int(std::size(kShots)); ++i)
            QTest::newRow(kShots[i].file) << i;
    }
    void defaultSize() {
        QFETCH(int, shot);
        ScopedDialogs scope(dialogs_);
        const Shot &s = kShots[shot];
        auto form = s.open();
        ShowActive(*form);
        s.prepare(*form);
        QCoreApplication::processEvents();

        const QString dir = qEnvironmentVariable("ONDRELL_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(form->grab().save(QDir(dir).filePath(QString::fromLatin1(s.file))));
        }

        const QSize hint = form->minimumSizeHint();
        QVERIFY2(hint.width() <= form->width() && hint.height() <= form->height(),
                 qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                                .arg(hint.width())
                                .arg(hint.height())
                                .arg(form->width())
                                .arg(form->height())));
        for (QLabel *label : form->findChildren<QLabel *>())
            if (label->isVisibleTo(form.get()) && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->objectName()));
        for (QPushButton *button : form->findChildren<QPushButton *>())
            if (button->isVisibleTo(form.get()))
                QVERIFY2(button->width() >= button->minimumSizeHint().width(),
                         qPrintable(button->objectName()));
    }
};

QTEST_MAIN(FormLayoutTest)
#include "forms_screenshots.moc"
