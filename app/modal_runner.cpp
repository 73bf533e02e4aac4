#include "modal_runner.h"

#include <QDialog>

#include "prompt.h"

namespace kal {
namespace {

std::function<int(QDialog&)>& Runner() {
  static std::function<int(QDialog&)> runner;
  return runner;
}

}  // namespace

int RunModal(QDialog& dialog) {
  // Opened over the window that asked for it, and the owner of the boxes
  // it raises while it is open.
  StayOverParent(dialog);
  const PromptOwner owner(&dialog);
  if (Runner()) return Runner()(dialog);
  return dialog.exec();
}

void SetModalRunner(std::function<int(QDialog&)> runner) { Runner() = std::move(runner); }

}  // namespace kal
