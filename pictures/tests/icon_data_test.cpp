// Whole-data checks over both icon libraries and the splash picture.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "calendar/day_designation.h"
#include "icon_choice.h"
#include "icon_library.h"
#include "icon_resources.h"
#include "jpeg_decoder.h"
#include "program_resources.h"
#include "test_support.h"

namespace {

const int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const char* const kMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                               "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

// The first title line of each day in the hymn sources, by date key; months
// whose file is not written yet are missing.
std::map<uint16_t, std::string> FirstTitleLines(std::set<int>* monthsPresent) {
  std::map<uint16_t, std::string> titles;
  QDir dir(KAL_HYMN_DATA_DIR);
  const QRegularExpression dayLine("^@\\s*(\\d+)/(\\d+)\\s*$");
  for (int m = 1; m <= 12; ++m) {
    const QStringList files = dir.entryList({QString("%1-*.txt").arg(m, 2, 10, QChar('0'))}, QDir::Files);
    if (files.isEmpty()) continue;
    monthsPresent->insert(m);
    QFile file(dir.filePath(files.first()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    QTextStream in(&file);
    uint16_t open = 0;
    while (!in.atEnd()) {
      const QString line = in.readLine();
      const auto match = dayLine.match(line.trimmed());
      if (match.hasMatch()) {
        open = static_cast<uint16_t>(match.captured(1).toInt() * 100 + match.captured(2).toInt());
      } else if (open && line.startsWith("= ")) {
        titles[open] = line.mid(2).trimmed().toStdString();
        open = 0;
      }
    }
  }
  return titles;
}

struct JpegFacts {
  int components = 0;
  bool jfif = false;
};

// Header facts read straight from the bytes: JFIF APP0 and the frame's
// component count.
JpegFacts ReadFacts(const unsigned char* p, uint32_t size) {
  JpegFacts facts;
  for (uint32_t i = 2; i + 9 < size;) {
    if (p[i] != 0xFF) break;
    const int marker = p[i + 1];
    const uint32_t length = (p[i + 2] << 8) | p[i + 3];
    if (marker == 0xE0 && memcmp(p + i + 4, "JFIF\0", 5) == 0) facts.jfif = true;
    if (marker == 0xC0 || marker == 0xC2) {
      facts.components = p[i + 9];
      break;
    }
    i += 2 + length;
  }
  return facts;
}

class Pack {
 public:
  Pack() {
    const std::string path = (std::filesystem::path(kaltest::ProgramFolder()) / "XTRAPICS.so").string();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_) instance = reinterpret_cast<GetMultInstanceFn>(dlsym(handle_, "GetMultInstance"));
  }
  ~Pack() {
    if (handle_) dlclose(handle_);
  }
  GetMultInstanceFn instance = nullptr;

 private:
  void* handle_ = nullptr;
};

void CheckPictures(const IconLibraryInstance* lib, bool dayPack) {
  kal::TJPEGStreamDecompressor decoder;
  kal::UseMainWindowSettings(decoder);
  for (uint32_t i = 0; i < lib->count; ++i) {
    const IconResourceEntry& e = lib->entries[i];
    SCOPED_TRACE(e.key);
    const JpegFacts facts = ReadFacts(e.data, e.size);
    EXPECT_TRUE(facts.jfif);
    EXPECT_EQ(facts.components, 3);
    if (dayPack) {
      EXPECT_GE(e.size, 16u * 1024);
      EXPECT_LE(e.size, 38u * 1024);
    }
    QByteArray bytes(reinterpret_cast<const char*>(e.data), e.size);
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    QImage picture;
    ASSERT_NO_THROW(decoder.Decode(stream, &picture));
    EXPECT_EQ(decoder.WarningCount(), 0);
    EXPECT_EQ(picture.height(), 280);
    if (dayPack) {
      EXPECT_GE(picture.width(), 196);
      EXPECT_LE(picture.width(), 219);
    }
    char caption[kal::kCaptionBufferSize];
    const std::size_t length = kal::LoadIconString(lib, e.key, caption, sizeof caption);
    EXPECT_GT(length, 0u);
    EXPECT_LE(strlen(e.caption), 255u);
    if (i > 0) {
      EXPECT_LT(lib->entries[i - 1].key, e.key) << "entries sorted by key";
    }
  }
}

TEST(IconData, DayPackHoldsEveryDayAndTheSecondIcons) {
  Pack pack;
  ASSERT_NE(pack.instance, nullptr);
  const IconLibraryInstance* lib = pack.instance();
  std::set<uint16_t> expected = {20101, 20223, 20409, 20423, 20509, 20611, 20620,
                                 20715, 20801, 20901, 21001, 21109, 21125, 21213};
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) expected.insert(static_cast<uint16_t>(10000 + m * 100 + d));
  std::set<uint16_t> present;
  for (uint32_t i = 0; i < lib->count; ++i) present.insert(lib->entries[i].key);
  EXPECT_EQ(lib->count, 380u);
  EXPECT_EQ(present, expected);
  CheckPictures(lib, true);
}

TEST(IconData, FirstCaptionsAreTheDaysPrincipalCommemoration) {
  Pack pack;
  ASSERT_NE(pack.instance, nullptr);
  std::set<int> months;
  const std::map<uint16_t, std::string> titles = FirstTitleLines(&months);
  int checked = 0;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) {
      const uint16_t key = static_cast<uint16_t>(m * 100 + d);
      char caption[kal::kCaptionBufferSize];
      kal::LoadIconString(pack.instance(), static_cast<uint16_t>(10000 + key), caption, sizeof caption);
      if (months.count(m)) {
        auto it = titles.find(key);
        ASSERT_NE(it, titles.end()) << "no title line for " << key;
        EXPECT_EQ(caption, it->second) << key;
        ++checked;
      } else {
        // Until the month's hymns are written the caption is the date.
        EXPECT_EQ(caption, std::string(kMonths[m - 1]) + " " + std::to_string(d)) << key;
      }
    }
  RecordProperty("daysCheckedAgainstHymnSources", checked);
}

TEST(IconData, BaseLibraryHoldsEveryKeyTheProgramAsksFor) {
  const IconLibraryInstance* lib = GetMultInstance();
  CheckPictures(lib, false);
  std::set<uint16_t> asked = {1, 2, 3, 4, 5, 6, 7, 8, 102, 106, 107, 202, 325, 326, 806, 815,
                              908, 914, 1113, 1121, 1220, 1225, 1227};
  // Every key the new-day choice and the next-icon step can reach below
  // 10000, over every day and every place in the movable cycle.
  const kal::SecondIconFn second = [](uint16_t) { return false; };
  for (uint16_t zid = 0; zid <= 384; ++zid) {
    const kal::SubstituteFn sub = [zid](uint16_t k) { return kal::SubstituteIconKey(zid, k); };
    const std::function<bool(uint16_t)> baseHas = [lib](uint16_t k) {
      return FindMultJpgResource(&k) != nullptr;
    };
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= kDaysInMonth[m - 1]; ++d) {
        const uint16_t key = static_cast<uint16_t>(m * 100 + d);
        const bool has = kal::DayHasIcon(key, sub, baseHas);
        for (bool packPresent : {false, true})
          for (uint16_t k : kal::IconCycle(key, has, packPresent, sub, second))
            if (k < 10000) asked.insert(k);
      }
  }
  for (uint16_t key : asked) {
    EXPECT_NE(FindMultJpgResource(&key), nullptr) << key;
    char caption[kal::kCaptionBufferSize];
    EXPECT_GT(kal::LoadIconString(lib, key, caption, sizeof caption), 0u) << key;
  }
}

TEST(IconData, SplashPicture) {
  const kal::ProgramResource splash = kal::FindProgramResource(kal::kSplashResource);
  ASSERT_NE(splash.data, nullptr);
  const JpegFacts facts = ReadFacts(splash.data, static_cast<uint32_t>(splash.size));
  EXPECT_TRUE(facts.jfif);
  EXPECT_EQ(facts.components, 3);
  QByteArray bytes(reinterpret_cast<const char*>(splash.data), static_cast<qsizetype>(splash.size));
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  kal::TJPEGStreamDecompressor decoder;
  kal::UseSplashSettings(decoder);
  QImage picture;
  decoder.Decode(stream, &picture);
  EXPECT_EQ(picture.size(), QSize(371, 450));
  EXPECT_EQ(kal::FindProgramResource(5002).data, nullptr);
}

}  // namespace
