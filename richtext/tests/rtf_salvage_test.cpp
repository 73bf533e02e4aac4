// Reading the words back out of damaged RTF.
#include <gtest/gtest.h>

#include "richtext/rtf_salvage.h"

namespace {

using richtext::rtfClosesEarly;
using richtext::salvageRtfText;

const char kHead[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Times New Roman;}}\n"
                     "{\\colortbl ;\\red0\\green0\\blue0;}\n";

TEST(RtfSalvage, TextSurvivesALostBraceAnywhereInTheHead) {
  const QByteArray body = "\\pard\\cf1 Glory to Thee, \\b O God\\b0 ,\\par glory to Thee.\\par\n}";
  const QString text = "Glory to Thee, O God,\nglory to Thee.";
  const QByteArray intact = QByteArray(kHead) + body;
  EXPECT_EQ(salvageRtfText(intact), text);
  // Every brace of the head, one at a time, turned into another byte.
  const qsizetype headSize = qsizetype(sizeof kHead) - 1;
  for (qsizetype at = 1; at < headSize; ++at) {
    if (intact[at] != '{' && intact[at] != '}') continue;
    QByteArray damaged = intact;
    damaged[at] = 'x';
    EXPECT_EQ(salvageRtfText(damaged), text) << at;
  }
}

TEST(RtfSalvage, EscapesUnicodeAndHiddenGroups) {
  const QByteArray rtf = "{\\rtf1\\ansi{\\*\\generator Some Writer;}{\\info{\\title Notes}}\\uc1 "
                         "Caf\\'e9 \\u8212? \\{braces\\} \\\\ end{\\pict 0123abcd}\\par}";
  EXPECT_EQ(salvageRtfText(rtf), QString::fromUtf8("Caf\u00e9 \u2014 {braces} \\ end"));
}

TEST(RtfSalvage, AnEarlyCloseIsSeenAndReadPast) {
  const QByteArray intact = QByteArray(kHead) + "\\pard One.\\par}\r\n";
  EXPECT_FALSE(rtfClosesEarly(intact));
  EXPECT_FALSE(rtfClosesEarly(intact + QByteArray(3, '\0')));
  EXPECT_FALSE(rtfClosesEarly("{\\rtf1 \\} not a close \\{ }"));
  QByteArray damaged = intact;
  damaged[damaged.indexOf("{\\colortbl")] = ' ';
  EXPECT_TRUE(rtfClosesEarly(damaged));
  EXPECT_EQ(salvageRtfText(damaged), "One.");
}

}  // namespace
