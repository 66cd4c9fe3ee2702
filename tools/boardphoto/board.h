// The drawing of the serial board seen from above, 600 x 288, with its parts where the product's
// circles mark them: power header and USB receptacle on the left edge, DB9 on the right, five LEDs below.
#pragma once

#include "tools/boardphoto/canvas.h"

namespace boardphoto {

Canvas DrawBoard();

}  // namespace boardphoto
