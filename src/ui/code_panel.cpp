#include "ui/code_panel.h"

#include "ui/session.h"

namespace kairo {

void showCircuitCode(Session& app, QStringView code) {
  for (std::size_t i = 0; i < kCodePanelLabels.size(); ++i)
    app.setText(screens::SetForm, QString::fromUtf8(kCodePanelLabels[i]),
                code.mid(qsizetype(i), 1).toString());
}

}  // namespace kairo

namespace kairo {

QString shownCircuitCode(Session& app) {
  QString code;
  for (const char* label : kCodePanelLabels)
    code += app.text(screens::SetForm, QString::fromUtf8(label));
  return code;
}

}  // namespace kairo
