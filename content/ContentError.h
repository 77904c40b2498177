#pragma once
#include <stdexcept>
#include <string>

namespace lumivra {

// A failure whose text is shown to the user as it stands
// ("Resource TL7 not found", "List index out of bounds (3)").
class ContentError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumivra
