// The font every window of the program starts from.
#pragma once

namespace ondrell {

// The platform's font, laid out without OpenType shaping where the script needs none: the
// program's texts are Latin (notice files hold single-byte Windows-1252 text), and shaping every
// label through HarfBuzz is a large part of opening a window. Scripts that need shaping still get it.
void UseApplicationFont();

} // namespace ondrell
