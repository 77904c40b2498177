#pragma once

namespace lumivra {

// Up, disabled, down (being pressed), exclusive (stuck down in a group). The
// values also index a button's glyph strip.
enum class ButtonState : int { Up = 0, Disabled = 1, Down = 2, Exclusive = 3 };

// What a button has to do after a call of its machine; a set of these bits.
enum ButtonEffect : unsigned {
  kNoEffect = 0,
  kRepaint = 1,      // schedule a repaint
  kRepaintNow = 2,   // repaint at once
  kNotifyGroup = 4,  // tell the other buttons of the group (GroupPressed)
  kClick = 8,        // the press ended in a click
};

// The state of a skinned push button: a plain button, a flat (hover
// tracking) one or one of a group of exclusive toggle buttons.
class ButtonMachine {
public:
  ButtonState State() const { return state_; }
  bool Dragging() const { return dragging_; }
  bool Hot() const { return hot_; }
  bool Down() const { return down_; }
  int GroupIndex() const { return groupIndex_; }
  bool AllowAllUp() const { return allowAllUp_; }
  bool Flat() const { return flat_; }

  unsigned SetDown(bool down);
  unsigned SetGroupIndex(int index);
  unsigned SetAllowAllUp(bool allow);
  unsigned SetFlat(bool flat);
  // Another button of the parent was pressed or changed its group settings.
  unsigned GroupPressed(int groupIndex, bool senderDown, bool senderAllowAllUp);

  // Left press; only an enabled button reacts.
  unsigned Press(bool enabled);
  unsigned Move(int x, int y, int width, int height);
  unsigned Release(int x, int y, int width, int height);

  // Hover tracking; flat and enabled buttons only.
  unsigned Enter(bool enabled);
  unsigned Leave(bool enabled);
  // The hot state from the cursor: `underCursor` is whether the control
  // under the cursor is this button.
  unsigned UpdateHot(bool enabled, bool underCursor);

  // Before painting: a disabled button shows state disabled and stops
  // dragging; an enabled one leaves state disabled.
  void FixState(bool enabled);

  // Inside for the mouse logic: the bottom edge row counts, the right edge
  // column does not.
  static bool Inside(int x, int y, int width, int height);

private:
  ButtonState state_ = ButtonState::Up;
  bool dragging_ = false;
  bool hot_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool flat_ = false;
};

}  // namespace lumivra
