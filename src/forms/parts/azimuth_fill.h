#pragma once
// The Fill buttons of the azimuth tables (9EC, 9NH, 9NV): ask the fill-range dialog for a range
// of azimuths and a value, and write it into the boxes of that table.

#include <functional>

class QWidget;

namespace ondrell {

class FormControls;

// Connects every Fill button the form has; markTouched runs after each fill, cancelled or not.
void AttachAzimuthFill(QWidget &form, FormControls &controls, std::function<void()> markTouched);

} // namespace ondrell
