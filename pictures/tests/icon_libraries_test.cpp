#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "calendar/day_designation.h"
#include "icon_display.h"
#include "icon_library.h"
#include "icon_libraries.h"
#include "icon_resources.h"
#include "test_support.h"

namespace {

using kal::EDLLLoadError;
using kal::IconDisplay;
using kal::IconLibraries;

constexpr uint16_t kOrdinaryTime = 300;

std::string PackPath() { return (std::filesystem::path(kaltest::ProgramFolder()) / "XTRAPICS.so").string(); }

// The pack opened directly, for the interface itself.
class Pack {
 public:
  Pack() : handle_(dlopen(PackPath().c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_) return;
    instance = reinterpret_cast<GetMultInstanceFn>(dlsym(handle_, "GetMultInstance"));
    find = reinterpret_cast<FindMultJpgResourceFn>(dlsym(handle_, "FindMultJpgResource"));
    load = reinterpret_cast<LoadMultJpgFromResourceFn>(dlsym(handle_, "LoadMultJpgFromResource"));
  }
  ~Pack() {
    if (handle_) dlclose(handle_);
  }
  bool Loaded() const { return handle_ && instance && find && load; }
  std::string Caption(uint16_t key) const {
    char buffer[kal::kCaptionBufferSize];
    return std::string(buffer, kal::LoadIconString(instance(), key, buffer, sizeof buffer));
  }
  GetMultInstanceFn instance = nullptr;
  FindMultJpgResourceFn find = nullptr;
  LoadMultJpgFromResourceFn load = nullptr;

 private:
  void* handle_;
};

TEST(IconLibrary, ExportsAnswerByKey) {
  Pack pack;
  ASSERT_TRUE(pack.Loaded()) << PackPath();
  const uint16_t leapDay = 10229, noSecond = 20229, second = 20801, unknown = 9999;
  EXPECT_NE(pack.find(&leapDay), nullptr);
  EXPECT_EQ(pack.find(&noSecond), nullptr);
  EXPECT_NE(pack.find(&second), nullptr);
  EXPECT_EQ(pack.find(&unknown), nullptr);
  EXPECT_EQ(pack.load(&unknown), nullptr);
  EXPECT_EQ(pack.find(nullptr), nullptr);
  // The bytes are handed out in place: the same address every time, the
  // resource's own.
  const unsigned char* bytes = pack.load(&leapDay);
  EXPECT_EQ(bytes, pack.load(&leapDay));
  EXPECT_EQ(bytes, pack.find(&leapDay)->data);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  EXPECT_GT(kal::SizeofIconResource(pack.instance(), pack.find(&leapDay)), 16000u);
  // A handle from another library is not this instance's.
  const uint16_t base = 806;
  EXPECT_EQ(kal::SizeofIconResource(pack.instance(), FindMultJpgResource(&base)), 0u);
  EXPECT_GT(kal::SizeofIconResource(GetMultInstance(), FindMultJpgResource(&base)), 0u);
}

TEST(IconLibrary, CaptionsOfTheSecondIcons) {
  Pack pack;
  ASSERT_TRUE(pack.Loaded());
  const std::pair<uint16_t, const char*> captions[] = {
      {20101, "ST BASIL THE GREAT, ARCHBISHOP OF CAPPADOCIA"},
      {20223, "ST POLYCHRONIS; ST GORGONIA, SISTER OF ST GREGORY THE THEOLOGIAN"},
      {20409, "NEW MARTYRS RAPHAEL, IRENE AND NICHOLAS OF LESBOS "},
      {20423, "ST GEORGE THE GREAT MARTYR"},
      {20509, "GREAT MARTYR CHRISTOPHER"},
      {20611, "\"IT IS TRULY MEET\" ICON OF THE THEOTOKOS"},
      {20620, "HODOGITRIA ICON OF THE THEOTOKOS"},
      {20715, "THE 630 FATHERS OF THE FOURTH ECUMENICAL COUNCIL"},
      {20801, "THE SEVEN MACCABEE CHILDREN, THEIR MOTHER SOLOMONE AND THEIR TEACHER ELEAZAR"},
      {20901, "ST SIMEON THE STYLITE AND THE HOLY 40 VIRGIN MARTYRS WITH AMOUN THE DEACON"},
      {21001, "THE PROTECTION OF OUR MOST HOLY LADY THE THEOTOKOS AND EVER VIRGIN MARY"},
      {21109, "MARTYR ONESIPHORUS; ST THEOCTISTE; ST EUSTOLIA; ST SOSIPATRA; ST SIMEON THE GREAT"},
      {21125, "GREAT MARTYR KATHERINE OF ALEXANDRIA"},
      {21213, "MARTYRS EUSTRATIUS, AUXENTIUS, EUGENE, MARDARIUS AND ORESTES IN ARMENIA"},
  };
  for (const auto& [key, caption] : captions) EXPECT_EQ(pack.Caption(key), caption) << key;
  EXPECT_EQ(pack.Caption(20102), "");
}

TEST(IconLibrary, CaptionBufferIsAlwaysTerminated) {
  char small[8];
  EXPECT_EQ(kal::LoadIconString(GetMultInstance(), 1225, small, sizeof small), 7u);
  EXPECT_STREQ(small, "NATIVIT");
  EXPECT_EQ(kal::LoadIconString(nullptr, 1225, small, sizeof small), 0u);
  EXPECT_STREQ(small, "");
}

// A program folder of the test's own: no pack, or a pack that cannot be used.
class Folder {
 public:
  void PutPack(const QByteArray& bytes) {
    QFile file(dir_.filePath("XTRAPICS.so"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void CopyAsPack(const std::string& from) {
    ASSERT_TRUE(QFile::copy(QString::fromStdString(from), dir_.filePath("XTRAPICS.so")));
  }
  std::string Path() const { return dir_.path().toStdString(); }

 private:
  QTemporaryDir dir_;
};

TEST(IconBinding, PackPresentAbsentAndUnusable) {
  IconLibraries present(kaltest::ProgramFolder());
  EXPECT_TRUE(present.PackPresent());
  EXPECT_TRUE(present.SecondIconExists(10801));
  EXPECT_FALSE(present.SecondIconExists(10802));
  auto picture = present.Fetch(20801);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->caption, "THE SEVEN MACCABEE CHILDREN, THEIR MOTHER SOLOMONE AND THEIR TEACHER ELEAZAR");
  EXPECT_GT(picture->jpeg.size(), 16000);
  // The pack is closed again after each use.
  EXPECT_EQ(dlopen(present.PackPath().c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);

  Folder empty;
  IconLibraries absent(empty.Path());
  EXPECT_FALSE(absent.PackPresent());
  EXPECT_FALSE(absent.SecondIconExists(10801));
  EXPECT_FALSE(absent.Fetch(10801).has_value());
  EXPECT_EQ(absent.Fetch(806)->caption, "TRANSFIGURATION OF OUR LORD");

  struct Broken {
    const char* name;
    std::function<void(Folder&)> make;
  };
  const Broken broken[] = {
      {"not a library", [](Folder& f) { f.PutPack("this is not a shared object"); }},
      {"a library without the exports",
       [](Folder& f) {
         Dl_info info{};
         ASSERT_NE(dladdr(reinterpret_cast<void*>(&dlopen), &info), 0);
         f.CopyAsPack(info.dli_fname);
       }},
  };
  for (const Broken& b : broken) {
    Folder folder;
    b.make(folder);
    IconLibraries unusable(folder.Path());
    EXPECT_TRUE(unusable.PackPresent()) << b.name;
    try {
      unusable.Fetch(10801);
      ADD_FAILURE() << b.name << ": no error";
    } catch (const EDLLLoadError& e) {
      EXPECT_STREQ(e.what(), "Unable to Load DLL") << b.name;
    }
    try {
      unusable.SecondIconExists(10801);
      ADD_FAILURE() << b.name << ": no error";
    } catch (const EDLLLoadError& e) {
      EXPECT_STREQ(e.what(), "Unable to Load XTRAPICS.DLL") << b.name;
    }
  }
}

// A pack cut short, as an interrupted copy leaves it: mapping it would fault
// on the missing pages, so it must count as a pack that cannot load.
TEST(IconBinding, TruncatedPacksCannotLoad) {
  QFile whole(QString::fromStdString(PackPath()));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  ASSERT_GT(bytes.size(), 1 << 20);
  const qsizetype size = bytes.size();
  for (qsizetype cut : {qsizetype(0), qsizetype(16), qsizetype(63), qsizetype(200), qsizetype(4096), size / 10, size / 4,
                        size / 2, size * 9 / 10, size - size / 100}) {
    Folder folder;
    folder.PutPack(bytes.left(cut));
    IconLibraries pack(folder.Path());
    ASSERT_TRUE(pack.PackPresent());
    try {
      pack.SecondIconExists(10801);
      ADD_FAILURE() << cut << " bytes: no error";
    } catch (const EDLLLoadError& e) {
      EXPECT_STREQ(e.what(), "Unable to Load XTRAPICS.DLL") << cut;
    }
    EXPECT_THROW(pack.Fetch(10801), EDLLLoadError) << cut;
  }
  // Damaged headers: program headers pointing past the end, or a segment
  // claiming more bytes than the file has.
  auto patched = [&bytes](qsizetype at, quint64 value) {
    QByteArray copy = bytes;
    std::memcpy(copy.data() + at, &value, sizeof value);
    return copy;
  };
  const qsizetype phoff = 0x20, firstSegmentFileSize = 64 + 0x20;
  for (const QByteArray& damaged : {patched(phoff, quint64(size)), patched(firstSegmentFileSize, quint64(size) * 2)}) {
    Folder folder;
    folder.PutPack(damaged);
    EXPECT_THROW(IconLibraries(folder.Path()).SecondIconExists(10801), EDLLLoadError);
  }
  // The whole pack, copied the same way, still loads.
  Folder intact;
  intact.PutPack(bytes);
  EXPECT_TRUE(IconLibraries(intact.Path()).SecondIconExists(10801));
}

// The icon panel's state through the real libraries.
struct Panel {
  explicit Panel(std::string folder) : libraries(std::move(folder)), display(libraries, decoder) {
    kal::UseMainWindowSettings(decoder);
  }
  kal::IconDay Day(uint16_t d, uint16_t zacchaeusId = kOrdinaryTime) const {
    kal::IconDay day;
    day.dayKey = d;
    day.substitute = [zacchaeusId](uint16_t k) { return kal::SubstituteIconKey(zacchaeusId, k); };
    day.hasIcon = kal::DayHasIcon(d, day.substitute, [this](uint16_t k) { return libraries.BaseHas(k); });
    return day;
  }
  // The keys shown by a new day and then by presses of Show Next Icon.
  std::vector<uint16_t> Presses(uint16_t d, int presses) {
    const kal::IconDay day = Day(d);
    std::vector<uint16_t> shown;
    uint16_t key = d;
    display.ShowDayIcon(key, false, false, day);
    shown.push_back(display.ShownIconKey());
    for (int i = 0; i < presses && display.NextIconShown(); ++i) {
      key = display.ShownIconKey();
      display.ShowDayIcon(key, true, true, day);
      shown.push_back(display.ShownIconKey());
    }
    return shown;
  }
  kal::TJPEGStreamDecompressor decoder;
  IconLibraries libraries;
  IconDisplay display;
};

TEST(IconDisplay, ExampleCyclesThroughTheLibraries) {
  struct Case {
    uint16_t day;
    std::vector<uint16_t> withPack, withoutPack;
  };
  const Case cases[] = {
      {801, {10801, 20801, 10801}, {806}},
      {806, {806, 10806, 806}, {806}},
      {807, {806, 10807, 806}, {806}},
      {102, {106, 102, 10102, 106}, {106}},
      {324, {325, 10324, 325}, {325}},
      {525, {107, 10525, 107}, {107}},
      {1001, {1001, 11001, 21001, 1001}, {1001}},
  };
  Folder empty;
  for (const Case& c : cases) {
    Panel with(kaltest::ProgramFolder()), without(empty.Path());
    EXPECT_EQ(with.Presses(c.day, static_cast<int>(c.withPack.size()) - 1), c.withPack) << c.day;
    EXPECT_EQ(without.Presses(c.day, 3), c.withoutPack) << c.day;
    EXPECT_FALSE(without.display.NextIconShown());
  }
}

TEST(IconDisplay, AlternatesPicturesAndCaptions) {
  Panel panel(kaltest::ProgramFolder());
  const kal::IconDay day = panel.Day(801);
  uint16_t key = 801;
  ASSERT_TRUE(panel.display.ShowDayIcon(key, false, false, day));
  const std::string first = panel.display.Caption();
  const QImage firstPicture = panel.display.Picture();
  EXPECT_EQ(key, 10801);
  EXPECT_TRUE(panel.display.NextIconShown());
  for (int press = 0; press < 4; ++press) {
    key = panel.display.ShownIconKey();
    panel.display.ShowDayIcon(key, true, true, day);
    const bool second = press % 2 == 0;
    EXPECT_EQ(key, second ? 20801 : 10801);
    EXPECT_EQ(panel.display.Caption() == first, !second);
    EXPECT_EQ(panel.display.Picture() == firstPicture, !second);
  }
  EXPECT_EQ(panel.display.Caption(), first);
  // The same key again without force loads nothing.
  key = 801;
  EXPECT_FALSE(panel.display.ShowDayIcon(key, false, false, day));
}

TEST(IconDisplay, UnusablePackLeavesTheIconOnDisplay) {
  Folder folder;
  Panel panel(folder.Path());
  uint16_t key = 806;
  panel.display.ShowDayIcon(key, false, false, panel.Day(806));
  const QImage before = panel.display.Picture();
  folder.PutPack("broken");
  key = 801;
  try {
    panel.display.ShowDayIcon(key, false, false, panel.Day(801));
    FAIL() << "expected an error";
  } catch (const EDLLLoadError& e) {
    EXPECT_STREQ(e.what(), "Unable to Load XTRAPICS.DLL");
  }
  EXPECT_EQ(panel.display.ShownIconKey(), 806);
  EXPECT_EQ(panel.display.Picture(), before);
  EXPECT_EQ(panel.display.Caption(), "TRANSFIGURATION OF OUR LORD");
}

TEST(IconDisplay, PackRemovedWhileRunning) {
  Folder folder;
  folder.CopyAsPack(PackPath());
  Panel panel(folder.Path());
  uint16_t key = 801;
  panel.display.ShowDayIcon(key, false, false, panel.Day(801));
  EXPECT_EQ(key, 10801);
  EXPECT_TRUE(panel.display.NextIconShown());
  ASSERT_TRUE(std::filesystem::remove(panel.libraries.PackPath()));
  // The next day falls back to the base library's month icon, quietly.
  key = 803;
  EXPECT_NO_THROW(panel.display.ShowDayIcon(key, false, false, panel.Day(803)));
  EXPECT_EQ(key, 806);
  EXPECT_FALSE(panel.display.NextIconShown());
  EXPECT_EQ(panel.display.Caption(), "TRANSFIGURATION OF OUR LORD");
}

TEST(IconDisplay, ScaleIconByScreenHeight) {
  struct Case {
    int screen;
    QSize size;
  };
  const Case cases[] = {{539, {150, 224}}, {540, {200, 280}},  {683, {200, 280}},  {684, {256, 358}},
                        {818, {256, 358}}, {819, {288, 406}},  {946, {288, 406}},  {947, {320, 478}},
                        {1111, {320, 478}}, {1112, {400, 560}}, {1319, {400, 560}}, {1320, {450, 672}}};
  for (const Case& c : cases) EXPECT_EQ(kal::ScaleIcon({200, 280}, c.screen), c.size) << c.screen;
  // Halves round to even: 202 * 0.75 = 151.5 -> 152, 206 * 0.75 = 154.5 -> 154.
  EXPECT_EQ(kal::ScaleIcon({202, 280}, 500).width(), 152);
  EXPECT_EQ(kal::ScaleIcon({206, 280}, 500).width(), 154);
}

}  // namespace
