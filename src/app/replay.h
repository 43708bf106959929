#pragma once

namespace kairo {

class Application;

// "コード実行" on the start screen: rebuilds the problem whose circuit code is in passtxt.
void replayCode(Application& app);

}  // namespace kairo
