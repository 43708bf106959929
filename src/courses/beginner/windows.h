#pragma once

#include "core/screen_id.h"

// The windows of the beginner course (EASY).
namespace kairo::screens {
// exercises
inline constexpr ScreenId EasyR1{"EasyR1"};
inline constexpr ScreenId EasyR2{"EasyR2"};
inline constexpr ScreenId EasyRHei{"EasyR並"};
inline constexpr ScreenId EasyA{"EasyA"};
inline constexpr ScreenId EasyA2{"EasyA2"};
inline constexpr ScreenId EasyA3{"EasyA3"};
inline constexpr ScreenId EasyAHei{"EasyA並"};
// results
inline constexpr ScreenId EasyRSeikai{"EasyR正解"};
inline constexpr ScreenId EasyRHeiSeikai{"EasyR並正解"};
inline constexpr ScreenId EasyAHeiSeikai{"EasyA並正解"};
inline constexpr ScreenId EasyASeikai{"EasyA正解"};
inline constexpr ScreenId EasyRFuseikai1{"EasyR不正解1"};
inline constexpr ScreenId EasyR2Fuseikai1{"EasyR2不正解1"};
inline constexpr ScreenId EasyRHeiFuseikai1{"EasyR並不正解1"};
inline constexpr ScreenId EasyAFuseikai1{"EasyA不正解1"};
inline constexpr ScreenId EasyA2Fuseikai1{"EasyA2不正解1"};
inline constexpr ScreenId EasyA3Fuseikai1{"EasyA3不正解1"};
inline constexpr ScreenId EasyAHeiFuseikai1{"EasyA並不正解1"};
inline constexpr ScreenId EasyRFuseikai2{"EasyR不正解2"};
inline constexpr ScreenId EasyAFuseikai2{"EasyA不正解2"};
inline constexpr ScreenId EasyAFuseikai3{"EasyA不正解3"};
inline constexpr ScreenId EasyREND{"EasyREND"};
}  // namespace kairo::screens
