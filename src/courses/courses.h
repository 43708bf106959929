#pragma once

#include <span>

#include "ui/course.h"

namespace kairo {

// The courses of the drill, in the order of the start screen's buttons. The program learns of a
// course here and nowhere else.
std::span<const CourseDefinition* const> courses();

}  // namespace kairo
