#include "app/form_registry.h"

#include <map>

namespace ondrell {

namespace {

// Built on first use: registrations run during static initialisation in any order.
std::map<FormKind, NoticeFormFactory> &Factories() {
    static std::map<FormKind, NoticeFormFactory> factories;
    return factories;
}

} // namespace

bool RegisterNoticeForm(FormKind kind, NoticeFormFactory factory) {
    Factories()[kind] = std::move(factory);
    return true;
}

std::unique_ptr<QDialog> CreateNoticeForm(FormKind kind, QWidget *parent) {
    auto it = Factories().find(kind);
    return it == Factories().end() ? nullptr : it->second(parent);
}

} // namespace ondrell
