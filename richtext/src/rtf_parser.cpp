// The RTF parser: a single pass over the bytes with a bounded stack of group
// states. Every byte is consumed at most once and nothing allocated grows
// faster than the input, so damaged or hostile files cannot hang it or make
// it take memory without bound.

#include "code_page.h"
#include "rtf_model.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace richtext::detail {
namespace {

// Deeper nesting than this is skipped as a whole; real documents stay far below.
constexpr int kMaxDepth = 64;
constexpr int kMaxWordLength = 32;
constexpr qint64 kMaxParam = 0x7FFFFFFF;
constexpr int kMaxHalfPoints = 3276;   // 1638 points, the largest size word processors accept
constexpr int kMaxLevels = 9;
constexpr int kMaxTwips = 31680;       // 22 inches, beyond any page

enum class Dest {
    Text,           // the document body, field results
    Skip,           // anything whose contents are not text of the document
    FontTable,
    ColourTable,
    ListTable,
    ListOverrideTable,
    Pn,             // an old-style paragraph numbering description
    Upr,            // ANSI half of a \upr pair: skipped in favour of its \ud
};

struct GroupState {
    Dest dest = Dest::Text;
    int font = -1;                  // -1: the default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int colour = 0;
    int highlight = 0;              // colour table index; 0: none
    VerticalAlign vertical = VerticalAlign::Normal;
    int unicodeSkip = 1;            // \uc
    ParaAlign align = ParaAlign::Left;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0;  // twips
    int spaceBefore = 0, spaceAfter = 0;
    int listOverride = 0;           // \ls
    int listLevel = 0;              // \ilvl
    ListKind pnKind = ListKind::None;
};

enum class Word {
    // destinations
    FontTable, ColourTable, ListTable, ListOverrideTable, Pn, Upr, Ud, FieldResult, SkipDest,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Cpg,
    // font and colour tables, lists
    F, FCharset, Red, Green, Blue, List, ListLevel, LevelNfc, ListId, Ls, Ilvl,
    PnLvlBlt, PnLvlBody, PnLvl, PnDec, PnUcLtr, PnLcLtr, PnUcRm, PnLcRm,
    // character formatting
    Plain, Fs, B, I, Ul, UlNone, Strike, Cf, Highlight, V, Super, Sub, NoSuperSub, Uc, U,
    // paragraph formatting
    Pard, Ql, Qr, Qc, Qj, Li, Ri, Fi, Sb, Sa,
    // characters and breaks
    Par, Line, Tab, Cell, Row, EmDash, EnDash, EmSpace, EnSpace, Bullet, LQuote, RQuote,
    LDblQuote, RDblQuote, Bin,
};

const std::unordered_map<std::string_view, Word> &wordTable()
{
    static const std::unordered_map<std::string_view, Word> table = [] {
        std::unordered_map<std::string_view, Word> t = {
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColourTable},
            {"listtable", Word::ListTable}, {"listoverridetable", Word::ListOverrideTable},
            {"pn", Word::Pn}, {"upr", Word::Upr}, {"ud", Word::Ud}, {"fldrslt", Word::FieldResult},
            {"rtf", Word::Rtf}, {"ansi", Word::Ansi}, {"mac", Word::Mac}, {"pc", Word::Pc},
            {"pca", Word::Pca}, {"ansicpg", Word::AnsiCpg}, {"deff", Word::Deff}, {"cpg", Word::Cpg},
            {"f", Word::F}, {"fcharset", Word::FCharset}, {"red", Word::Red}, {"green", Word::Green},
            {"blue", Word::Blue}, {"list", Word::List}, {"listlevel", Word::ListLevel},
            {"levelnfc", Word::LevelNfc}, {"levelnfcn", Word::LevelNfc}, {"listid", Word::ListId},
            {"ls", Word::Ls}, {"ilvl", Word::Ilvl},
            {"pnlvlblt", Word::PnLvlBlt}, {"pnlvlbody", Word::PnLvlBody}, {"pnlvl", Word::PnLvl},
            {"pndec", Word::PnDec}, {"pnucltr", Word::PnUcLtr}, {"pnlcltr", Word::PnLcLtr},
            {"pnucrm", Word::PnUcRm}, {"pnlcrm", Word::PnLcRm},
            {"plain", Word::Plain}, {"fs", Word::Fs}, {"b", Word::B}, {"i", Word::I},
            {"ul", Word::Ul}, {"uld", Word::Ul}, {"uldash", Word::Ul}, {"uldashd", Word::Ul},
            {"uldashdd", Word::Ul}, {"uldb", Word::Ul}, {"ulth", Word::Ul}, {"ulw", Word::Ul},
            {"ulwave", Word::Ul}, {"ulhwave", Word::Ul}, {"ululdbwave", Word::Ul},
            {"ulthd", Word::Ul}, {"ulthdash", Word::Ul}, {"ulldash", Word::Ul},
            {"ulnone", Word::UlNone}, {"strike", Word::Strike}, {"striked", Word::Strike},
            {"cf", Word::Cf}, {"highlight", Word::Highlight}, {"chcbpat", Word::Highlight},
            {"cb", Word::Highlight}, {"v", Word::V}, {"super", Word::Super}, {"sub", Word::Sub},
            {"nosupersub", Word::NoSuperSub}, {"uc", Word::Uc}, {"u", Word::U},
            {"pard", Word::Pard}, {"ql", Word::Ql}, {"qr", Word::Qr}, {"qc", Word::Qc},
            {"qj", Word::Qj}, {"qd", Word::Qj},
            // \lin and \rin are the writing-direction forms LibreOffice adds.
            {"li", Word::Li}, {"lin", Word::Li}, {"ri", Word::Ri}, {"rin", Word::Ri},
            {"fi", Word::Fi}, {"sb", Word::Sb}, {"sa", Word::Sa},
            {"par", Word::Par}, {"page", Word::Par}, {"sect", Word::Par}, {"line", Word::Line},
            {"tab", Word::Tab}, {"cell", Word::Cell}, {"nestcell", Word::Cell}, {"row", Word::Row},
            {"nestrow", Word::Row}, {"emdash", Word::EmDash}, {"endash", Word::EnDash},
            {"emspace", Word::EmSpace}, {"enspace", Word::EnSpace}, {"qmspace", Word::EnSpace},
            {"bullet", Word::Bullet}, {"lquote", Word::LQuote}, {"rquote", Word::RQuote},
            {"ldblquote", Word::LDblQuote}, {"rdblquote", Word::RDblQuote}, {"bin", Word::Bin},
        };
        // Groups whose contents are never document text.
        for (std::string_view skip : {
                 "stylesheet", "info", "pict", "object", "header", "headerl", "headerr",
                 "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
                 "atnid", "atnauthor", "atrfstart", "atrfend", "fldinst", "xe", "tc", "txe",
                 "pntext", "pntxta", "pntxtb", "listtext", "author", "operator", "title",
                 "subject", "comment", "keywords", "doccomm", "company", "category", "manager",
                 "hlinkbase", "nonshppict", "shp", "shpinst", "shptxt", "sp", "sn", "sv",
                 "themedata", "colorschememapping", "datastore", "latentstyles", "rsidtbl",
                 "revtbl", "generator", "xmlnstbl", "mmathPr", "filetbl", "template",
                 "userprops", "docvar", "pgdsctbl", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
                 "aftnsepc", "aftncn", "bkmkstart", "bkmkend", "objdata", "objclass",
                 "objname", "listpicture", "protusertbl", "defchp", "defpap", "wgrffmtfilter",
                 "fchars", "lchars", "background", "blipuid", "panose", "falt", "leveltext",
                 "levelnumbers", "listname"}) {
            t.emplace(skip, Word::SkipDest);
        }
        return t;
    }();
    return table;
}

int clampInt(qint64 v, int lo, int hi)
{
    return static_cast<int>(std::clamp<qint64>(v, lo, hi));
}

ListKind kindForNfc(int nfc)
{
    switch (nfc) {
    case 0: return ListKind::Decimal;
    case 1: return ListKind::UpperRoman;
    case 2: return ListKind::LowerRoman;
    case 3: return ListKind::UpperAlpha;
    case 4: return ListKind::LowerAlpha;
    default: return ListKind::Bullet;   // 23 is the bullet; 255 (none) and the rest show as one
    }
}

// Characters that would change a QTextDocument's structure (block and frame
// separators, object placeholders) or that no text should carry.
void appendSanitised(QString &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
                out += text[i];
                out += text[i + 1];
                ++i;
            } else {
                out += QChar(QChar::ReplacementCharacter);
            }
            continue;
        }
        if (QChar::isLowSurrogate(c)) {
            out += QChar(QChar::ReplacementCharacter);
            continue;
        }
        if (c == '\t' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0))) {
            if (c == QChar::ParagraphSeparator)
                c = QChar::LineSeparator;
            else if (c == QChar::ObjectReplacementCharacter || c == 0xFDD0 || c == 0xFDD1
                     || c == 0xFEFF || c == 0xFFFF || c == 0xFFFE)
                continue;
            out += QChar(c);
        } else if (c == '\n' || c == '\r' || c == 0x0B || c == 0x0C) {
            out += QChar(QChar::LineSeparator);
        }
    }
}

struct FontDef {
    QString name;
    int codePage = 0;   // 0: the document's
};

class Parser {
public:
    Parser(QByteArrayView in, ParagraphSink &sink) : in_(in), sink_(sink) {}
    ParseOutcome run();

private:
    GroupState &state() { return stack_.back(); }
    void fail(const QString &message)
    {
        if (outcome_.ok) {
            outcome_.ok = false;
            outcome_.error = message;
        }
    }

    void openGroup();
    void closeGroup();
    void controlWord(std::string_view name, bool hasParam, qint64 param);
    void controlSymbol(char c);
    void textByte(char c);
    void hexByte(char c);
    void skipBinary(qint64 length);
    bool consumeUnicodeFallback();

    void setDestination(Dest dest) { state().dest = dest; }
    int currentCodePage() const;
    CharStyle currentStyle() const;
    void flushBytes();
    void appendText(QStringView text);
    void appendUnicode(char16_t code);
    void finishRun();
    void endParagraph();
    void finishDocument();
    ListKind listKindFor(const GroupState &s) const;

    void commitFontName();
    void commitColour();

    QByteArrayView in_;
    qsizetype pos_ = 0;
    ParagraphSink &sink_;
    ParseOutcome outcome_;

    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;         // groups below the depth limit, being skipped
    bool starPending_ = false;      // \* seen: the group is skipped unless it is known
    bool groupStart_ = false;       // no word yet since the last '{'
    int fallbackLeft_ = 0;          // bytes still to skip after a \u

    int docCodePage_ = 1252;
    int defaultFont_ = 0;
    QHash<int, FontDef> fonts_;
    int fontBeingRead_ = 0;
    int fontCharset_ = 0;
    int fontCpg_ = 0;
    QByteArray fontName_;

    std::vector<QRgb> colours_;
    std::vector<bool> colourIsAuto_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSet_ = false;

    // \listtable: list id -> kind of each level; \listoverridetable: \ls -> list id
    QHash<int, std::array<ListKind, kMaxLevels>> listKinds_;
    std::array<ListKind, kMaxLevels> listBeingRead_ {};
    int levelBeingRead_ = -1;
    int overrideListId_ = 0;
    QHash<int, int> overrides_;

    QByteArray pendingBytes_;
    int pendingCodePage_ = 1252;
    QString runText_;
    CharStyle runStyle_;
    Paragraph para_;
    bool paraHasContent_ = false;
    char16_t highSurrogate_ = 0;    // first half of a \u pair, waiting for its second
};

ParseOutcome Parser::run()
{
    // The file must open with {\rtf; leading white space is tolerated.
    while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\t' || in_[pos_] == '\r' || in_[pos_] == '\n'))
        ++pos_;
    if (!in_.sliced(pos_).startsWith(QByteArrayView("{\\rtf"))) {
        outcome_.ok = false;
        outcome_.error = QStringLiteral("not an RTF document");
        return outcome_;
    }
    stack_.reserve(kMaxDepth);
    stack_.push_back(GroupState{});   // the state outside every group
    bool closed = false;

    while (pos_ < in_.size() && !closed) {
        const char c = in_[pos_++];
        if (c == '{') {
            fallbackLeft_ = 0;
            openGroup();
        } else if (c == '}') {
            fallbackLeft_ = 0;
            if (stack_.size() == 2 && overflowDepth_ == 0)
                finishDocument();   // the last paragraph keeps the formatting in force
            closeGroup();
            closed = stack_.size() == 1 && overflowDepth_ == 0;
        } else if (c == '\\') {
            if (pos_ >= in_.size())
                break;
            const char next = in_[pos_];
            if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')) {
                const qsizetype start = pos_;
                while (pos_ < in_.size() && ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z')))
                    ++pos_;
                const qsizetype length = pos_ - start;
                bool hasParam = false;
                bool negative = false;
                qint64 param = 0;
                if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
                    negative = true;
                    ++pos_;
                }
                while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
                    hasParam = true;
                    param = std::min<qint64>(param * 10 + (in_[pos_] - '0'), kMaxParam);
                    ++pos_;
                }
                if (negative)
                    param = -param;
                if (pos_ < in_.size() && in_[pos_] == ' ')
                    ++pos_;   // the delimiting space belongs to the word
                const std::string_view name = length <= kMaxWordLength
                    ? std::string_view(in_.data() + start, static_cast<size_t>(length))
                    : std::string_view();   // too long to be any word we know
                if (overflowDepth_ > 0) {
                    if (name == "bin" && hasParam)
                        skipBinary(param);
                    continue;
                }
                controlWord(name, hasParam, param);
            } else {
                ++pos_;
                if (overflowDepth_ > 0)
                    continue;
                if (next == '\'') {
                    auto hex = [](char h) {
                        if (h >= '0' && h <= '9') return h - '0';
                        if (h >= 'a' && h <= 'f') return h - 'a' + 10;
                        if (h >= 'A' && h <= 'F') return h - 'A' + 10;
                        return -1;
                    };
                    int value = -1;
                    if (pos_ + 1 < in_.size()) {
                        const int hi = hex(in_[pos_]);
                        const int lo = hex(in_[pos_ + 1]);
                        if (hi >= 0 && lo >= 0)
                            value = hi * 16 + lo;
                    }
                    if (value < 0) {
                        fail(QStringLiteral("malformed \\' escape"));
                        continue;
                    }
                    pos_ += 2;
                    if (consumeUnicodeFallback())
                        continue;
                    hexByte(static_cast<char>(value));
                } else {
                    controlSymbol(next);
                }
            }
        } else if (overflowDepth_ == 0) {
            textByte(c);
        }
    }

    if (!closed) {
        fail(QStringLiteral("the document ends before its closing brace"));
        finishDocument();
    }
    return outcome_;
}

// A paragraph without a closing \par is still a paragraph; an empty one
// after the last \par is not.
void Parser::finishDocument()
{
    flushBytes();
    finishRun();
    if (paraHasContent_ || !para_.runs.isEmpty())
        endParagraph();
}

void Parser::openGroup()
{
    flushBytes();
    if (overflowDepth_ > 0 || static_cast<int>(stack_.size()) >= kMaxDepth) {
        if (overflowDepth_ == 0)
            fail(QStringLiteral("groups nested too deeply"));
        ++overflowDepth_;
        return;
    }
    GroupState child = state();
    if (child.dest == Dest::Upr)
        child.dest = Dest::Skip;   // only a \ud child of \upr is read
    stack_.push_back(child);
    groupStart_ = true;
    starPending_ = false;
}

void Parser::closeGroup()
{
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    flushBytes();
    if (stack_.size() <= 1)
        return;
    const GroupState closing = state();
    if (closing.dest == Dest::FontTable && !fontName_.isEmpty())
        commitFontName();
    stack_.pop_back();
    GroupState &parent = state();
    if (closing.dest == Dest::Pn && parent.dest != Dest::Pn)
        parent.pnKind = closing.pnKind;   // numbering describes the paragraph around it
    groupStart_ = false;
    starPending_ = false;
}

bool Parser::consumeUnicodeFallback()
{
    if (fallbackLeft_ <= 0)
        return false;
    --fallbackLeft_;
    return true;
}

void Parser::skipBinary(qint64 length)
{
    const qint64 available = in_.size() - pos_;
    if (length < 0)
        length = 0;
    if (length > available) {
        fail(QStringLiteral("binary data runs past the end"));
        length = available;
    }
    pos_ += length;
}

void Parser::textByte(char c)
{
    if (c == '\r' || c == '\n' || c == '\0')
        return;
    if (consumeUnicodeFallback())
        return;
    hexByte(c);
}

void Parser::hexByte(char c)
{
    const Dest dest = state().dest;
    if (dest == Dest::FontTable) {
        if (c == ';') {
            commitFontName();
        } else if (fontName_.size() < 256) {
            fontName_ += c;
        }
        return;
    }
    if (dest == Dest::ColourTable) {
        if (c == ';')
            commitColour();
        return;
    }
    if (dest != Dest::Text || state().hidden)
        return;
    const int cp = currentCodePage();
    if (cp != pendingCodePage_)
        flushBytes();
    pendingCodePage_ = cp;
    if (c == '\t') {
        flushBytes();
        appendText(u"\t");
        return;
    }
    pendingBytes_ += c;
}

void Parser::controlSymbol(char c)
{
    if (c == '*') {
        starPending_ = true;
        return;
    }
    if (consumeUnicodeFallback())
        return;
    switch (c) {
    case '\\': case '{': case '}':
        hexByte(c);
        break;
    case '~':
        flushBytes();
        if (state().dest == Dest::Text && !state().hidden)
            appendText(u"\u00A0");
        break;
    case '_':
        flushBytes();
        if (state().dest == Dest::Text && !state().hidden)
            appendText(u"\u2011");
        break;
    case '\r': case '\n':
        controlWord("par", false, 0);
        break;
    default:
        break;   // \- optional hyphen, \| and \: index marks: nothing to show
    }
}

void Parser::controlWord(std::string_view name, bool hasParam, qint64 param)
{
    flushBytes();
    const bool atGroupStart = groupStart_;
    const bool starred = starPending_;
    groupStart_ = false;
    starPending_ = false;

    const auto &table = wordTable();
    const auto found = name.empty() ? table.end() : table.find(name);
    if (found == table.end()) {
        // An unknown destination marked with \* is skipped whole.
        if (starred)
            setDestination(Dest::Skip);
        else
            consumeUnicodeFallback();
        return;
    }
    const Word word = found->second;
    GroupState &s = state();

    if (word == Word::Bin) {
        skipBinary(hasParam ? param : 0);
        consumeUnicodeFallback();
        return;
    }
    if (consumeUnicodeFallback())
        return;

    const bool on = !hasParam || param != 0;
    switch (word) {
    // destinations
    case Word::SkipDest:
        setDestination(Dest::Skip);
        return;
    case Word::FontTable:
        if (s.dest != Dest::Skip)
            setDestination(Dest::FontTable);
        return;
    case Word::ColourTable:
        if (s.dest != Dest::Skip) {
            setDestination(Dest::ColourTable);
            colourSet_ = false;
            red_ = green_ = blue_ = 0;
        }
        return;
    case Word::ListTable:
        if (s.dest != Dest::Skip)
            setDestination(Dest::ListTable);
        return;
    case Word::ListOverrideTable:
        if (s.dest != Dest::Skip)
            setDestination(Dest::ListOverrideTable);
        return;
    case Word::Pn:
        if (s.dest == Dest::Text) {
            setDestination(Dest::Pn);
            s.pnKind = ListKind::Decimal;
        } else {
            setDestination(Dest::Skip);
        }
        return;
    case Word::Upr:
        if (s.dest == Dest::Text)
            setDestination(Dest::Upr);
        return;
    case Word::Ud:
        // The Unicode half of \upr; it reads as text only inside \upr.
        if (atGroupStart && stack_.size() >= 2 && stack_[stack_.size() - 2].dest == Dest::Upr)
            setDestination(Dest::Text);
        else if (starred)
            setDestination(Dest::Skip);
        return;
    case Word::FieldResult:
        return;   // the result is ordinary text in the enclosing state
    default:
        break;
    }
    if (word == Word::U && s.dest != Dest::Text) {
        fallbackLeft_ = s.unicodeSkip;   // its fallback is no more part of a name than the \u itself
        return;
    }
    if (starred && atGroupStart && s.dest == Dest::Text) {
        // A known word used as an ignorable destination: nothing of it is text.
        setDestination(Dest::Skip);
        return;
    }

    switch (s.dest) {
    case Dest::FontTable:
        if (word == Word::F) {
            if (!fontName_.isEmpty())
                commitFontName();
            fontBeingRead_ = clampInt(param, -kMaxParam, kMaxParam);
            fontCharset_ = 0;
            fontCpg_ = 0;
        } else if (word == Word::FCharset) {
            fontCharset_ = clampInt(param, 0, 255);
        } else if (word == Word::Cpg) {
            fontCpg_ = clampInt(param, 0, 65535);
        }
        return;
    case Dest::ColourTable:
        if (word == Word::Red) { red_ = clampInt(param, 0, 255); colourSet_ = true; }
        else if (word == Word::Green) { green_ = clampInt(param, 0, 255); colourSet_ = true; }
        else if (word == Word::Blue) { blue_ = clampInt(param, 0, 255); colourSet_ = true; }
        return;
    case Dest::ListTable:
        if (word == Word::List) {
            listBeingRead_.fill(ListKind::Bullet);
            levelBeingRead_ = -1;
        } else if (word == Word::ListLevel) {
            levelBeingRead_ = std::min(levelBeingRead_ + 1, kMaxLevels - 1);
        } else if (word == Word::LevelNfc && levelBeingRead_ >= 0) {
            listBeingRead_[levelBeingRead_] = kindForNfc(clampInt(param, 0, 255));
        } else if (word == Word::ListId) {
            if (listKinds_.size() < 4096)
                listKinds_.insert(clampInt(param, -kMaxParam, kMaxParam), listBeingRead_);
        }
        return;
    case Dest::ListOverrideTable:
        if (word == Word::ListId)
            overrideListId_ = clampInt(param, -kMaxParam, kMaxParam);
        else if (word == Word::Ls && overrides_.size() < 4096)
            overrides_.insert(clampInt(param, -kMaxParam, kMaxParam), overrideListId_);
        return;
    case Dest::Pn:
        switch (word) {
        case Word::PnLvlBlt: s.pnKind = ListKind::Bullet; break;
        case Word::PnLvlBody: case Word::PnLvl: case Word::PnDec:
            if (s.pnKind != ListKind::Bullet || word == Word::PnDec)
                s.pnKind = ListKind::Decimal;
            break;
        case Word::PnUcLtr: s.pnKind = ListKind::UpperAlpha; break;
        case Word::PnLcLtr: s.pnKind = ListKind::LowerAlpha; break;
        case Word::PnUcRm: s.pnKind = ListKind::UpperRoman; break;
        case Word::PnLcRm: s.pnKind = ListKind::LowerRoman; break;
        default: break;
        }
        return;
    case Dest::Skip:
    case Dest::Upr:
        return;
    case Dest::Text:
        break;
    }

    switch (word) {
    case Word::Ansi: docCodePage_ = 1252; break;
    case Word::Mac: docCodePage_ = 10000; break;
    case Word::Pc: docCodePage_ = 437; break;
    case Word::Pca: docCodePage_ = 850; break;
    case Word::AnsiCpg: docCodePage_ = clampInt(param, 0, 65535); break;
    case Word::Deff:
        defaultFont_ = clampInt(param, -kMaxParam, kMaxParam);
        break;
    case Word::F: s.font = clampInt(param, -kMaxParam, kMaxParam); break;
    case Word::Plain:
        s.font = -1;
        s.halfPoints = 24;
        s.bold = s.italic = s.underline = s.strike = s.hidden = false;
        s.colour = 0;
        s.highlight = 0;
        s.vertical = VerticalAlign::Normal;
        break;
    case Word::Fs:
        s.halfPoints = hasParam ? clampInt(param, 2, kMaxHalfPoints) : 24;
        break;
    case Word::B: s.bold = on; break;
    case Word::I: s.italic = on; break;
    case Word::Ul: s.underline = on; break;
    case Word::UlNone: s.underline = false; break;
    case Word::Strike: s.strike = on; break;
    case Word::V: s.hidden = on; break;
    case Word::Cf: s.colour = clampInt(param, 0, kMaxParam); break;
    case Word::Highlight: s.highlight = clampInt(param, 0, kMaxParam); break;
    case Word::Super: s.vertical = VerticalAlign::Superscript; break;
    case Word::Sub: s.vertical = VerticalAlign::Subscript; break;
    case Word::NoSuperSub: s.vertical = VerticalAlign::Normal; break;
    case Word::Uc: s.unicodeSkip = clampInt(param, 0, 16); break;
    case Word::U: {
        int code = clampInt(param, -32768, 65535);
        if (code < 0)
            code += 65536;
        if (!s.hidden)
            appendUnicode(static_cast<char16_t>(code));
        fallbackLeft_ = s.unicodeSkip;
        break;
    }
    case Word::Pard:
        s.align = ParaAlign::Left;
        s.listOverride = 0;
        s.listLevel = 0;
        s.pnKind = ListKind::None;
        s.leftIndent = s.rightIndent = s.firstIndent = 0;
        s.spaceBefore = s.spaceAfter = 0;
        break;
    case Word::Li: s.leftIndent = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::Ri: s.rightIndent = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::Fi: s.firstIndent = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::Sb: s.spaceBefore = clampInt(param, 0, kMaxTwips); break;
    case Word::Sa: s.spaceAfter = clampInt(param, 0, kMaxTwips); break;
    case Word::Ql: s.align = ParaAlign::Left; break;
    case Word::Qr: s.align = ParaAlign::Right; break;
    case Word::Qc: s.align = ParaAlign::Centre; break;
    case Word::Qj: s.align = ParaAlign::Justify; break;
    case Word::Ls: s.listOverride = clampInt(param, 0, kMaxParam); break;
    case Word::Ilvl: s.listLevel = clampInt(param, 0, kMaxLevels - 1); break;
    case Word::Par:
    case Word::Row:
        endParagraph();
        break;
    case Word::Line: if (!s.hidden) appendText(u"\u2028"); break;
    case Word::Tab:
    case Word::Cell: if (!s.hidden) appendText(u"\t"); break;
    case Word::EmDash: if (!s.hidden) appendText(u"\u2014"); break;
    case Word::EnDash: if (!s.hidden) appendText(u"\u2013"); break;
    case Word::EmSpace: if (!s.hidden) appendText(u"\u2003"); break;
    case Word::EnSpace: if (!s.hidden) appendText(u"\u2002"); break;
    case Word::Bullet: if (!s.hidden) appendText(u"\u2022"); break;
    case Word::LQuote: if (!s.hidden) appendText(u"\u2018"); break;
    case Word::RQuote: if (!s.hidden) appendText(u"\u2019"); break;
    case Word::LDblQuote: if (!s.hidden) appendText(u"\u201C"); break;
    case Word::RDblQuote: if (!s.hidden) appendText(u"\u201D"); break;
    default: break;
    }
}

int Parser::currentCodePage() const
{
    const GroupState &s = stack_.back();
    const auto font = fonts_.constFind(s.font >= 0 ? s.font : defaultFont_);
    if (font != fonts_.constEnd() && font->codePage != 0)
        return font->codePage;
    return docCodePage_;
}

CharStyle Parser::currentStyle() const
{
    const GroupState &s = stack_.back();
    CharStyle style;
    const auto font = fonts_.constFind(s.font >= 0 ? s.font : defaultFont_);
    if (font != fonts_.constEnd())
        style.font = font->name;
    style.halfPoints = s.halfPoints;
    style.bold = s.bold;
    style.italic = s.italic;
    style.underline = s.underline;
    style.strike = s.strike;
    if (static_cast<size_t>(s.colour) < colours_.size() && !colourIsAuto_[s.colour]) {
        style.hasColour = true;
        style.colour = colours_[s.colour];
    }
    if (s.highlight > 0 && static_cast<size_t>(s.highlight) < colours_.size() && !colourIsAuto_[s.highlight]) {
        style.hasHighlight = true;
        style.highlight = colours_[s.highlight];
    }
    style.vertical = s.vertical;
    return style;
}

void Parser::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    QString decoded;
    appendDecoded(decoded, pendingBytes_, pendingCodePage_);
    pendingBytes_.clear();
    appendText(decoded);
}

void Parser::appendText(QStringView text)
{
    const CharStyle style = currentStyle();
    if (!(style == runStyle_)) {
        finishRun();
        runStyle_ = style;
    }
    if (highSurrogate_ != 0) {
        // The second half never came.
        runText_ += QChar(QChar::ReplacementCharacter);
        highSurrogate_ = 0;
    }
    appendSanitised(runText_, text);
    paraHasContent_ = true;
}

// Characters beyond the Basic Multilingual Plane come as two \u words.
void Parser::appendUnicode(char16_t code)
{
    if (QChar::isLowSurrogate(code) && highSurrogate_ != 0) {
        const char16_t pair[2] = {highSurrogate_, code};
        highSurrogate_ = 0;
        appendText(QStringView(pair, 2));
    } else if (QChar::isHighSurrogate(code)) {
        if (highSurrogate_ != 0)
            appendText(u"");
        highSurrogate_ = code;
    } else {
        appendText(QStringView(&code, 1));
    }
}

void Parser::finishRun()
{
    if (runText_.isEmpty())
        return;
    if (!para_.runs.isEmpty() && para_.runs.back().style == runStyle_)
        para_.runs.back().text += runText_;
    else
        para_.runs.append(Run{runText_, runStyle_});
    runText_.clear();
}

ListKind Parser::listKindFor(const GroupState &s) const
{
    if (s.listOverride > 0) {
        const auto list = listKinds_.constFind(overrides_.value(s.listOverride, s.listOverride));
        if (list == listKinds_.constEnd())
            return ListKind::Bullet;
        return (*list)[s.listLevel];
    }
    return s.pnKind;
}

void Parser::endParagraph()
{
    flushBytes();
    if (highSurrogate_ != 0)
        appendText(u"");
    finishRun();
    const GroupState &s = state();
    para_.style.align = s.align;
    para_.style.list = listKindFor(s);
    para_.style.level = para_.style.list == ListKind::None ? 0 : s.listLevel;
    para_.style.leftIndent = s.leftIndent;
    para_.style.rightIndent = s.rightIndent;
    para_.style.firstIndent = s.firstIndent;
    para_.style.spaceBefore = s.spaceBefore;
    para_.style.spaceAfter = s.spaceAfter;
    para_.markStyle = currentStyle();
    sink_.paragraph(para_);
    para_ = Paragraph{};
    paraHasContent_ = false;
}

void Parser::commitFontName()
{
    QString name;
    const int cp = fontCpg_ != 0 ? fontCpg_ : codePageForCharset(fontCharset_);
    appendDecoded(name, fontName_, cp != 0 ? cp : docCodePage_);
    fontName_.clear();
    name = name.trimmed();
    if (name.isEmpty() || fonts_.size() >= 4096)
        return;
    fonts_.insert(fontBeingRead_, FontDef{name, cp});
}

void Parser::commitColour()
{
    if (colours_.size() >= 4096)
        return;
    colours_.push_back(qRgb(red_, green_, blue_));
    colourIsAuto_.push_back(!colourSet_);
    red_ = green_ = blue_ = 0;
    colourSet_ = false;
}

} // namespace

ParseOutcome parseRtf(QByteArrayView rtf, ParagraphSink &sink)
{
    Parser parser(rtf, sink);
    return parser.run();
}

} // namespace richtext::detail
