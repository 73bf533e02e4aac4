// Modal dialogs of the commands run through one function, so that a test can
// fill a dialog in and close it with OK or Cancel instead of entering its
// event loop.
#pragma once

#include <functional>

class QDialog;

namespace kal {

// Shows the dialog modally over its parent and returns its result
// (QDialog::Accepted or QDialog::Rejected). Message boxes raised while it is
// open open over it.
int RunModal(QDialog& dialog);

// Replaces how RunModal shows a dialog; an empty function restores exec().
void SetModalRunner(std::function<int(QDialog&)> runner);

}  // namespace kal
