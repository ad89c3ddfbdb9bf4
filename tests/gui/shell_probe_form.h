#pragma once
// A bare notice form for the shell's tests: the workflow's own controls plus the boxes a test
// names, laid out in a column, so the common workflow is tested apart from the real forms.

#include "forms/notice_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ondrell::testing {

class ProbeForm : public NoticeForm {
  public:
    ProbeForm(FormKind kind, const QStringList &boxes) : NoticeForm(kind, nullptr, &Behaviour()) {
        auto *layout = new QVBoxLayout(this);
        auto *adm = new QComboBox(this);
        adm->setObjectName(QStringLiteral("Combo_B_Adm"));
        adm->addItems({QString(), QStringLiteral("F"), QStringLiteral("G")});
        layout->addWidget(adm);
        for (const QString &name :
             QStringList{"Txt_Filename", "Txt_Ntc_Number", "Txt_EmailAddr", "Txt_notified_Rmks"} + boxes) {
            QWidget *w = name.startsWith(QLatin1String("Opt"))
                             ? static_cast<QWidget *>(new QRadioButton(name, this))
                             : new QLineEdit(this);
            w->setObjectName(name);
            layout->addWidget(w);
        }
        for (const char *name : {"Button_Validate", "Button_Next", "Button_Finish", "Button_Reset"}) {
            auto *b = new QPushButton(QString::fromLatin1(name), this);
            b->setObjectName(QString::fromLatin1(name));
            layout->addWidget(b);
        }
        InitNoticeForm();
    }

  private:
    // Clearing empties every box but the file name, the notice number and the e-mail address.
    static const FormBehaviour &Behaviour() {
        static const FormBehaviour behaviour = [] {
            FormBehaviour b;
            b.clearScreen = [](FormContext &c) {
                for (auto name : {"Txt_AdmRefID", "Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long",
                                  "Txt_4C_Deg_Lat", "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat", "Txt_TrgAdmRefID",
                                  "Txt_PlanAdmRefID", "Txt_RRC04_contour_id", "Txt_notified_Rmks",
                                  "Txt_10B_Ophhfr", "Txt_10B_Ophhto"})
                    c.form.SetText(name, "");
            };
            b.chooseAdd = [](FormContext &c) { c.form.SetChecked("OptInt_Add", true); };
            return b;
        }();
        return behaviour;
    }
};

} // namespace ondrell::testing
