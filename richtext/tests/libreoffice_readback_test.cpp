// LibreOffice reads the RTF our writer makes with the same text and
// formatting: our RTF goes through LibreOffice Writer and comes back as
// LibreOffice's own RTF, which our reader then compares with the original.
// Skips where LibreOffice (soffice) is not installed.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richtext;
using namespace richtext::test;

namespace {

void buildPage(QTextDocument &doc)
{
    const QString tnr = QStringLiteral("Times New Roman");
    QTextCursor c(&doc);
    startHymnPage(c, "HOLY GREAT MARTYR GEORGE");
    insertHymnHeading(c, "Troparion of St George", "Tone 4");
    c.insertBlock(aligned(Qt::AlignRight), charStyle(tnr, 12));
    c.insertText("As deliverer of captives ", charStyle(tnr, 12));
    c.insertText("and protector", charStyle("Arial", 10, "I", QColor(192, 0, 0)));
    c.insertText(" of the poor, {pray} for us \\ amen", charStyle(tnr, 12, "BIU"));
    c.insertBlock(aligned(Qt::AlignLeft), charStyle(tnr, 12));
    c.insertText(QString::fromUtf16(u"caf\u00e9 \u201cquoted\u201d \u0421\u0432\u044f\u0442\u044b\u0439 \u1f08\u03b3\u03b9\u03bf\u03c2"),
                 charStyle(tnr, 12));
    insertTwoBullets(c);
    c.insertBlock(aligned(Qt::AlignLeft), charStyle(tnr, 12));
    c.insertText("After the list", charStyle(tnr, 12));
}

// LibreOffice writes the automatic colour as black, and its RTF import puts
// a six-per-em space (U+2006) before each space of a run of spaces (as in
// the four spaces of a hymn heading); both are its own doing, not ours.
QString withoutSixPerEmSpaces(QString text)
{
    return text.remove(QChar(0x2006));
}

QStringList normalised(const QTextDocument &doc)
{
    QStringList lines = describe(doc);
    for (QString &line : lines)
        line = withoutSixPerEmSpaces(line.replace(" auto]", " #000000]"));
    return lines;
}

} // namespace

TEST(LibreOfficeReadBack, ReadsOurRtfWithTheSameTextAndFormatting)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument original;
    buildPage(original);
    QFile ours(dir.filePath("ours.rtf"));
    ASSERT_TRUE(ours.open(QIODevice::WriteOnly));
    ours.write(writeRtf(original));
    ours.close();

    // Writer opens our file and saves it as its own RTF and as plain text.
    const QString profile = QStringLiteral("-env:UserInstallation=file://") + dir.filePath("profile");
    for (const char *target : {"rtf:Rich Text Format", "txt:Text (encoded):UTF8"}) {
        QProcess process;
        process.start(soffice, {profile, "--headless", "--convert-to", target, "--outdir",
                                dir.filePath("out"), ours.fileName()});
        ASSERT_TRUE(process.waitForFinished(180000)) << "soffice did not finish";
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    QFile text(dir.filePath("out/ours.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    QString plain = QString::fromUtf8(text.readAll());
    if (plain.startsWith(QChar(0xFEFF)))
        plain.remove(0, 1);
    // The text export marks the bullets; the paragraphs are what matter.
    QStringList lines = plain.split(QRegularExpression("\r?\n"));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        line.remove(QRegularExpression(QString::fromUtf16(u"^\\s*[\u2022\u25cf\u00b7\u25aa]\\s*")));
        line = withoutSixPerEmSpaces(line);
    }
    EXPECT_EQ(lines, paragraphs(original));

    QFile back(dir.filePath("out/ours.rtf"));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    QTextDocument copy;
    const RtfReadResult result = readRtf(back.readAll(), &copy);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(normalised(copy), normalised(original));
}
