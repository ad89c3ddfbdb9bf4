#pragma once
// Process-wide state of the desktop program, one instance for the life of the program.

#include <QString>

namespace ondrell {

class WorldMap;

struct AppState {
    QString workDir;               // folder for notice files without trailing separator; "" when not set
    int language = 0;              // 0 English, 1 French, 2 Spanish
    const WorldMap *map = nullptr; // null when the map could not be loaded
};

AppState &TheApp();

} // namespace ondrell
