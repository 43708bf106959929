#pragma once

#include <QHashFunctions>
#include <QString>
#include <string_view>

namespace kairo {

// A window, by its object name ("StartF", "説明"). The default value names no window.
struct ScreenId {
  const char* utf8 = nullptr;

  constexpr bool isNone() const { return utf8 == nullptr; }
  QString name() const { return QString::fromUtf8(utf8); }
  friend constexpr bool operator==(ScreenId a, ScreenId b) {
    if (!a.utf8 || !b.utf8) return a.utf8 == b.utf8;
    return std::string_view(a.utf8) == std::string_view(b.utf8);
  }
  // By name, for ordered containers; no window first.
  friend constexpr bool operator<(ScreenId a, ScreenId b) {
    if (!a.utf8 || !b.utf8) return !a.utf8 && b.utf8;
    return std::string_view(a.utf8) < std::string_view(b.utf8);
  }
};

inline size_t qHash(ScreenId id, size_t seed = 0) {
  return id.isNone() ? seed : qHash(QByteArrayView(id.utf8), seed);
}

// Every window's id. The program's own windows are named here; each course names its windows in
// its own folder, in this same namespace.
namespace screens {
inline constexpr ScreenId StartF{"StartF"};
inline constexpr ScreenId Setsumei{"説明"};
inline constexpr ScreenId SetForm{"SetForm"};
inline constexpr ScreenId Tokikata{"解き方"};  // the worked solution
inline constexpr ScreenId Kiroku{"記録"};      // the learning record
}  // namespace screens

// The windows of the program apart from the courses.
inline constexpr ScreenId kProgramScreens[] = {screens::StartF, screens::Setsumei, screens::SetForm,
                                               screens::Tokikata, screens::Kiroku};

}  // namespace kairo
