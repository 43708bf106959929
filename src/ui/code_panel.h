#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace kairo {

// The eight one-character labels of the circuit-code panel on the drawing screen, in code order.
inline constexpr std::array<const char*, 8> kCodePanelLabels = {"lblE",  "lbls1", "lbls2", "lbls3",
                                                                "lblz1", "lblz2", "lblz3", "lblxx"};

class Session;

// Writes the code into the panel, one character per label (labels past its end are emptied).
void showCircuitCode(Session& app, QStringView code);
// The code the panel shows: the problem on the drawing, however it was posed.
QString shownCircuitCode(Session& app);

}  // namespace kairo
