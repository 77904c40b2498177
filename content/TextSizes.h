#pragma once
#include <cstdint>

namespace lumivra {

// The text sizes of the browser views in percent, smallest first.
inline constexpr int32_t kTextSizes[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
inline constexpr int32_t kNormalTextSize = 100;

// Whether `percent` is one of kTextSizes.
bool IsTextSize(int32_t percent);

// The size `steps` steps larger (negative: smaller) than `percent`, held at
// both ends of kTextSizes; a `percent` that is not a size counts as 100.
int32_t StepTextSize(int32_t percent, int steps);

}  // namespace lumivra
