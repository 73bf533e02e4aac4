// The main window's settings: toolbar positions under Toolbars, the nine
// options, and its placement when it closes.
#include <QAction>
#include <algorithm>
#include <tuple>
#include <vector>
#include <QButtonGroup>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include "icon_panel.h"
#include "main_form.h"
#include "stored_values.h"
#include "window_placement.h"

namespace kal {

namespace {

const char* DockName(Qt::ToolBarArea area) {
  switch (area) {
    case Qt::LeftToolBarArea: return "DockLeft";
    case Qt::RightToolBarArea: return "DockRight";
    case Qt::BottomToolBarArea: return "DockBottom";
    default: return "DockTop";
  }
}

Qt::ToolBarArea DockArea(const QString& name) {
  if (name == "DockLeft") return Qt::LeftToolBarArea;
  if (name == "DockRight") return Qt::RightToolBarArea;
  if (name == "DockBottom") return Qt::BottomToolBarArea;
  return Qt::TopToolBarArea;
}

// The row a toolbar sits in within its dock: toolbars of the same dock
// above (or left of) it on another line.
int DockRow(const QMainWindow& window, const QToolBar& bar) {
  const Qt::ToolBarArea area = window.toolBarArea(&bar);
  const bool vertical = area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea;
  int row = 0;
  for (const QToolBar* other : window.findChildren<QToolBar*>()) {
    if (other == &bar || window.toolBarArea(other) != area || other->isFloating()) continue;
    if (vertical ? other->x() < bar.x() : other->y() < bar.y()) ++row;
  }
  return row;
}

}  // namespace

void TMainForm::RestoreSettings() {
  const QSettings store(kSettingsCompany, kSettingsProgram);

  // Toolbar positions: each toolbar back in its dock and row, in the order
  // of the rows; a floating toolbar comes back through the window's layout
  // record kept beside the positions.
  struct Placed {
    QToolBar* bar;
    Qt::ToolBarArea area;
    int row, pos;
    bool visible, floating;
  };
  std::vector<Placed> placed;
  for (QToolBar* bar : {mainToolBar_, editToolBar_}) {
    const QString g = "Toolbars/" + bar->objectName() + "/";
    if (!store.contains(g + "DockedTo")) {
      placed.clear();
      break;
    }
    const QString dock = ReadStoredString(store, g + "DockedTo", "DockTop");
    placed.push_back({bar, DockArea(dock), ReadStoredInt(store, g + "DockRow", 0), ReadStoredInt(store, g + "DockPos", 0),
                      ReadStoredBool(store, g + "Visible", true), dock == "+"});
  }
  if (!placed.empty()) {
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
      return std::tie(a.area, a.row, a.pos) < std::tie(b.area, b.row, b.pos);
    });
    for (const Placed& p : placed) removeToolBar(p.bar);
    for (std::size_t i = 0; i < placed.size(); ++i) {
      const Placed& p = placed[i];
      if (i > 0 && placed[i - 1].area == p.area && placed[i - 1].row != p.row) addToolBarBreak(p.area);
      addToolBar(p.area, p.bar);
      p.bar->setVisible(p.visible);
    }
    const bool anyFloating = std::any_of(placed.begin(), placed.end(), [](const Placed& p) { return p.floating; });
    if (anyFloating) restoreState(QByteArray::fromBase64(store.value("Toolbars/MainToolBar/Layout").toByteArray()));
  }

  // Options.
  const bool old = ReadStoredBool(store, "Options/OldCalendar", true);
  actions_["MOldCalendar"]->setChecked(old);
  actions_["MNewCalendar"]->setChecked(!old);
  if (ReadStoredBool(store, "Options/TroparionKontakion", true)) {
    actions_["MTroparionKontakion"]->setChecked(true);
    actions_["MDailyBibleReadings"]->setChecked(false);
    buttons_["MTBKalendra"]->setChecked(true);
  } else if (ReadStoredBool(store, "Options/DailyBibleReadings", false)) {
    actions_["MTroparionKontakion"]->setChecked(false);
    actions_["MDailyBibleReadings"]->setChecked(true);
    buttons_["MTBBibleReadings"]->setChecked(true);
    SetFindSaintForView(false);
  }
  actions_["MShowVerseNumbers"]->setChecked(ReadStoredBool(store, "Options/ShowVerseNumbers", false));
  actions_["MShowVerseNumbers"]->setEnabled(ReadStoredBool(store, "Options/ShowVerseNumbersEnabled", false));
  const bool icons = ReadStoredBool(store, "Options/ShowIcons", true);
  actions_["MShowIcons"]->setChecked(icons);
  iconPanel_->SetPanelWidth(icons ? iconPanel_->PictureWidth() : 0);
  const bool mainBar = ReadStoredBool(store, "Options/ShowMainToolBar", true);
  const bool editBar = ReadStoredBool(store, "Options/ShowEditToolBar", true);
  mainToolBar_->setVisible(mainBar);
  actions_["MShowMainToolBar"]->setChecked(mainBar);
  editToolBar_->setVisible(editBar);
  actions_["MShowEditToolBar"]->setChecked(editBar);
  ApplyHints(ReadStoredBool(store, "Options/ShowHints", true));
  actions_["MShowHints"]->setEnabled(mainBar || editBar);
}

void TMainForm::SaveSettings() {
  settingsSaved_ = true;
  {
    QSettings store(kSettingsCompany, kSettingsProgram);
    for (QToolBar* bar : {mainToolBar_, editToolBar_}) {
      store.beginGroup("Toolbars/" + bar->objectName());
      const Qt::ToolBarArea area = toolBarArea(bar);
      const bool vertical = area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea;
      WriteStoredInt(store, "Rev", 2);
      WriteStoredBool(store, "Visible", !bar->isHidden());
      store.setValue("DockedTo", bar->isFloating() ? QString("+") : QString(DockName(area)));
      WriteStoredInt(store, "DockRow", DockRow(*this, *bar));
      WriteStoredInt(store, "DockPos", bar->isFloating() ? 0 : (vertical ? bar->y() : bar->x()));
      WriteStoredInt(store, "FloatLeft", bar->isFloating() ? bar->x() : -1);
      WriteStoredInt(store, "FloatTop", bar->isFloating() ? bar->y() : -1);
      if (bar == mainToolBar_) store.setValue("Layout", QString::fromLatin1(saveState().toBase64()));
      store.endGroup();
    }
  }
  SaveMainPlacement(*this, "MainWindow");
  QSettings store(kSettingsCompany, kSettingsProgram);
  store.beginGroup("Options");
  WriteStoredBool(store, "OldCalendar", actions_["MOldCalendar"]->isChecked());
  WriteStoredBool(store, "TroparionKontakion", actions_["MTroparionKontakion"]->isChecked());
  WriteStoredBool(store, "DailyBibleReadings", actions_["MDailyBibleReadings"]->isChecked());
  WriteStoredBool(store, "ShowVerseNumbers", actions_["MShowVerseNumbers"]->isChecked());
  WriteStoredBool(store, "ShowVerseNumbersEnabled", actions_["MShowVerseNumbers"]->isEnabled());
  WriteStoredBool(store, "ShowIcons", actions_["MShowIcons"]->isChecked());
  WriteStoredBool(store, "ShowMainToolBar", !mainToolBar_->isHidden());
  WriteStoredBool(store, "ShowEditToolBar", !editToolBar_->isHidden());
  WriteStoredBool(store, "ShowHints", actions_["MShowHints"]->isChecked());
}

}  // namespace kal
