#include "content/TextSizes.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace lumivra {

bool IsTextSize(int32_t percent) {
  return std::find(std::begin(kTextSizes), std::end(kTextSizes), percent) != std::end(kTextSizes);
}

int32_t StepTextSize(int32_t percent, int steps) {
  const auto* at = std::find(std::begin(kTextSizes), std::end(kTextSizes),
                             IsTextSize(percent) ? percent : kNormalTextSize);
  const auto index = std::clamp<std::ptrdiff_t>(at - std::begin(kTextSizes) + steps, 0,
                                                std::size(kTextSizes) - 1);
  return kTextSizes[index];
}

}  // namespace lumivra
