// GUI tests run offscreen unless a display is there; the application is
// created after GoogleTest has taken its arguments.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// CTest runs the tests of this program side by side: each process keeps its
// settings and data in folders of its own.
std::vector<std::string> privateFolders;

void UsePrivateFolder(const char* variable) {
  const char* base = std::getenv(variable);
  const std::filesystem::path root = base ? base : std::filesystem::temp_directory_path().string();
  std::filesystem::create_directories(root);
  std::string pattern = (root / "kalview-XXXXXX").string();
  if (mkdtemp(pattern.data())) {
    setenv(variable, pattern.c_str(), 1);
    privateFolders.push_back(pattern);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  UsePrivateFolder("XDG_CONFIG_HOME");
  UsePrivateFolder("XDG_DATA_HOME");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  // Closing a test's main window must not end the application.
  QApplication::setQuitOnLastWindowClosed(false);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  for (const std::string& folder : privateFolders) std::filesystem::remove_all(folder, ignored);
  return result;
}
