// The desktop program: the main menu, and the notice forms it opens.
#include "app/app_font.h"
#include "app/digital_menu_frm.h"
#include "app/quit_after_start.h"
#include "util/program_id.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Help and version must answer without a display (man page generation, a shell over ssh), so they
// are looked for before Qt starts a window system; any other start goes straight to the menu.
bool AsksForInformation(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char *word : {"-h", "--help", "-help", "-v", "--version"})
            if (std::strcmp(argv[i], word) == 0)
                return true;
    return false;
}

int PrintInformation(int argc, char *argv[]) {
    // The usage line names the program, not the path it was started by.
    std::vector<char *> args(argv, argv + argc);
    char name[] = "ondrell";
    args[0] = name;
    QCoreApplication core(argc, args.data());
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prepares notices under the GE06 agreement (T-DAB and DVB-T) in eight entry forms, validates "
        "them\nand writes them into electronic notice files.\n\nThe world map ondrell.map is read from "
        "$ONDRELL_MAP_FILE when set, else beside the program,\nelse from the installed data folder "
        "(share/ondrell beside the program's bin folder)."));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the program identification."));
    parser.addOption(version);
    parser.process(core); // prints the help, or the error for an unknown option, and exits
    if (parser.isSet(version))
        std::printf("ondrell %s\n%.*s\n", ONDRELL_VERSION,
                    static_cast<int>(ondrell::kProgramIdentification.size()),
                    ondrell::kProgramIdentification.data());
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (AsksForInformation(argc, argv))
        return PrintInformation(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    ondrell::UseApplicationFont();
    ondrell::DigitalMenuFrmGE06 menu(QApplication::applicationDirPath());
    menu.show();
    ondrell::QuitAfterStart::Arm(menu);
    return app.exec();
}
