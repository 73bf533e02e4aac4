#include "hymn_source.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>

namespace hymnpak {

namespace {

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool startsWith(const std::string& s, const std::string& p) {
    return s.compare(0, p.size(), p) == 0;
}

// The Windows-1252 bytes 0x80..0x9F that stand for characters outside Latin-1.
const std::map<unsigned, unsigned char>& cp1252High() {
    static const std::map<unsigned, unsigned char> m = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
        {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
        {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
        {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x017E, 0x9E}, {0x0178, 0x9F}};
    return m;
}

}  // namespace

std::string Day::commemorations() const {
    std::string row;
    for (const auto& line : title) {
        if (!row.empty()) row += ' ';
        row += line;
    }
    return row;
}

int daysInMonth(int month) {
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? days[month - 1] : 0;
}

bool dayHasExtraSection(int month, int day) {
    switch (month) {
    case 7: return day >= 13 && day <= 19;
    case 9: return day >= 22 && day <= 28;
    case 10: return day >= 11 && day <= 17;
    case 12: return day >= 11 && day <= 24;
    default: return false;
    }
}

bool utf8ToCp1252(const std::string& in, std::string& out) {
    out.clear();
    for (size_t i = 0; i < in.size();) {
        unsigned char c = static_cast<unsigned char>(in[i]);
        unsigned cp;
        int extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else return false;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= in.size()) return false;
            unsigned char cc = static_cast<unsigned char>(in[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += extra + 1;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
        } else {
            auto it = cp1252High().find(cp);
            if (it == cp1252High().end()) return false;
            out += static_cast<char>(it->second);
        }
    }
    return true;
}

bool isAllowedHeading(const std::string& h) {
    if (h == "Troparion" || h == "Kontakion" || h == "Troparion for the Eve" ||
        h == "Kontakion for the Eve")
        return true;
    for (const char* p : {"Troparion of ", "Kontakion of ", "Another Troparion of ",
                          "Another Kontakion of "}) {
        std::string prefix = p;
        if (startsWith(h, prefix) && h.size() > prefix.size()) return true;
    }
    return false;
}

bool isBareHeading(const std::string& h) { return h == "Troparion" || h == "Kontakion"; }

namespace {

// Splits "a | b | c" into trimmed fields.
std::vector<std::string> splitBars(const std::string& s) {
    std::vector<std::string> fields;
    size_t from = 0;
    for (;;) {
        size_t bar = s.find('|', from);
        fields.push_back(trim(s.substr(from, bar == std::string::npos ? std::string::npos : bar - from)));
        if (bar == std::string::npos) return fields;
        from = bar + 1;
    }
}

bool validId(const std::string& id) {
    if (id.empty()) return false;
    for (unsigned char c : id)
        if (!(std::islower(c) || std::isdigit(c) || c == '-')) return false;
    return true;
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

}  // namespace

std::vector<Day> parseHymnSource(const std::string& path, std::vector<Diagnostic>& errors) {
    return parseHymnFile(path, errors).days;
}

void resolveSharedHymns(std::vector<Day>& days, const std::vector<SharedHymn>& shared,
                        std::vector<Diagnostic>& errors) {
    std::map<std::string, const SharedHymn*> byId;
    for (const auto& s : shared)
        if (!byId.emplace(s.id, &s).second)
            errors.push_back({s.file, s.line, "shared hymn \"" + s.id + "\" is defined twice"});
    auto resolve = [&](const Day& d, Hymn& h) {
        if (h.ref.empty()) return;
        auto it = byId.find(h.ref);
        if (it == byId.end()) {
            errors.push_back({d.file, h.line, "reference to a shared hymn that does not exist: \"" + h.ref + "\""});
            return;
        }
        const Hymn& s = it->second->hymn;
        h.heading = h.refHeading.empty() ? s.heading : h.refHeading;
        h.tone = s.tone;
        h.text = s.text;
        if (!h.refName.empty()) {
            replaceAll(h.heading, "{name}", h.refName);
            replaceAll(h.text, "{name}", h.refName);
        }
        if (h.heading.find("{name}") != std::string::npos || h.text.find("{name}") != std::string::npos)
            errors.push_back({d.file, h.line, "shared hymn \"" + h.ref + "\" needs a name: < " + h.ref +
                                                  " | heading | name"});
        if (!isAllowedHeading(h.heading) || isBareHeading(h.heading))
            errors.push_back({d.file, h.line, "heading not in an allowed form: \"" + h.heading + "\""});
    };
    for (Day& d : days) {
        for (Hymn& h : d.hymns) resolve(d, h);
        for (Hymn& h : d.section.hymns) resolve(d, h);
    }
}

SourceFile parseHymnFile(const std::string& path, std::vector<Diagnostic>& errors) {
    SourceFile source;
    std::vector<Day>& days = source.days;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors.push_back({path, 0, "cannot open file"});
        return source;
    }
    auto fail = [&](int line, const std::string& msg) { errors.push_back({path, line, msg}); };

    enum class Where { Outside, Title, Hymns, SectionTitle, Shared };
    Where where = Where::Outside;
    Day* day = nullptr;
    Hymn* hymn = nullptr;       // hymn whose text is being gathered
    bool hymnOpen = false;      // lines after a heading until a blank line
    SharedHymn* sharedOpen = nullptr;  // "$ id" waiting for its heading
    std::string raw;
    int lineNo = 0;

    auto hymnList = [&]() -> std::vector<Hymn>& {
        return day->hasSection ? day->section.hymns : day->hymns;
    };
    auto closeHymn = [&]() {
        if (hymnOpen && hymn && hymn->text.empty()) fail(lineNo, "hymn \"" + hymn->heading + "\" has no text");
        hymnOpen = false;
        hymn = nullptr;
    };

    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string line;
        if (!utf8ToCp1252(raw, line)) {
            fail(lineNo, "character outside Windows-1252 or bad UTF-8");
            continue;
        }
        std::string t = trim(line);
        if (startsWith(t, "#")) continue;
        if (t.empty()) {
            closeHymn();
            continue;
        }
        if (startsWith(t, "$")) {
            closeHymn();
            const std::string id = trim(t.substr(1));
            if (!validId(id)) fail(lineNo, "shared hymn id \"" + id + "\" (lower-case letters, digits and '-')");
            source.shared.push_back(SharedHymn{id, Hymn{}, path, lineNo});
            sharedOpen = &source.shared.back();
            day = nullptr;
            where = Where::Shared;
            continue;
        }
        if (startsWith(t, "@")) {
            closeHymn();
            int m = 0, d = 0;
            char slash = 0;
            std::string rest = trim(t.substr(1));
            if (std::sscanf(rest.c_str(), "%d%c%d", &m, &slash, &d) != 3 || slash != '/' ||
                m < 1 || m > 12 || d < 1 || d > daysInMonth(m) || rest.size() != 5) {
                fail(lineNo, "bad day line \"" + t + "\" (expected @ mm/dd)");
                day = nullptr;
                where = Where::Outside;
                continue;
            }
            days.push_back(Day{});
            day = &days.back();
            day->month = m;
            day->day = d;
            day->file = path;
            day->line = lineNo;
            where = Where::Title;
            continue;
        }
        if (where == Where::Shared) {
            // "$ id", then its heading line, then its text up to a blank line.
            if (!hymnOpen) {
                size_t bar = t.rfind('|');
                if (!sharedOpen || bar == std::string::npos) {
                    fail(lineNo, "a shared hymn starts with \"$ id\" and then its heading line");
                    continue;
                }
                Hymn& h = sharedOpen->hymn;
                h.heading = trim(t.substr(0, bar));
                h.line = lineNo;
                const std::string tone = trim(t.substr(bar + 1));
                if (tone.size() != 6 || !startsWith(tone, "Tone ") || tone[5] < '1' || tone[5] > '8')
                    fail(lineNo, "bad tone \"" + tone + "\" (expected Tone 1 to Tone 8)");
                else
                    h.tone = tone[5] - '0';
                std::string shown = h.heading;
                replaceAll(shown, "{name}", "X");
                if (!isAllowedHeading(shown) || isBareHeading(shown))
                    fail(lineNo, "heading not in an allowed form: \"" + h.heading + "\"");
                hymn = &h;
                hymnOpen = true;
                sharedOpen = nullptr;
                continue;
            }
            if (!hymn->text.empty()) hymn->text += ' ';
            hymn->text += t;
            continue;
        }
        if (!day) {
            fail(lineNo, "text outside a day");
            continue;
        }
        if (startsWith(t, "=")) {
            std::string title = trim(t.substr(1));
            if (where != Where::Title && where != Where::SectionTitle) {
                fail(lineNo, "title line after hymns");
                continue;
            }
            for (unsigned char c : title) {
                if (c >= 0x80 || std::islower(c)) {
                    fail(lineNo, "title lines are upper-case ASCII: \"" + title + "\"");
                    break;
                }
            }
            if (title.empty()) fail(lineNo, "empty title line");
            (where == Where::Title ? day->title : day->section.title).push_back(title);
            continue;
        }
        if (startsWith(t, "%")) {
            closeHymn();
            if (day->hasSection) {
                fail(lineNo, "second extra section in one day");
                continue;
            }
            day->hasSection = true;
            day->section.run = trim(t.substr(1));
            if (day->section.run.empty()) fail(lineNo, "extra section without its run of days");
            where = Where::SectionTitle;
            continue;
        }
        if (!hymnOpen && startsWith(t, "<")) {
            auto fields = splitBars(t.substr(1));
            if (fields.size() > 3 || !validId(fields[0])) {
                fail(lineNo, "bad reference \"" + t + "\" (expected < id | heading | name)");
                continue;
            }
            Hymn ref;
            ref.ref = fields[0];
            if (fields.size() > 1) ref.refHeading = fields[1];
            if (fields.size() > 2) ref.refName = fields[2];
            ref.line = lineNo;
            hymnList().push_back(ref);
            where = Where::Hymns;
            continue;
        }
        size_t bar = t.rfind('|');
        if (!hymnOpen && bar != std::string::npos) {
            std::string heading = trim(t.substr(0, bar));
            std::string tone = trim(t.substr(bar + 1));
            int n = 0;
            if (tone.size() != 6 || !startsWith(tone, "Tone ") || tone[5] < '1' || tone[5] > '8') {
                fail(lineNo, "bad tone \"" + tone + "\" (expected Tone 1 to Tone 8)");
            } else {
                n = tone[5] - '0';
            }
            if (!isAllowedHeading(heading)) fail(lineNo, "heading not in an allowed form: \"" + heading + "\"");
            else if (isBareHeading(heading))
                fail(lineNo, "bare heading \"" + heading + "\": say whose hymn it is (\"" + heading + " of ...\")");
            Hymn h;
            h.heading = heading;
            h.tone = n;
            h.line = lineNo;
            hymnList().push_back(h);
            hymn = &hymnList().back();
            hymnOpen = true;
            where = Where::Hymns;
            continue;
        }
        if (hymnOpen && hymn) {
            if (!hymn->text.empty()) hymn->text += ' ';
            hymn->text += t;
            continue;
        }
        fail(lineNo, "text that is neither a title, a heading nor a hymn: \"" + t.substr(0, 40) + "\"");
    }
    closeHymn();
    if (sharedOpen) fail(lineNo, "shared hymn \"" + sharedOpen->id + "\" has no heading");
    return source;
}

}  // namespace hymnpak
