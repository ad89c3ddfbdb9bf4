// The main menu in every stored language: the full program title, and the whole banner text at the
// menu's own size (the captions, and so the menu's width, differ by language).
#include "forms/dialogs_recorder.h"

#include "app/app_font.h"
#include "app/digital_menu_frm.h"
#include "app/settings.h"

#include <QSettings>
#include <QTest>

using namespace ondrell;

class ShellMenuLanguages : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { UseApplicationFont(); } // as the program starts
    void titleAndBannerInEveryLanguage_data() {
        QTest::addColumn<QString>("stored");
        for (const char *language : {"", "0", "1", "2", "7"})
            QTest::newRow(*language ? language : "none") << QString::fromLatin1(language);
    }
    void titleAndBannerInEveryLanguage() {
        QFETCH(QString, stored);
        RecordingDialogs dialogs;
        ScopedDialogs scope(dialogs);
        QSettings(QStringLiteral("GE06_Requirements"), QString()).clear();
        if (!stored.isEmpty())
            WriteSetting(QStringLiteral("language"), stored);
        qputenv("ONDRELL_MAP_FILE", "/nonexistent/ondrell.map");
        DigitalMenuFrmGE06 menu(QCoreApplication::applicationDirPath());
        menu.show();
        QCOMPARE(menu.windowTitle(),
                 QStringLiteral("Ostrel Data Capture - GE06 Digital Broadcasting Notices"));

        // The banner is as wide as its text and its margins, and the menu shows it whole.
        const auto *banner = menu.findChild<QWidget *>(QStringLiteral("Picture1"));
        QFont font;
        font.setPointSize(20);
        font.setBold(true);
        const int text =
            QFontMetrics(font).horizontalAdvance(QStringLiteral("GE06 Digital Broadcasting Notices"));
        QVERIFY2(banner->width() >= text + 32 && banner->width() <= menu.width(),
                 qPrintable(QStringLiteral("text %1, banner %2, menu %3")
                                .arg(text)
                                .arg(banner->width())
                                .arg(menu.width())));
    }
};

QTEST_MAIN(ShellMenuLanguages)
#include "shell_menu_languages.moc"
