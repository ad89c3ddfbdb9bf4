#pragma once
// The main menu: start-up checks and settings, the eight notice types, Go, the working directory
// and Exit.

#include "geo/world_map.h"
#include "notice/notice_types.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class DigitalMenuFrmGE06;
}

class QKeyEvent;
class QRadioButton;

namespace ondrell {

class DigitalMenuFrmGE06 : public QWidget {
    Q_OBJECT

  public:
    // exeDir: the program's folder, where the map is looked for (see DefaultMapPath).
    explicit DigitalMenuFrmGE06(const QString &exeDir, QWidget *parent = nullptr);
    ~DigitalMenuFrmGE06() override;

    // The buttons and the English option (public for tests).
    void ButtonGoClicked();
    void ButtonDirClicked();
    void OptEnglishClicked();

    QRadioButton *Option(FormKind kind) const;
    const WorldMap *map() const { return map_ ? &*map_ : nullptr; }

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void LoadMap(const QString &exeDir);
    void RestoreSettings();
    void ShowEnglish();
    void ClearNoticeOptions();
    void OpenNoticeForm(FormKind kind);
    // The folder the forms propose for their files, shown under the working-directory button.
    void ShowWorkDir();

    std::unique_ptr<Ui::DigitalMenuFrmGE06> ui_;
    QString exeDir_;
    std::optional<WorldMap> map_;
};

} // namespace ondrell
