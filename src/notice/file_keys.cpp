#include "notice/file_keys.h"

#include "notice/file_format.h"

#include <unordered_map>

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

} // namespace

const NoticeKey *FindNoticeKey(std::string_view name) {
    static const auto *index = [] {
        auto *map = new std::unordered_map<std::string_view, const NoticeKey *>();
        for (const auto &key : kNoticeKeys)
            map->emplace(key.name, &key);
        return map;
    }();
    const auto it = index->find(name);
    return it == index->end() ? nullptr : it->second;
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
