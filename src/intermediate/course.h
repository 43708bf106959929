#pragma once

#include "app/screens.h"

namespace kairo {

// The window factories of the alternating-current course (nullptr for a screen not of theirs).
QWidget* createAcExercise(Application& app, ScreenId id);
QWidget* createAcResult(Application& app, ScreenId id);

}  // namespace kairo
