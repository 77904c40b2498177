#pragma once
#include <cstddef>

namespace lumivra {

// Maps in at once the whole pages of memory in [data, data + size) that a
// large buffer is about to fill, so that filling it takes no page fault per
// page. Does nothing where the system cannot.
void Prefault(void* data, std::size_t size);

}  // namespace lumivra
