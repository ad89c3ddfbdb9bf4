#include "util/user_name.h"

#include "util/platform.h"

namespace ondrell {

std::string ShortUserName(std::string_view login) {
    std::string name;
    int characters = 0;
    for (char c : login) {
        const bool continues = (static_cast<unsigned char>(c) & 0xC0) == 0x80; // inside a UTF-8 sequence
        if (!continues && ++characters > 8)
            break;
        if (c != '\0')
            name += c;
    }
    return name.empty() ? std::string(kUnknownUserName) : name;
}

std::string CurrentUserName() {
    return ShortUserName(platform::LoginName());
}

} // namespace ondrell
