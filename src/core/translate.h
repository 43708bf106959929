#pragma once

#include <QCoreApplication>
#include <QString>

namespace kairo {

// Every text the program shows is translated in the one context "Kairo". Tables hold the Japanese
// source texts, marked with QT_TRANSLATE_NOOP("Kairo", ...) so that lupdate collects them, and
// the text is looked up where it is shown. A text not in the catalogue shows as it is.
inline constexpr char kTextContext[] = "Kairo";

inline QString translated(const char* source) {
  if (!source || !*source) return QString();
  return QCoreApplication::translate(kTextContext, source);
}

}  // namespace kairo
