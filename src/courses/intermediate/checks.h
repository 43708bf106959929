#pragma once

#include <span>

#include "core/screen_id.h"

namespace kairo {

struct CheckSpec;

// The answer check of an exercise screen of the alternating-current course (nullptr for any other
// screen).
const CheckSpec* acCheck(ScreenId screen);
// Every answer check of the course, one per exercise screen.
std::span<const CheckSpec> acChecks();

}  // namespace kairo
