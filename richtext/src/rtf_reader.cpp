#include "richtext/rtf_reader.h"

#include "rtf_model.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <array>

namespace richtext {
namespace {

using namespace detail;

QTextCharFormat toCharFormat(const CharStyle &style)
{
    QTextCharFormat format;
    if (!style.font.isEmpty())
        format.setFontFamilies(QStringList{style.font});
    format.setFontPointSize(style.halfPoints / 2.0);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.strike);
    if (style.hasColour)
        format.setForeground(QColor::fromRgb(style.colour));
    if (style.hasHighlight)
        format.setBackground(QColor::fromRgb(style.highlight));
    switch (style.vertical) {
    case VerticalAlign::Superscript: format.setVerticalAlignment(QTextCharFormat::AlignSuperScript); break;
    case VerticalAlign::Subscript: format.setVerticalAlignment(QTextCharFormat::AlignSubScript); break;
    case VerticalAlign::Normal: break;
    }
    return format;
}

QTextBlockFormat toBlockFormat(const ParaStyle &style)
{
    QTextBlockFormat format;
    switch (style.align) {
    case ParaAlign::Left: format.setAlignment(Qt::AlignLeft); break;
    case ParaAlign::Right: format.setAlignment(Qt::AlignRight); break;
    case ParaAlign::Centre: format.setAlignment(Qt::AlignHCenter); break;
    case ParaAlign::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    // A list's own indent places its items; the \li and \fi that come with
    // a list item only say the same again.
    if (style.list == ListKind::None) {
        if (style.leftIndent != 0)
            format.setLeftMargin(pixelsOfTwips(style.leftIndent));
        if (style.firstIndent != 0)
            format.setTextIndent(pixelsOfTwips(style.firstIndent));
    }
    if (style.rightIndent != 0)
        format.setRightMargin(pixelsOfTwips(style.rightIndent));
    if (style.spaceBefore != 0)
        format.setTopMargin(pixelsOfTwips(style.spaceBefore));
    if (style.spaceAfter != 0)
        format.setBottomMargin(pixelsOfTwips(style.spaceAfter));
    return format;
}

QTextListFormat::Style listStyle(ListKind kind)
{
    switch (kind) {
    case ListKind::Decimal: return QTextListFormat::ListDecimal;
    case ListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    case ListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case ListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case ListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    default: return QTextListFormat::ListDisc;
    }
}

class DocumentBuilder : public ParagraphSink {
public:
    explicit DocumentBuilder(QTextDocument *document) : cursor_(document) { cursor_.beginEditBlock(); }
    ~DocumentBuilder() override { cursor_.endEditBlock(); }

    void paragraph(const Paragraph &para) override
    {
        const QTextBlockFormat blockFormat = toBlockFormat(para.style);
        const QTextCharFormat markFormat = toCharFormat(para.markStyle);
        if (first_) {
            cursor_.setBlockFormat(blockFormat);
            cursor_.setBlockCharFormat(markFormat);
            first_ = false;
        } else {
            cursor_.insertBlock(blockFormat, markFormat);
        }
        for (const Run &run : para.runs)
            cursor_.insertText(run.text, toCharFormat(run.style));
        placeInList(para.style);
    }

private:
    // Consecutive list paragraphs of one kind and level share a QTextList, so
    // numbering runs on and the editor treats them as one list. Adding to a
    // QTextList costs time in proportion to its length, so a list of
    // thousands of items is continued as a new list now and then.
    static constexpr int kMaxListItems = 500;
    void placeInList(const ParaStyle &style)
    {
        if (style.list == ListKind::None) {
            lists_.fill(nullptr);
            return;
        }
        const int level = style.level;
        for (int deeper = level + 1; deeper < static_cast<int>(lists_.size()); ++deeper)
            lists_[deeper] = nullptr;
        QTextList *list = lists_[level];
        if (list && list->format().style() == listStyle(style.list) && list->count() < kMaxListItems) {
            list->add(cursor_.block());
            return;
        }
        QTextListFormat format;
        format.setStyle(listStyle(style.list));
        format.setIndent(level + 1);
        lists_[level] = cursor_.createList(format);
    }

    QTextCursor cursor_;
    bool first_ = true;
    std::array<QTextList *, 9> lists_ {};
};

class PlainTextBuilder : public ParagraphSink {
public:
    void paragraph(const Paragraph &para) override
    {
        if (count_++ > 0)
            text_ += QLatin1Char('\n');
        for (const Run &run : para.runs)
            text_ += run.text;
    }
    QString take()
    {
        text_.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text_.replace(QChar::Nbsp, QLatin1Char(' '));
        return std::move(text_);
    }

private:
    QString text_;
    int count_ = 0;
};

} // namespace

RtfReadResult readRtf(QByteArrayView rtf, QTextDocument *document)
{
    RtfReadResult result;
    if (!document) {
        result.error = QStringLiteral("no document");
        return result;
    }
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);   // also drops the previous history
    document->clear();
    ParseOutcome outcome;
    {
        // One edit block: the cursor then skips laying out the block after
        // every insertion, which made long paragraphs quadratic.
        DocumentBuilder builder(document);
        outcome = parseRtf(rtf, builder);
    }
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    result.ok = outcome.ok;
    result.error = outcome.error;
    return result;
}

QString rtfToPlainText(QByteArrayView rtf)
{
    PlainTextBuilder builder;
    parseRtf(rtf, builder);
    return builder.take();
}

} // namespace richtext
