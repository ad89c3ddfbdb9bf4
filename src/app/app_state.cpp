#include "app/app_state.h"

namespace ondrell {

AppState &TheApp() {
    static AppState state;
    return state;
}

} // namespace ondrell
