#pragma once

#include "core/check.h"

namespace kairo {

class Session;

// One press of the answer-check button described by `check`: reads the boxes, lets the core
// decide, and applies the outcome to the state and the windows.
void runCheck(Session& session, const CheckSpec& check);

// Empties what an exercise window shows of an earlier attempt: its answer boxes, verdict, answer
// labels, and the miss label ("0").
void resetExercise(Session& session, const CheckSpec& check);

}  // namespace kairo
