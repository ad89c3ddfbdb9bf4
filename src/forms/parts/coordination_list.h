#pragma once
// The coordination list of a notice form: administrations with which coordination was completed,
// moved from ListAdmAvail to ListAdmSel with the buttons ">", ">>", "<" and "<<". Attaches to the
// form's controls by name, so every form that has them shares the same behaviour.

#include <QObject>
#include <QString>

class QAbstractButton;
class QListWidget;
class QWidget;

namespace ondrell {

class CoordinationListControls final : public QObject {
    Q_OBJECT

  public:
    // Finds ListAdmAvail, ListAdmSel and the four buttons among the form's children.
    explicit CoordinationListControls(QWidget &form);

    // Fills the available side (selected side empty, every button enabled).
    void Fill(const QStringList &administrations);

    void ChooseAvailable(const QString &administration);
    void Add();
    void AddAll();
    void ChooseSelected(int row);
    void Remove();
    void Clear();

  private:
    void Enable(QAbstractButton *button, bool enabled);

    QListWidget *available_;
    QListWidget *selected_;
    QAbstractButton *add_;
    QAbstractButton *addAll_;
    QAbstractButton *del_;
    QAbstractButton *clear_;
    QString chosen_;     // the available list's current administration (clicked or reached by keys)
    int chosenRow_ = -1; // the selected list's current position
};

} // namespace ondrell
