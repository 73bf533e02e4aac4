#pragma once
// Plain verse text from the OSIS markup of a SWORD module entry.

#include <string>
#include <string_view>

namespace biblemake {

// Keeps the words of a verse and drops everything a reader would not read
// aloud: notes, cross-references, headings, speakers and the word tags.
// The divine name is written in capitals; italic (added) words and the
// words of Christ keep their text. Where a dropped element stood between
// two words with no space around it, one space is put back. Text stops at
// the start of another book or of an appendix (the module runs the next
// book or its glossary into a verse in a few places). Whitespace runs
// become single spaces; the result is trimmed. Throws std::runtime_error on
// markup it cannot read.
std::string OsisToPlainText(std::string_view osis);

}  // namespace biblemake
