#pragma once

#include <functional>

class QDialog;

// Every modal dialog of the module runs through here, so that a test can
// act inside the dialog's modal loop instead of a person.
namespace CvModal {

// Runs once for each dialog shown by Exec, inside its modal loop, before any
// work the dialog posts to itself when it is shown. Empty: nothing runs.
using ShownHook = std::function<void(QDialog&)>;
void SetShownHook(ShownHook hook);

// Shows `dialog` modally; returns its result. Enter presses a button only
// where the button has the focus.
int Exec(QDialog& dialog);

}  // namespace CvModal
