#pragma once
// Runs one save so that no failure inside it ends the program: an exception thrown while the file's
// text is made or written (a value of a kind nobody expected, memory running out) is reported with
// an "[ERROR]" line naming what was being saved, and the save counts as one that wrote nothing.
// Every writer replaces its file only with a whole text (WriteFileAtomically), so the file keeps
// what it held, and the program, with every unsaved change, runs on.
#include <functional>
#include <string>

// `what` names the saved thing for the report: "The level \"skirmish\"". Returns what `save`
// returned, or false after the report.
bool GuardedSave(const std::string& what, const std::function<bool()>& save);
