// ContainerPanel: the icon of the day with its caption beneath and, where
// the day has another icon, the Show Next Icon button. The choice of key,
// the library binding and the decoding are the picture display's; this
// panel shows the result sized for the screen.
#pragma once

#include <QFrame>
#include <cstdint>
#include <memory>

#include "icon_display.h"

class QLabel;
class QPushButton;

namespace kal {

class IconPanel : public QFrame {
  Q_OBJECT

 public:
  explicit IconPanel(QWidget* parent = nullptr);
  ~IconPanel() override;

  // Shows the day's icon (next = false) or the next one (next = true); key is
  // updated to the key chosen. Throws EDLLLoadError or EJPEGError, leaving
  // the icon on display as it was.
  bool ShowDayIcon(uint16_t& key, bool next, bool force, const IconDay& day);
  // Sizes the picture on display again for the screen's current height.
  void Rescale();

  uint16_t ShownIconKey() const { return display_->ShownIconKey(); }
  bool NextIconShown() const { return nextShown_; }
  const IconLibraries& Libraries() const { return *libraries_; }
  // Width of the panel; 0 while the icons are hidden.
  int PanelWidth() const { return width_; }
  void SetPanelWidth(int width);
  // The width the picture on display takes at the screen's height.
  int PictureWidth() const;
  // The decoded picture's own size.
  QSize PictureSize() const { return display_->Picture().size(); }
  // Screen height used for the last sizing.
  int ScreenHeight() const { return screenHeight_; }
  QString Caption() const;

 signals:
  void NextIconRequested();
  // The next-icon controls were shown (true) or hidden (false).
  void NextIconAvailable(bool available);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowNextIconControls(bool shown);
  void FitNextButton();

  std::unique_ptr<IconLibraries> libraries_;
  std::unique_ptr<TJPEGStreamDecompressor> decoder_;
  std::unique_ptr<IconDisplay> display_;
  QLabel* image_ = nullptr;
  QLabel* caption_ = nullptr;
  QFrame* bottom_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  int width_ = 0;
  int screenHeight_ = 0;
  bool nextShown_ = false;
};

}  // namespace kal
