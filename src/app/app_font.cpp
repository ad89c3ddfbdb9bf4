#include "app/app_font.h"

#include <QApplication>
#include <QFont>

namespace ondrell {

void UseApplicationFont() {
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

} // namespace ondrell
