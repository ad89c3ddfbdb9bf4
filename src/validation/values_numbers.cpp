#include "checks/numbers.h"
#include "validation/values_helpers.h"

#include <string>

namespace ondrell {

double ReadItemNumber(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            packed += c;
    return ReadLeadingNumber(packed);
}

} // namespace ondrell
