#pragma once
// Numbered English texts of titles, captions and tooltips, loaded by identifier.

#include <QString>

namespace ondrell {

// The text of the identifier, or "" when the table has none.
QString LoadString(int id);

} // namespace ondrell
