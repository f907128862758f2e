// Action: a command object with one operation, run when a button is tapped, a menu entry is
// chosen or an icon is pressed. The button (or menu) that holds an action owns it and deletes
// it together with itself. Actions that release something of their own when they die do it
// in their destructor.
#pragma once

class Action {
 public:
  Action() = default;
  virtual ~Action() = default;
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  // Runs the command. An action may delete the control that holds it (a menu entry closing
  // its menu) only through LightControl::DeleteLater, and touches nothing of itself after
  // that.
  virtual void Execute() = 0;
};
