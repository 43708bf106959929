#include "calc/number.h"
#include "diagram/canvas.h"

namespace kairo {

// Numbers given to printItems are written the way printedNumber() writes them.
PrintItem::PrintItem(int number) : text(printedNumber(number)) {}
PrintItem::PrintItem(double number) : text(printedNumber(number)) {}

}  // namespace kairo
