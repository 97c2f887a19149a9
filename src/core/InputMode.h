#pragma once

class QWidget;

// Switches the keyboard input of a control to Hangul (on) or Latin (off). On Windows the
// input method's conversion mode is set; elsewhere the control asks the input method to
// prefer Latin input (off) or lifts that hint (on), which input methods that read the hints
// (fcitx, ibus) follow.
void SetHangulMode(QWidget *control, bool on);
