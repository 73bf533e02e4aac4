#include "richtext/rtf_salvage.h"

#include "code_page.h"

#include <string_view>
#include <vector>

namespace richtext {
namespace {

using detail::appendDecoded;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Groups at the head of a file that hold no text of the page. A letter run
// on from the name is a brace lost just after it ("\fonttblx\f0").
bool isHeaderTable(std::string_view word)
{
    for (std::string_view table : {"fonttbl", "colortbl", "stylesheet", "info", "listtable", "listoverridetable",
                                   "rsidtbl", "generator", "filetbl", "revtbl"})
        if (word.starts_with(table))
            return true;
    return false;
}

// Other destinations whose text is not page text.
bool isHiddenDestination(std::string_view word)
{
    for (std::string_view dest : {"pict", "object", "fldinst", "header", "footer", "headerl", "headerr", "headerf",
                                  "footerl", "footerr", "footerf", "footnote", "bkmkstart", "bkmkend", "xe", "tc",
                                  "themedata", "colorschememapping", "latentstyles", "datastore", "pn", "listtext"})
        if (word == dest)
            return true;
    return false;
}

// Words that belong to the body, never inside a header table: meeting one
// there means the table's closing brace is gone.
bool isBodyWord(std::string_view word)
{
    for (std::string_view body : {"par", "pard", "sectd", "sect", "viewkind", "plain", "line", "page"})
        if (word == body)
            return true;
    return false;
}

struct Group {
    bool hidden = false;
    bool table = false;
};

class Salvager {
public:
    explicit Salvager(QByteArrayView in) : in_(in) { groups_.push_back(Group{}); }

    QString run()
    {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                flush();
                groups_.push_back(Group{groups_.back().hidden, false});
                groupStart_ = true;
                continue;
            }
            if (c == '}') {
                flush();
                openerLost_ = false;
                if (groups_.size() > 1)
                    groups_.pop_back();   // a closer too many is ignored
                groupStart_ = false;
                continue;
            }
            if (c == '\\') {
                escape();
                continue;
            }
            groupStart_ = false;
            if (c == '\r' || c == '\n' || c == 0)
                continue;
            if (skipFallback())
                continue;
            if (!hidden())
                bytes_ += c;
        }
        flush();
        return out_;
    }

private:
    void escape()
    {
        if (pos_ >= in_.size())
            return;
        const char next = in_[pos_];
        if (!isLetter(next)) {
            ++pos_;
            symbol(next);
            groupStart_ = false;
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]) && pos_ - start < 32)
            ++pos_;
        const std::string_view word(in_.data() + start, static_cast<size_t>(pos_ - start));
        bool negative = false, hasParam = false;
        long long param = 0;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParam = true;
            if (param < 100000000)
                param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        controlWord(word, hasParam, param);
        groupStart_ = false;
    }

    void controlWord(std::string_view word, bool hasParam, long long param)
    {
        if (groupStart_ && (isHeaderTable(word) || isHiddenDestination(word))) {
            groups_.back().hidden = true;
            groups_.back().table = isHeaderTable(word);
            return;
        }
        if (isHeaderTable(word)) {
            // A table whose opening brace is lost: its entries are not page
            // text, up to the brace that should have closed it. What stands
            // just before the word is the byte that took the brace's place.
            bytes_.clear();
            openerLost_ = true;
            return;
        }
        if (isBodyWord(word)) {
            leaveLostTables();
            openerLost_ = false;
        }
        if (word == "bin" && hasParam) {
            pos_ += std::min<qsizetype>(std::max<long long>(param, 0), in_.size() - pos_);
            return;
        }
        if (word == "ansicpg" && hasParam) {
            flush();
            codePage_ = static_cast<int>(param);
            return;
        }
        if (word == "uc" && hasParam) {
            fallbackLength_ = static_cast<int>(std::clamp<long long>(param, 0, 10));
            return;
        }
        if (hidden())
            return;
        if (word == "u" && hasParam) {
            flush();
            out_ += QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param));
            fallbackLeft_ = fallbackLength_;
            return;
        }
        static const struct {
            std::string_view word;
            char16_t ch;
        } kCharacters[] = {{"par", '\n'},      {"line", '\n'},     {"page", '\n'},     {"sect", '\n'},
                           {"tab", '\t'},      {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022},
                           {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}};
        for (const auto &known : kCharacters) {
            if (word == known.word) {
                flush();
                out_ += QChar(known.ch);
                return;
            }
        }
    }

    void symbol(char c)
    {
        if (c == '*') {
            if (groupStart_)
                groups_.back().hidden = true;
            return;
        }
        if (c == '\'') {
            if (pos_ + 1 < in_.size()) {
                const QByteArray hex(in_.data() + pos_, 2);
                bool ok = false;
                const int value = hex.toInt(&ok, 16);
                if (ok) {
                    pos_ += 2;
                    if (!skipFallback() && !hidden())
                        bytes_ += static_cast<char>(value);
                }
            }
            return;
        }
        if (hidden())
            return;
        if (c == '\\' || c == '{' || c == '}') {
            bytes_ += c;
        } else if (c == '~') {
            bytes_ += ' ';
        } else if (c == '_') {
            bytes_ += '-';
        } else if (c == '\n' || c == '\r') {
            flush();
            out_ += QLatin1Char('\n');
        }
    }

    // A body word inside a header table: the table's closing brace was lost,
    // so the table (and what was opened inside it) ends here.
    void leaveLostTables()
    {
        for (size_t i = 1; i < groups_.size(); ++i) {
            if (groups_[i].table) {
                flush();
                groups_.resize(i);
                return;
            }
        }
    }

    bool hidden() const { return groups_.back().hidden || openerLost_; }

    bool skipFallback()
    {
        if (fallbackLeft_ <= 0)
            return false;
        --fallbackLeft_;
        return true;
    }

    void flush()
    {
        if (bytes_.isEmpty())
            return;
        appendDecoded(out_, bytes_, codePage_);
        bytes_.clear();
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    std::vector<Group> groups_;
    bool groupStart_ = false;
    bool openerLost_ = false;   // inside a table whose '{' is gone
    int codePage_ = 1252;
    int fallbackLength_ = 1;
    int fallbackLeft_ = 0;
    QByteArray bytes_;
    QString out_;
};

} // namespace

QString salvageRtfText(QByteArrayView rtf)
{
    QString text = Salvager(rtf).run();
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

bool rtfClosesEarly(QByteArrayView rtf)
{
    int depth = 0;
    bool opened = false;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            ++i;   // an escaped brace or backslash is text
            continue;
        }
        if (c == '{') {
            ++depth;
            opened = true;
        } else if (c == '}' && opened && --depth == 0) {
            for (qsizetype rest = i + 1; rest < rtf.size(); ++rest) {
                const char after = rtf[rest];
                if (after != ' ' && after != '\r' && after != '\n' && after != '\t' && after != 0)
                    return true;
            }
            return false;
        }
    }
    return false;
}

} // namespace richtext
