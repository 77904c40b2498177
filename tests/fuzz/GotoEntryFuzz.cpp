// Any text pasted into the go-to field, and the same bytes typed into it key
// by key: what the keys let in always gives a target or nothing, never an error.
#include <cstdint>
#include <string>

#include "content/ContentError.h"
#include "dialogs/GotoEntry.h"

using namespace lumivra;

namespace {

void CheckTarget(const std::optional<GotoTarget>& target) {
  if (target && (target->chapter < 1 || target->chapter > 114)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  SplitGotoText(text);
  try {
    CheckTarget(ValidateGotoText(text));
  } catch (const ContentError&) {
    // pasted text that is not a number: the dialog reports it
  }

  std::string typed;
  for (const char key : text) {
    switch (GotoKeyPress(typed, key)) {
      case GotoKeyAction::kInsert:
        if (key == '\b') {
          if (!typed.empty()) typed.pop_back();
        } else if (typed.size() < static_cast<size_t>(kGotoTextMaxLength)) {
          typed += key;
        }
        break;
      case GotoKeyAction::kAccept:
        CheckTarget(ValidateGotoText(typed));
        break;
      case GotoKeyAction::kSwallow:
        break;
    }
  }
  CheckTarget(ValidateGotoText(typed));
  return 0;
}
