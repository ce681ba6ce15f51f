#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

// Whether anything of a top-level window can be seen: not while it is
// minimised, nor while it is hidden behind others, as far as the window
// system says so. On X the window asks for visibility notices, which Qt
// does not; elsewhere (Wayland, a compositing window manager, the offscreen
// platform of the tests) a window is never known to be covered. Any part of
// it coming back into view makes it uncovered again, even if a notice was
// missed.
class TWindowVisibility : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit TWindowVisibility(QWidget& window);
  ~TWindowVisibility() override;

  bool Seen() const;
  // What the window system said last; the tests say it themselves.
  void SetObscured(bool obscured);

 signals:
  // The window was minimised or shown again, covered or uncovered.
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  // Asks X for the notices on the window's native window, once it has one.
  void Watch();

  QWidget& FWindow;
  quintptr FWatchedId = 0;
  bool FObscured = false;
};
