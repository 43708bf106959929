#pragma once

#include <QWidget>

#include "core/screen_id.h"

namespace kairo {

class Session;

// The windows of the alternating-current course (Normal*).
QWidget* createAcScreen(Session& session, ScreenId id);
// The window factories behind it (nullptr for a screen not of theirs).
QWidget* createAcExercise(Session& session, ScreenId id);
QWidget* createAcResult(Session& session, ScreenId id);

}  // namespace kairo
