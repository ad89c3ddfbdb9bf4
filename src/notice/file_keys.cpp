#include "notice/file_keys.h"

#include "notice/file_format.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ondrell {
namespace {

template <class Record> auto *TextIn(const NoticeKey &key, Record &r) {
    if (key.text)
        return &(r.*key.text);
    if (key.planning)
        return &(r.planning.*key.planning);
    if (key.allotment)
        return &(r.planning.allotment.*key.allotment);
    if (key.subArea)
        return &(r.sub_area.*key.subArea);
    return static_cast<decltype(&r.t_action)>(nullptr);
}

std::uint64_t Word(const char *p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// a == b, a word at a time for names of 8 bytes or more (the last word overlaps the one before).
bool SameBytes(std::string_view a, std::string_view b) {
    const size_t n = a.size();
    if (n != b.size())
        return false;
    if (n < 8)
        return a == b;
    std::uint64_t diff = Word(a.data() + n - 8) ^ Word(b.data() + n - 8);
    for (size_t i = 0; i + 8 < n; i += 8)
        diff |= Word(a.data() + i) ^ Word(b.data() + i);
    return diff == 0;
}

} // namespace

const NoticeKey *FindNoticeKey(std::string_view name) {
    // Open addressing: every line of a file is looked up here.
    constexpr size_t kMask = 255;
    static_assert(kNoticeKeyCount * 4 < kMask);
    // Length and a few bytes tell the keys apart well enough; the compare settles the rest.
    const auto hash = [](std::string_view text) {
        if (text.size() < 3)
            return text.size();
        const auto at = [&text](size_t i) {
            return static_cast<size_t>(static_cast<unsigned char>(text[i]));
        };
        return text.size() * 131 + at(2) * 31 + at(text.size() - 1) * 7 + at(text.size() - 2) * 3 + at(3);
    };
    static const auto slots = [&hash] {
        std::array<const NoticeKey *, kMask + 1> table{};
        for (const auto &key : kNoticeKeys) {
            size_t i = hash(key.name) & kMask;
            while (table[i])
                i = (i + 1) & kMask;
            table[i] = &key;
        }
        return table;
    }();
    for (size_t i = hash(name) & kMask; slots[i]; i = (i + 1) & kMask)
        if (SameBytes(slots[i]->name, name))
            return slots[i];
    return nullptr;
}

const std::string *KeyText(const NoticeKey &key, const NoticeRecord &record) {
    return TextIn(key, record);
}

std::string *KeyText(const NoticeKey &key, NoticeRecord &record) {
    return TextIn(key, record);
}

std::string WrittenValue(const NoticeKey &key, const NoticeRecord &record) {
    switch (key.form) {
    case KeyForm::Date:
        return FormatDateIso(record.*key.text);
    case KeyForm::Time:
        return FormatTime(record.*key.text);
    case KeyForm::Longitude:
    case KeyForm::Latitude: {
        const Coordinate &c = record.*key.position;
        return FormatCoordinate(c.deg, c.min, c.sec, c.hemi);
    }
    case KeyForm::Number:
    case KeyForm::ContourId:
        return {};
    case KeyForm::Text:
        break;
    }
    return *KeyText(key, record);
}

} // namespace ondrell
