#pragma once
// The on/off buttons (full screen, music, sound effects, god mode) report their state to their
// own object, where the toggle animator shows it: after every press, and once after waking.
class Component;

void QueueToggled(const Component& button, bool on);
