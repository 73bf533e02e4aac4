// The benchmarks' prompt: every message box is answered Cancel at once.
#pragma once

#include "prompt.h"

class SilentPrompt : public kal::Prompt {
 public:
  kal::PromptAnswer Ask(kal::PromptKind, const QString&, const QString&, kal::PromptButtons,
                        std::optional<QPoint>) override {
    return kal::PromptAnswer::Cancel;
  }
  QString ChooseSaveFile(const QString&) override { return {}; }
};
