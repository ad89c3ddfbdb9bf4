#include "forms/assignment_form.h"

#include "checks/numbers.h"
#include "forms/assignment_form_coordination.h"
#include "forms/assignment_form_screen.h"
#include "forms/fill_range_frm.h"
#include "notice/capture.h"
#include "refdata/area_codes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace ondrell {
namespace {

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QStringList Texts(std::span<const std::string_view> codes) {
    QStringList texts;
    for (auto code : codes)
        texts.append(Name(code));
    return texts;
}

// Each Fill button, the table it fills and what the dialog is asked for.
struct FillButton {
    const char *button;
    AzimuthTable table;
    FillKind kind;
};
constexpr FillButton kFillButtons[] = {
    {"Button_Fill9EC", AzimuthTable::EffHeight, FillKind::EffHeight},
    {"Button_Fill9NH", AzimuthTable::AttnH, FillKind::Attenuation},
    {"Button_Fill9NV", AzimuthTable::AttnV, FillKind::Attenuation},
};

} // namespace

AssignmentForm::AssignmentForm(FormKind kind, ArticleRule articleRule, QWidget *parent)
    : NoticeForm(kind, parent), articleRule_(articleRule) {}

AssignmentForm::~AssignmentForm() = default;

QComboBox *AssignmentForm::Combo(const char *name) const {
    return findChild<QComboBox *>(QString::fromLatin1(name));
}

void AssignmentForm::OnChoice(const char *combo, std::function<void()> handler) {
    if (QComboBox *box = Combo(combo))
        connect(box, &QComboBox::activated, this, [handler = std::move(handler)] { handler(); });
}

void AssignmentForm::OnChoice(const char *combo, void (AssignmentForm::*handler)()) {
    OnChoice(combo, [this, handler] { (this->*handler)(); });
}

void AssignmentForm::OwnTouchRule(const char *combo, std::function<void(const QString &chosen)> rule) {
    QComboBox *box = Combo(combo);
    if (!box)
        return;
    box->setProperty(kOwnTouchRuleProperty, true);
    OnChoice(combo, [box, rule = std::move(rule)] { rule(box->currentText()); });
}

void AssignmentForm::InitAssignmentForm() {
    screen_ = std::make_unique<QtAssignmentScreen>(*this);
    coordination_ = new CoordinationListControls(*this);
    ConnectRules();
    ConnectOwnControls();
    InitNoticeForm();
    for (const char *hidden : {"Lbl_int_rmk", "txt_int_rmk"})
        screen_->Show(hidden, false);
}

void AssignmentForm::ConnectRules() {
    const struct {
        const char *option;
        void (AssignmentForm::*handler)();
    } options[] = {{"OptInt_Add", &AssignmentForm::OnIntentAdd},
                   {"OptInt_Mod", &AssignmentForm::OnIntentMod},
                   {"Opt_Art4", &AssignmentForm::OnArticle},
                   {"Opt_Art5", &AssignmentForm::OnArticle}};
    // Choosing an option runs its rule whether the user clicked it or the form chose it.
    for (const auto &o : options)
        if (auto *button = findChild<QAbstractButton *>(QString::fromLatin1(o.option)))
            connect(button, &QAbstractButton::toggled, this, [this, handler = o.handler](bool checked) {
                if (checked)
                    (this->*handler)();
            });

    auto antenna = [this] { MakeVisibleGS1GE06::Antenna(*screen_); };
    OnChoice("Combo_9_AntDir", antenna);
    OnChoice("Combo_9D_Polariz", antenna);
    OnChoice("Combo_GE06_Plan", [this] { MakeVisibleGS1GE06::PlanEntry(*screen_); });

    for (auto name : TargetToggleFields())
        if (auto *box = findChild<QLineEdit *>(Name(name)))
            connect(box, &QLineEdit::textChanged, this,
                    [this] { MakeVisibleGS1GE06::TargetFromCharacteristics(*screen_); });
    if (auto *id = findChild<QLineEdit *>(QStringLiteral("Txt_TrgAdmRefID")))
        connect(id, &QLineEdit::textChanged, this,
                [this] { MakeVisibleGS1GE06::TargetFromIdentifier(*screen_); });

    for (const auto &fill : kFillButtons)
        if (auto *button = findChild<QAbstractButton *>(QString::fromLatin1(fill.button)))
            connect(button, &QAbstractButton::clicked, this, [this, fill] {
                const int maxEffHeight =
                    static_cast<int>(RoundHalfEven(ReadLeadingNumber(screen_->Text("Txt_9EB_Eff_hgtmax"))));
                const FillRangeResult answer =
                    FillRangeFrm::Ask(this, fill.kind, fill.kind == FillKind::EffHeight ? maxEffHeight : 0);
                const std::string value = answer.value.toStdString();
                for (int index : AzimuthFillIndices(answer.from, answer.to))
                    screen_->SetText(AzimuthControlName(fill.table, index), value);
                MarkTouched();
            });
}

void AssignmentForm::OnIntentAdd() {
    MakeVisibleGS1GE06::IntentAdd(*screen_);
    MakeVisibleGS1GE06::Antenna(*screen_);
    ApplyArticleRule();
}

void AssignmentForm::OnIntentMod() {
    MakeVisibleGS1GE06::IntentMod(*screen_);
    MakeVisibleGS1GE06::Antenna(*screen_);
    ApplyArticleRule();
}

void AssignmentForm::OnArticle() {
    ApplyArticleRule();
}

void AssignmentForm::FillLists() {
    const QStringList administrations = Texts(AdministrationCodes());
    if (QComboBox *adm = Combo("Combo_B_Adm")) {
        adm->clear();
        adm->addItem(QString());
        adm->addItems(administrations);
    }
    coordination_->Fill(administrations);
    if (QComboBox *ctry = Combo("Combo_4B_Ctry")) {
        ctry->clear();
        ctry->addItem(QString());
        ctry->addItems(Texts(CountryCodes()));
    }
}

void AssignmentForm::ClearScreen() {
    MakeVisibleGS1GE06::ResetScreen(*screen_, OwnResetFields(), articleRule_);
}

void AssignmentForm::ClearForReset() {
    for (const char *box : {"Txt_EmailAddr", "Txt_4C_EW", "Txt_4C_NS", "Combo_4B_Ctry"})
        screen_->SetText(box, "");
}

void AssignmentForm::ResetTargetFields() {
    MakeVisibleGS1GE06::HideTargetFrame(*screen_);
}

} // namespace ondrell
