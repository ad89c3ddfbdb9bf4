#include "app/digital_menu_frm.h"

#include "app/app_state.h"
#include "app/form_registry.h"
#include "app/settings.h"
#include "app/string_table.h"
#include "forms/dialogs.h"
#include "forms/notice_form.h"
#include "util/file_exists.h"
#include "util/program_id.h"

#include "ui_digital_menu_frm.h"

#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace ondrell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QString kMenuTitle = QStringLiteral("Ostrel Data Capture - GE06 Digital Broadcasting Notices");
const QString kBannerText = QStringLiteral("GE06 Digital Broadcasting Notices");

// The menu's picture: a plain banner painted with the menu, so no image file has to ship and no
// picture is drawn before the menu is on screen.
constexpr int kBannerHeight = 84;
constexpr int kBannerMargin = 16;

// The menu's own face, larger: a bold face would be one more font file to open and hint before the
// menu can show.
QFont BannerFont() {
    QFont font;
    font.setPointSize(20);
    return font;
}

class BannerPainter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto *banner = static_cast<QWidget *>(watched);
        QPainter painter(banner);
        QLinearGradient gradient(0, 0, banner->width(), 0);
        gradient.setColorAt(0, QColor(0x1f, 0x3b, 0x6e));
        gradient.setColorAt(1, QColor(0x3d, 0x7a, 0xb8));
        painter.fillRect(banner->rect(), gradient);
        painter.setPen(Qt::white);
        painter.setFont(BannerFont());
        painter.drawText(banner->rect().adjusted(kBannerMargin, 0, -kBannerMargin, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, kBannerText);
        return true;
    }
};

// At least as wide as its text, so the menu grows to show all of it whatever the language of its
// captions; the layout stretches it across the menu.
void SetUpBanner(QWidget &banner) {
    const int textWidth = QFontMetrics(BannerFont()).horizontalAdvance(kBannerText);
    banner.setMinimumWidth(textWidth + 2 * kBannerMargin);
    banner.setFixedHeight(kBannerHeight);
    banner.installEventFilter(new BannerPainter(&banner));
}

void Uncheck(QRadioButton *option) {
    // Radio buttons of a group cannot be unchecked while they are exclusive.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

DigitalMenuFrmGE06::DigitalMenuFrmGE06(const QString &exeDir, QWidget *parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DigitalMenuFrmGE06>()), exeDir_(exeDir) {
    ui_->setupUi(this);
    connect(ui_->ButtonGo, &QPushButton::clicked, this, [this] { ButtonGoClicked(); });
    connect(ui_->ButtonExit, &QPushButton::clicked, this, [this] { close(); });
    connect(ui_->Button_Dir, &QPushButton::clicked, this, [this] { ButtonDirClicked(); });
    connect(ui_->Opt_english, &QRadioButton::clicked, this, [this] { OptEnglishClicked(); });

    LoadMap(exeDir);
    setWindowTitle(kMenuTitle); // in every language, not only when English is chosen
    RestoreSettings();
    ClearNoticeOptions();
    ShowWorkDir();
    ui_->Lbl_LastFile->hide();
    ui_->LblProgrVer->setText(
        QString::fromUtf8(kProgramIdentification.data(), kProgramIdentification.size()));
    SetUpBanner(*ui_->Picture1);
}

DigitalMenuFrmGE06::~DigitalMenuFrmGE06() {
    if (TheApp().map == map())
        TheApp().map = nullptr;
}

QRadioButton *DigitalMenuFrmGE06::Option(FormKind kind) const {
    const std::string_view option = Descriptor(kind).menuOption;
    return findChild<QRadioButton *>(
        QString::fromLatin1(option.data(), static_cast<qsizetype>(option.size())));
}

void DigitalMenuFrmGE06::LoadMap(const QString &exeDir) {
    const std::string path = DefaultMapPath(exeDir.toStdString());
    if (!FileExists(path)) {
        AppDialogs().Message(
            this, QStringLiteral("File Missing"),
            QStringLiteral("The file %1 not found. Cannot validate the geographical coordinates")
                .arg(QString::fromStdString(path)),
            MsgIcon::Information);
        return;
    }
    std::string error;
    // Start-up cost: map the file and check its small tables; the large ones are bounded as used.
    map_ = WorldMap::Load(path, &error, MapCheck::Tables, MapAccess::Map);
    if (!map_)
        AppDialogs().Message(this, QString(), QStringLiteral("Can't find Mapora data files"));
    TheApp().map = map();
}

void DigitalMenuFrmGE06::RestoreSettings() {
    TheApp().workDir = ReadSetting(QStringLiteral("workDir"));
    const QString language = ReadSetting(QStringLiteral("language"));
    for (QWidget *w : {static_cast<QWidget *>(ui_->Lbl_Language), static_cast<QWidget *>(ui_->Opt_english),
                       static_cast<QWidget *>(ui_->Opt_french), static_cast<QWidget *>(ui_->Opt_spanish)})
        w->hide();
    TheApp().language = 0;
    if (language.isEmpty() || language == QLatin1String("0")) {
        ui_->Opt_english->setChecked(true);
        ShowEnglish(); // start-up writes nothing: the setting is stored when the user changes it
    } else if (language == QLatin1String("1")) {
        ui_->Opt_french->setChecked(true);
        TheApp().language = 1;
    } else if (language == QLatin1String("2")) {
        ui_->Opt_spanish->setChecked(true);
        TheApp().language = 2;
    }
}

void DigitalMenuFrmGE06::ClearNoticeOptions() {
    for (const auto &type : NoticeTypes())
        Uncheck(Option(type.kind));
}

void DigitalMenuFrmGE06::OptEnglishClicked() {
    ShowEnglish();
    WriteSetting(QStringLiteral("language"), QString::number(TheApp().language));
}

void DigitalMenuFrmGE06::ShowEnglish() {
    setWindowTitle(kMenuTitle);
    for (const auto &type : NoticeTypes())
        Option(type.kind)->setText(LoadString(type.menuCaptionId));
    ui_->ButtonExit->setText(QStringLiteral("Exit"));
    ui_->ButtonGo->setText(QStringLiteral("Go"));
    TheApp().language = 0;
    ui_->Frm_Preference->setTitle(LoadString(107));
    ui_->Lbl_wrkDir->setText(LoadString(108));
    ui_->Lbl_wrkDir->setToolTip(LoadString(109));
    ui_->FrmSelectNtc->setTitle(LoadString(110));
    ui_->Button_Dir->setToolTip(LoadString(109));
}

void DigitalMenuFrmGE06::ButtonGoClicked() {
    if (TheApp().workDir.isEmpty() &&
        AppDialogs().AskYesNo(this, LoadString(114),
                              LoadString(111) + kCrLf + LoadString(112) + kCrLf + LoadString(113)))
        ButtonDirClicked();
    for (const auto &type : NoticeTypes())
        if (Option(type.kind)->isChecked()) {
            OpenNoticeForm(type.kind);
            return;
        }
    AppDialogs().Beep();
    AppDialogs().Message(this, QStringLiteral("Ostrel"), LoadString(106), MsgIcon::Exclamation);
}

// Enter means Go, as the button's look says; on another focused button Enter presses that one.
void DigitalMenuFrmGE06::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    (focused ? focused : ui_->ButtonGo)->click();
}

void DigitalMenuFrmGE06::OpenNoticeForm(FormKind kind) {
    std::unique_ptr<QDialog> form = CreateNoticeForm(kind, this);
    if (!form) {
        AppDialogs().Message(this, QStringLiteral("Not available"),
                             LoadString(Descriptor(kind).menuCaptionId) +
                                 QStringLiteral(" : this notice form is not available yet."),
                             MsgIcon::Information);
        return;
    }
    AppDialogs().Exec(*form);
    // Where the notices went, without another box: the form's file, once finished, stays named here.
    auto *notice = qobject_cast<NoticeForm *>(form.get());
    if (notice && !notice->finishedFile().isEmpty()) {
        ui_->Lbl_LastFile->setText(QStringLiteral("Last file saved: ") + notice->finishedFile());
        ui_->Lbl_LastFile->show();
    }
}

void DigitalMenuFrmGE06::ShowWorkDir() {
    ui_->Lbl_WorkDirPath->setText(TheApp().workDir.isEmpty()
                                      ? QStringLiteral("Not set: files are stored in the program's folder ") +
                                            QDir::toNativeSeparators(exeDir_)
                                      : QDir::toNativeSeparators(TheApp().workDir));
}

void DigitalMenuFrmGE06::ButtonDirClicked() {
    const QString stored = ReadSetting(QStringLiteral("workDir"));
    if (!stored.isEmpty() &&
        !AppDialogs().AskYesNo(this, QStringLiteral("Select Working Directory"),
                               QStringLiteral("The current working directory is :") + stored +
                                   QStringLiteral(". Do you want to change it?"),
                               MsgIcon::Information))
        return;
    if (auto folder = AppDialogs().BrowseFolder(this, QStringLiteral("Select the working folder")))
        TheApp().workDir = *folder;
    WriteSetting(QStringLiteral("workDir"), TheApp().workDir);
    ShowWorkDir();
}

} // namespace ondrell
