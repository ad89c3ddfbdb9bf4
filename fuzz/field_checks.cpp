// Any text left in any checked field of any form, with any texts in its date siblings, and any key
// typed into it: the checks give a verdict, never a crash.

#include "checks/coordinates.h"
#include "checks/dates_times.h"
#include "checks/field_tables.h"
#include "checks/numbers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The input: one byte picks the form, one the control, one another kind to run the text through,
// then the field's text and its date siblings' texts separated by NUL bytes; the last four bytes
// are also a typed key.
struct Input {
    std::string_view rest;
    std::string_view Next() {
        const auto end = rest.find('\0');
        const std::string_view part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return part;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace ondrell;
    if (size < 3)
        return 0;
    const auto forms = CheckedFormNames();
    const std::string_view form = forms[data[0] % forms.size()];
    const auto table = FieldChecksFor(form);
    const FieldCheck &field = table[data[1] % table.size()];
    Input in{std::string_view(reinterpret_cast<const char *>(data) + 3, size - 3)};
    const std::string_view text = in.Next();
    const std::string siblings[3] = {std::string(in.Next()), std::string(in.Next()), std::string(in.Next())};

    const Verdict verdict = RunFieldCheck(form, field.control, text, [&](std::string_view control) {
        return control == field.date.day     ? siblings[0]
               : control == field.date.month ? siblings[1]
               : control == field.date.year  ? siblings[2]
                                             : std::string();
    });
    if (!verdict.accepted && verdict.messages.empty())
        __builtin_trap(); // a refusal always shows why

    // The same text through another kind, whatever the field's own, and the helpers they build on.
    CheckRule rule = field.check;
    rule.kind = static_cast<CheckKind>(data[2] % (static_cast<int>(CheckKind::PadCodeOnLeave) + 1));
    const DateTexts date{siblings[0], siblings[1], siblings[2]};
    RunCheck(rule, text, &date, field.dateFocus);
    ParseNumber(text);
    DatePartValue(text);
    IsCalendarDate(siblings[0], siblings[1], siblings[2]);
    std::string explanation;
    CheckHhmm(text, explanation);
    CheckHhmmStop(text, explanation);
    MapCoordText(text, siblings[0]);
    LongitudeSeconds(text);
    LatitudeSeconds(text);

    char32_t key = 0;
    for (std::size_t i = size >= 4 ? size - 4 : 0; i < size; ++i)
        key = key << 8 | data[i];
    FilterFieldKey(form, field.control, key);
    return 0;
}
