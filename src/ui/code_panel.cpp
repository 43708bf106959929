#include "ui/code_panel.h"

#include "ui/session.h"

namespace kairo {

void showCircuitCode(Session& app, QStringView code) {
  for (std::size_t i = 0; i < kCodePanelLabels.size(); ++i)
    app.setText(screens::SetForm, QString::fromUtf8(kCodePanelLabels[i]),
                code.mid(qsizetype(i), 1).toString());
}

}  // namespace kairo
