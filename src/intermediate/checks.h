#pragma once

#include "app/screens.h"

namespace kairo {

struct CheckSpec;

// The answer check of an exercise screen of the alternating-current course (nullptr for any other
// screen).
const CheckSpec* acCheck(ScreenId screen);

}  // namespace kairo
