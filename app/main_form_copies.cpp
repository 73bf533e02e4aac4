// The save, Save As and Delete File commands of personalised copies.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTextEdit>
#include <QToolButton>

#include "app_context.h"
#include "command_guard.h"
#include "date_box.h"
#include "main_form.h"
#include "personal_copies.h"
#include "richtext/rtf_writer.h"

namespace kal {

namespace {

PromptAnswer Ask(PromptKind kind, const QString& text, PromptButtons buttons) {
  return App().prompt->Ask(kind, TMainForm::ApplicationTitle(), text, buttons);
}

// Writes the page as the day's copy and returns the file written. A copy
// that did not read cleanly is replaced only when the user agrees, and is
// kept as a .bak first.
QString WritePersonalCopy(TMainForm& form, QTextEdit& editor) {
  const QString shown = form.PersonalFileName;
  const QString target = PersonalCopySaveTarget(shown);
  if (form.PersonalCopyDamaged && QFile::exists(shown)) {
    const PromptAnswer answer =
        Ask(PromptKind::Confirmation,
            "The personalized file\r\n" + shown + "\r\nis damaged: only the text that could be read is shown.\r\n\r\n"
                "Replace it with the page as it is now? The damaged file is kept as\r\n" + shown + ".bak",
            PromptButtons::OkCancel);
    if (answer != PromptAnswer::Ok) throw AbortCommand();
    KeepBackup(shown);
  }
  RemoveOrphanedTemporaries(target);
  WriteFileAtomically(target, richtext::writeRtf(*editor.document()));
  form.PersonalCopyDamaged = false;
  return target;
}

}  // namespace

void TMainForm::SaveCommand(QObject* sender) {
  const bool exists = QFile::exists(PersonalFileName);
  if (LeavingPage) {
    const PromptAnswer answer = Ask(PromptKind::Confirmation,
                                    exists ? "Text has changed. Save changes/additions to personalized file?"
                                           : "Text has changed. Create new personalized file?",
                                    PromptButtons::YesNoCancel);
    if (answer == PromptAnswer::Yes) {
      RedrawFreeze freeze(this);
      const QString saved = WritePersonalCopy(*this, *editor_);
      dateBox_->LoadDay(false);
      editor_->document()->setModified(false);
      StatusText = "Saved as " + saved;
      ShowStatusText();
    } else if (answer == PromptAnswer::No) {
      RedrawFreeze freeze(this);
      // Commands that may leave the same page on display get the page back
      // without the edits; the others replace the page themselves.
      static const char* const kSamePage[] = {"MSelectDate", "MTBSelectDate", "MGoToDate", "MPrint",
                                              "MPrintRange", "MFindSaint",    "MTBFindSaint"};
      const QString name = sender ? sender->objectName() : QString();
      const bool samePage = std::any_of(std::begin(kSamePage), std::end(kSamePage),
                                        [&](const char* candidate) { return name == candidate; });
      if (samePage) {
        dateBox_->LoadDay(false);
      } else {
        editor_->document()->setModified(false);
      }
      FollowSelection();
    } else {
      throw AbortCommand();
    }
    return;
  }

  if (exists && !editor_->document()->isModified()) {
    Ask(PromptKind::Information, "No changes have been made.", PromptButtons::Ok);
    return;
  }
  const PromptAnswer answer =
      Ask(PromptKind::Confirmation, exists ? "Save changes/additions to personalized file?" : "Create new personalized file?",
          PromptButtons::OkCancel);
  if (answer != PromptAnswer::Ok) return;
  RedrawFreeze freeze(this);
  const QString saved = WritePersonalCopy(*this, *editor_);
  if (!exists || saved != PersonalFileName) {
    // The page now shows the copy, with its background and status.
    dateBox_->LoadDay(false);
    FollowSelection();
  }
  editor_->document()->setModified(false);
  // The copy's name is upper case; the folder is shown as it really is.
  StatusText = "Saved as " + saved;
  ShowStatusText();
}

void TMainForm::SaveAsCommand() {
  const QString chosen = WithDefaultExtension(App().prompt->ChooseSaveFile(App().programFolder));
  if (chosen.isEmpty()) return;
  const QString extension = QFileInfo(chosen).suffix().toUpper();
  if (extension == "RTF") {
    WriteFileAtomically(chosen, richtext::writeRtf(*editor_->document()));
  } else {
    WriteFileAtomically(chosen, editor_->document()->toPlainText().toUtf8());
  }
  // The path as the file really is named: on a case-sensitive disk an
  // upper-cased one would name no file.
  StatusText = "Saved as " + chosen;
  editor_->document()->setModified(false);
  ShowStatusText();
}

void TMainForm::DeleteFileCommand() {
  const bool troparion = !ReadingsView();
  if (!QFile::exists(PersonalFileName)) {
    Ask(PromptKind::Information,
        (troparion ? "No personalized troparia and kontakia\r\nfile exists for "
                   : "No personalized bible readings\r\nfile exists for ") +
            DateCaption() + ".",
        PromptButtons::Ok);
    return;
  }
  if (Ask(PromptKind::Confirmation,
          troparion ? "Delete personalized troparia and kontakia file?" : "Delete personalized bible readings file?",
          PromptButtons::OkCancel) != PromptAnswer::Ok)
    return;
  if (Ask(PromptKind::Confirmation,
          "This will remove the file\r\n" + PersonalFileName + "\r\nfrom your hard disk.\r\n\r\nAre you sure?",
          PromptButtons::YesNo) != PromptAnswer::Yes)
    return;
  RedrawFreeze freeze(this);
  const QString path = PersonalFileName;
  const bool deleted = QFile::remove(PersonalFileName);
  dateBox_->LoadDay(false);
  StatusText = deleted ? path + " Deleted." : "Unable to Delete " + path + ".";
  editor_->document()->setModified(false);
  FollowSelection();
  ShowStatusText();
}

}  // namespace kal
