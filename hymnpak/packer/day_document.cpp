#include "day_document.h"

namespace hymnpak {

namespace {

// Plain text of a paragraph, RTF-escaped; bytes above 127 as \'hh.
std::string escaped(const std::string& text) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 8);
    for (unsigned char c : text) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x80) {
            out += "\\'";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void paragraph(std::string& rtf, const std::string& text) {
    rtf += escaped(text);
    rtf += "\\par\r\n";
}

// Heading: underlined heading text, four plain spaces, underlined "Tone N".
// The space after \ulnone only ends the control word; the four spaces follow it.
void hymns(std::string& rtf, const std::vector<Hymn>& list) {
    for (const Hymn& h : list) {
        rtf += "\\ul " + escaped(h.heading) + "\\ulnone     \\ul Tone " + std::to_string(h.tone) +
               "\\ulnone\\par\r\n";
        paragraph(rtf, h.text);
        rtf += "\\par\r\n";
    }
}

}  // namespace

std::string dayDocumentRtf(const Day& day) {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
        "{\\f2\\froman\\fcharset0 Times New Roman;}";
    if (day.hasSection) rtf += "{\\f3\\fswiss\\fcharset0 Arial;}";
    rtf += "}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
           "\\pard\\plain\\f2\\fs24\\cf0 ";
    for (const auto& line : day.title) paragraph(rtf, line);
    rtf += "\\par\r\n";
    hymns(rtf, day.hymns);
    if (day.hasSection) {
        // The run of days stands in Arial above the section's title.
        rtf += "\\f3 " + escaped(day.section.run) + "\\f2\\par\r\n";
        for (const auto& line : day.section.title) paragraph(rtf, line);
        rtf += "\\par\r\n";
        hymns(rtf, day.section.hymns);
    }
    rtf += "}\r\n";
    return rtf;
}

}  // namespace hymnpak
