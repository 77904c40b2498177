#include "skin/ButtonMachine.h"

namespace lumivra {

bool ButtonMachine::Inside(int x, int y, int width, int height) {
  return x >= 0 && x < width && y >= 0 && y <= height;
}

unsigned ButtonMachine::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_ || (down_ && !allowAllUp_)) return kNoEffect;
  down_ = down;
  if (!down) {
    state_ = ButtonState::Up;
    return kRepaintNow;
  }
  const unsigned repaint = state_ == ButtonState::Up ? kRepaint : kNoEffect;
  state_ = ButtonState::Exclusive;
  return repaint | kNotifyGroup;
}

unsigned ButtonMachine::SetGroupIndex(int index) {
  if (index == groupIndex_) return kNoEffect;
  groupIndex_ = index;
  return kNotifyGroup;
}

unsigned ButtonMachine::SetAllowAllUp(bool allow) {
  if (allow == allowAllUp_) return kNoEffect;
  allowAllUp_ = allow;
  return kNotifyGroup;
}

unsigned ButtonMachine::SetFlat(bool flat) {
  if (flat == flat_) return kNoEffect;
  flat_ = flat;
  if (!flat) hot_ = false;
  return kRepaint;
}

unsigned ButtonMachine::GroupPressed(int groupIndex, bool senderDown, bool senderAllowAllUp) {
  if (groupIndex == 0 || groupIndex != groupIndex_) return kNoEffect;
  unsigned effect = kNoEffect;
  if (senderDown && down_) {
    down_ = false;
    state_ = ButtonState::Up;
    effect = kRepaint;
  }
  allowAllUp_ = senderAllowAllUp;
  return effect;
}

unsigned ButtonMachine::Press(bool enabled) {
  if (!enabled) return kNoEffect;
  unsigned effect = kNoEffect;
  if (!down_) {
    state_ = ButtonState::Down;
    effect = kRepaint;
  }
  dragging_ = true;
  return effect;
}

unsigned ButtonMachine::Move(int x, int y, int width, int height) {
  if (!dragging_) return kNoEffect;
  const bool inside = Inside(x, y, width, height);
  const ButtonState next = down_ ? ButtonState::Exclusive : inside ? ButtonState::Down : ButtonState::Up;
  if (next == state_) return kNoEffect;
  state_ = next;
  return kRepaint;
}

unsigned ButtonMachine::Release(int x, int y, int width, int height) {
  if (!dragging_) return kNoEffect;
  dragging_ = false;
  const bool inside = Inside(x, y, width, height);
  unsigned effect = kNoEffect;
  if (groupIndex_ == 0) {
    // Also when released outside without a move there: the face comes up.
    if (inside || state_ != ButtonState::Up) effect = kRepaint;
    state_ = ButtonState::Up;
    hot_ = false;
  } else if (inside) {
    effect = SetDown(!down_);
    if (down_) effect |= kRepaintNow;
  } else {
    state_ = down_ ? ButtonState::Exclusive : ButtonState::Up;
    effect = kRepaintNow;
  }
  return inside ? effect | kClick : effect;
}

unsigned ButtonMachine::Enter(bool enabled) {
  if (!flat_ || !enabled) return kNoEffect;
  hot_ = true;
  return kRepaintNow;
}

unsigned ButtonMachine::Leave(bool enabled) {
  if (!flat_ || !enabled || dragging_) return kNoEffect;
  hot_ = false;
  return kRepaint;
}

unsigned ButtonMachine::UpdateHot(bool enabled, bool underCursor) {
  if (!flat_) return kNoEffect;
  hot_ = enabled && underCursor;
  return kRepaint;
}

void ButtonMachine::FixState(bool enabled) {
  if (!enabled) {
    state_ = ButtonState::Disabled;
    dragging_ = false;
  } else if (state_ == ButtonState::Disabled) {
    state_ = down_ && groupIndex_ != 0 ? ButtonState::Exclusive : ButtonState::Up;
  }
}

}  // namespace lumivra
