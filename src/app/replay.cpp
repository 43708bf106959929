#include "app/replay.h"

#include "app/application.h"

namespace kairo {

void replayCode(Application& app) { app.open(ScreenId::SetForm); }

}  // namespace kairo
