#include "library_report.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <set>

namespace hymnpak {

namespace {

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> out;
    std::string w;
    for (char c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || c == '{' || c == '}') {
            w += static_cast<char>(std::tolower(u));
        } else if (!w.empty()) {
            out.push_back(w);
            w.clear();
        }
    }
    if (!w.empty()) out.push_back(w);
    return out;
}

bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

// Words of rank and joining that do not tell one commemoration from another.
const std::set<std::string>& rankWords() {
    static const std::set<std::string> s = {
        "the", "of", "and", "st", "sts", "saint", "saints", "holy", "our", "venerable", "great",
        "martyr", "martyrs", "hieromartyr", "hieromartyrs", "righteous", "blessed", "apostle",
        "apostles", "prophet", "prophetess", "virgin", "new", "equal", "to", "with", "those", "him",
        "her", "them", "in", "a", "an", "o", "all", "forefeast", "afterfeast", "feast", "eve", "day"};
    return s;
}

bool isSaintLine(const std::string& line) {
    static const std::set<std::string> first = {
        "st", "sts", "saint", "saints", "venerable", "martyr", "martyrs", "great", "hieromartyr",
        "hieromartyrs", "righteous", "apostle", "apostles", "prophet", "prophetess", "blessed", "virgin",
        "new", "priest", "fathers", "holy"};
    static const std::set<std::string> afterHoly = {
        "martyr", "martyrs", "great", "hieromartyr", "hieromartyrs", "righteous", "apostle",
        "apostles", "prophet", "prophetess", "virgin", "fathers", "new", "glorious", "and",
        "forty", "seven", "ten", "women", "unmercenaries", "innocents", "maccabean", "maccabees",
        "passion", "prophets"};
    auto w = words(line);
    if (w.empty() || !first.count(w[0])) return false;
    return w[0] != "holy" || (w.size() > 1 && afterHoly.count(w[1]));
}

// What a heading is about: "the Prophet Nahum" in "Kontakion of the Prophet Nahum".
std::string subjectOf(const std::string& heading) {
    std::string h = heading;
    if (startsWith(h, "Another ")) h = h.substr(8);
    for (const char* p : {"Troparion of ", "Kontakion of "})
        if (startsWith(h, p)) return h.substr(std::string(p).size());
    if (h == "Troparion for the Eve" || h == "Kontakion for the Eve") return "the Eve";
    return {};
}

std::vector<std::string> telling(const std::string& subject) {
    std::vector<std::string> out;
    for (const auto& w : words(subject))
        if (!rankWords().count(w) && w.size() >= 3) out.push_back(w);
    return out;
}

bool sameName(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const std::string& s = a.size() < b.size() ? a : b;
    const std::string& l = a.size() < b.size() ? b : a;
    return s.size() >= 5 && startsWith(l, s);  // "archangel" / "archangels"
}

bool isKontakion(const Hymn& h) { return h.heading.find("Kontakion") != std::string::npos; }

std::string dayName(const Day& d) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d/%02d", d.month, d.day);
    return buf;
}

// A hymn as the review sees it: where it is written and how it reads.
struct Written {
    const Hymn* hymn;
    std::string where;  // "mm/dd" or "shared:id"
};

std::string incipitKey(const Hymn& h) {
    auto w = words(h.text);
    std::string key = std::to_string(h.tone) + (isKontakion(h) ? "K" : "T");
    for (size_t i = 0; i < w.size() && i < 6; ++i) key += " " + w[i];
    return key;
}

std::string headingKey(const Hymn& h) {
    if (telling(subjectOf(h.heading)).empty()) return {};  // "of the Feast": many hymns share it
    std::string key = std::to_string(h.tone) + " " + h.heading;
    return key;
}

// Hymns that share a heading (one naming a saint) or their first words and tone
// are one hymn: more than one text among them means it drifted between days.
void findWordings(const std::vector<Written>& all, LibraryReport& r) {
    std::map<std::string, std::vector<const Written*>> byKey;
    for (const auto& w : all) {
        byKey["i" + incipitKey(*w.hymn)].push_back(&w);
        const std::string h = headingKey(*w.hymn);
        if (!h.empty()) byKey["h" + h].push_back(&w);
    }
    std::set<std::string> reported;
    for (const auto& [key, members] : byKey) {
        if (members.size() < 2) continue;
        std::map<std::string, std::vector<std::string>> byText;
        for (const Written* w : members) byText[w->hymn->text].push_back(w->where);
        std::string places;
        for (const auto& [text, where] : byText) {
            places += " [";
            for (size_t i = 0; i < where.size(); ++i) places += (i ? " " : "") + where[i];
            places += "]";
        }
        if (!reported.insert(places).second) continue;
        const Hymn& h = *members.front()->hymn;
        const std::string line = h.heading + " (tone " + std::to_string(h.tone) + "):" + places;
        (byText.size() > 1 ? r.twoWordings : r.writtenTwice).push_back(line);
    }
}

void findRegisterSlips(const Hymn& h, const std::string& where, LibraryReport& r) {
    static const std::set<std::string> slips = {"has", "does", "you", "your", "yours"};
    for (const auto& w : words(h.text))
        if (slips.count(w)) r.registerSlips.push_back(where + " " + h.heading + ": " + w);
}

}  // namespace

std::string chiefCommemoration(const Day& day) {
    for (const auto& line : day.title) {
        bool lesser = false;
        for (const char* p : {"FOREFEAST", "AFTERFEAST", "LEAVE-TAKING", "APODOSIS", "EVE OF", "THE EVE"})
            if (startsWith(line, p)) lesser = true;
        if (!lesser) return line;
    }
    return day.title.empty() ? std::string() : day.title.front();
}

bool headingNames(const std::string& heading, const std::string& titleLine) {
    const std::string subject = subjectOf(heading);
    if (subject.empty()) return false;
    const auto names = telling(subject);
    if (names.empty()) {
        auto w = words(subject);
        bool feast = false;
        for (const auto& x : w) feast = feast || x == "feast";
        return feast && !isSaintLine(titleLine);
    }
    for (const auto& n : names)
        for (const auto& t : words(titleLine))
            if (sameName(n, t)) return true;
    return false;
}

LibraryReport reviewLibrary(const std::vector<Day>& days, const std::vector<SharedHymn>& shared) {
    LibraryReport r;
    r.days = static_cast<int>(days.size());
    std::vector<Written> all;
    for (const auto& s : shared) {
        all.push_back({&s.hymn, "shared:" + s.id});
        findRegisterSlips(s.hymn, "shared:" + s.id, r);
    }
    for (const Day& d : days) {
        const std::string name = dayName(d);
        const std::string chief = chiefCommemoration(d);
        bool trop = false, kont = false;
        for (const auto* list : {&d.hymns, &d.section.hymns}) {
            for (const Hymn& h : *list) {
                if (isBareHeading(h.heading)) r.bareHeadings.push_back(name + ": " + h.heading);
                if (!h.ref.empty()) continue;
                all.push_back({&h, name});
                findRegisterSlips(h, name, r);
            }
        }
        bool anyTrop = false, anyKont = false;
        for (const Hymn& h : d.hymns) {
            (isKontakion(h) ? anyKont : anyTrop) = true;
            if (!headingNames(h.heading, chief)) continue;
            (isKontakion(h) ? kont : trop) = true;
        }
        if (!anyTrop) r.daysWithoutTroparion.push_back(name);
        if (!anyKont) r.daysWithoutKontakion.push_back(name);
        if (trop && kont) r.chiefWithBoth.push_back(name);
        if (!trop) r.chiefWithoutTroparion.push_back(name + " " + chief);
        if (!kont) r.chiefWithoutKontakion.push_back(name + " " + chief);
    }
    findWordings(all, r);
    return r;
}

void printReport(const LibraryReport& r, bool verbose) {
    auto list = [&](const char* what, const std::vector<std::string>& items) {
        std::printf("%s: %zu\n", what, items.size());
        if (verbose)
            for (const auto& i : items) std::printf("    %s\n", i.c_str());
    };
    std::printf("chief commemoration with its own troparion and kontakion: %zu of %d days\n",
                r.chiefWithBoth.size(), r.days);
    list("chief without a troparion of its own", r.chiefWithoutTroparion);
    list("chief without a kontakion of its own", r.chiefWithoutKontakion);
    list("days without any troparion", r.daysWithoutTroparion);
    list("days without any kontakion", r.daysWithoutKontakion);
    list("bare headings", r.bareHeadings);
    list("hymns in more than one wording", r.twoWordings);
    list("hymns written out on several days instead of shared", r.writtenTwice);
    list("register words to check (has, does, you, your)", r.registerSlips);
}

}  // namespace hymnpak
