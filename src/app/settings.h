#pragma once
// The per-user settings store: application "GE06_Requirements", section "Settings".

#include <QString>

namespace ondrell {

// Missing keys read as "".
QString ReadSetting(const QString &key);
void WriteSetting(const QString &key, const QString &value);

} // namespace ondrell
