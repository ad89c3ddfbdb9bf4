#include "util/user_name.h"

#include <pwd.h>
#include <unistd.h>

namespace ondrell {

std::string ShortUserName(std::string_view login) {
    std::string name;
    for (char c : login.substr(0, 8))
        if (c != '\0')
            name += c;
    return name.empty() ? std::string(kUnknownUserName) : name;
}

std::string CurrentUserName() {
    const passwd *entry = getpwuid(geteuid());
    return ShortUserName(entry && entry->pw_name ? entry->pw_name : "");
}

} // namespace ondrell
