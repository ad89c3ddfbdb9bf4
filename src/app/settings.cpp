#include "app/settings.h"

#include <QSettings>

namespace ondrell {

namespace {

QString Key(const QString &key) {
    return QStringLiteral("Settings/") + key;
}

} // namespace

QString ReadSetting(const QString &key) {
    return QSettings(QStringLiteral("GE06_Requirements"), QString()).value(Key(key)).toString();
}

void WriteSetting(const QString &key, const QString &value) {
    QSettings store(QStringLiteral("GE06_Requirements"), QString());
    store.setValue(Key(key), value);
}

} // namespace ondrell
