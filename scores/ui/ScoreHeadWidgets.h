#pragma once
#include <vector>
#include <QFrame>
#include <QWidget>

// The score header: a strip under the toolbar, as wide as the window. Its
// controls were placed for a 478-pixel width; those anchored right keep
// their distance from the right edge, and the player's name takes up the
// width in between.
class TScoreHeadPanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int DesignWidth = 478;
  static constexpr int PanelHeight = 39;

  explicit TScoreHeadPanel(QWidget* window);

  // Registers a control placed at the design geometry.
  void Place(QWidget* control, const QRect& designGeometry, bool anchorRight, bool stretch = false);
  // Spans the window's width, keeping its height and its place.
  void FollowWindow();
  void LayOutControls();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TPlacement {
    QWidget* Control;
    QRect Design;
    bool AnchorRight;
    bool Stretch;
  };
  std::vector<TPlacement> Placements;
};
