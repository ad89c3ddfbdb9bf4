// The assignment forms' own untouched-form rules for some lists, checked against the common rule
// that every other choice clears the flag: the empty entry may restore the flag or leave it alone.

#include "forms_support.h"

#include "forms/gs1_assign_form.h"
#include "forms/gt1_assign_form.h"

#include <memory>

using namespace ondrell;
using namespace ondrell::testing;

class FormsReviewTest : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs_;
    std::unique_ptr<ScopedDialogs> scope_;

  private slots:
    void init() {
        dialogs_ = RecordingDialogs();
        scope_ = std::make_unique<ScopedDialogs>(dialogs_);
    }
    void cleanup() { scope_.reset(); }

    void untouchedAfterChoice_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("untouchedBefore");
        QTest::addColumn<bool>("untouchedAfter");
        // GS1: the flag follows the chosen entry, in both directions.
        QTest::newRow("GS1 RefPlan entry") << "GS1"
                                           << "Combo_RRC04_RefPlan"
                                           << "RPC4" << true << false;
        QTest::newRow("GS1 RefPlan empty") << "GS1"
                                           << "Combo_RRC04_RefPlan"
                                           << "" << false << true;
        QTest::newRow("GS1 SpectMask empty") << "GS1"
                                             << "Combo_RRC04_SpectMask"
                                             << "" << false << true;
        // GT1 spectrum mask: only a real entry clears the flag; the empty one leaves it as it was.
        QTest::newRow("GT1 SpectMask empty, touched") << "GT1"
                                                      << "Combo_RRC04_SpectMask"
                                                      << "" << false << false;
        QTest::newRow("GT1 SpectMask empty, untouched") << "GT1"
                                                        << "Combo_RRC04_SpectMask"
                                                        << "" << true << true;
        QTest::newRow("GT1 SpectMask entry") << "GT1"
                                             << "Combo_RRC04_SpectMask"
                                             << "S" << true << false;
        // Lists under the common rule: any choice clears the flag, the empty entry included.
        QTest::newRow("GT1 RefPlan empty") << "GT1"
                                           << "Combo_RRC04_RefPlan"
                                           << "" << true << false;
        QTest::newRow("GS1 Plan empty") << "GS1"
                                        << "Combo_GE06_Plan"
                                        << "" << true << false;
        QTest::newRow("GT1 polarization empty") << "GT1"
                                                << "Combo_9D_Polariz"
                                                << "" << true << false;
    }
    void untouchedAfterChoice() {
        QFETCH(QString, type);
        QFETCH(QString, combo);
        QFETCH(QString, entry);
        QFETCH(bool, untouchedBefore);
        QFETCH(bool, untouchedAfter);
        std::unique_ptr<AssignmentForm> form;
        if (type == QLatin1String("GT1"))
            form = std::make_unique<GT1AssignFrmGE06>();
        else
            form = std::make_unique<GS1AssignFrmGE06>();
        ShowActive(*form);
        form->setUntouched(untouchedBefore);
        Choose(*form, qPrintable(combo), entry);
        QCOMPARE(form->untouched(), untouchedAfter);
    }

    // The untouched GS1 form refuses to validate after the reference planning configuration is
    // set back to empty, though an identifier was typed before.
    void emptyReferencePlanningCountsAsUntouched() {
        GS1AssignFrmGE06 form;
        ShowActive(form);
        Click(form, "Opt_Art4");
        Type(form, "Txt_AdmRefID", QStringLiteral("N1"));
        Leave(form);
        QVERIFY(!form.untouched());
        Choose(form, "Combo_RRC04_RefPlan", QString());
        Click(form, "Button_Validate");
        QCOMPARE(dialogs_.MessageTitles(), QStringList{QStringLiteral("Missing values")});
    }

    // Reset sets the Plan entry back to its empty entry, and the boxes that an entry had hidden
    // come back with it, as on a fresh form.
    void resetShowsWhatThePlanEntryHid_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("entry");
        QTest::newRow("GS1 single assignment") << "GS1"
                                               << "1";
        QTest::newRow("GT1 SFN") << "GT1"
                                 << "2";
        QTest::newRow("GS1 allotment, one assignment") << "GS1"
                                                       << "5";
    }
    void resetShowsWhatThePlanEntryHid() {
        QFETCH(QString, type);
        QFETCH(QString, entry);
        std::unique_ptr<AssignmentForm> form;
        if (type == QLatin1String("GT1"))
            form = std::make_unique<GT1AssignFrmGE06>();
        else
            form = std::make_unique<GS1AssignFrmGE06>();
        ShowActive(*form);
        Choose(*form, "Combo_GE06_Plan", entry);
        Click(*form, "Button_Reset");
        QCOMPARE(Text(*form, "Combo_GE06_Plan"), QString());
        for (const char *shown :
             {"Txt_RRC04_SfnID", "Lbl_RRC04_SfnID", "Txt_GE06_assoc_allot_sfnID",
              "Lbl_GE06_assoc_allot_sfnID", "Txt_RRC04_AdmAllotID", "Lbl_RRC04_AdmAllotID"})
            QVERIFY2(Shown(*form, shown), shown);
    }
};

QTEST_MAIN(FormsReviewTest)
#include "forms_review.moc"
