#include "ui/WindowVisibility.h"
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* XConnection() {
  const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

TWindowVisibility::TWindowVisibility(QWidget& window) : QObject(&window), FWindow(window) {
  window.installEventFilter(this);
  if (XConnection()) QCoreApplication::instance()->installNativeEventFilter(this);
  Watch();
}

TWindowVisibility::~TWindowVisibility() {
  if (QCoreApplication* application = QCoreApplication::instance())
    application->removeNativeEventFilter(this);
}

bool TWindowVisibility::Seen() const { return !FWindow.isMinimized() && !FObscured; }

void TWindowVisibility::SetObscured(bool obscured) {
  if (obscured == FObscured) return;
  FObscured = obscured;
  emit Changed();
}

// The native window comes with the first show and may be made anew; its
// QWindow hears of every part of it that comes into view.
bool TWindowVisibility::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &FWindow && (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)) {
    Watch();
  } else if (watched == &FWindow && event->type() == QEvent::WindowStateChange) {
    emit Changed();
  } else if (watched != &FWindow && event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
    SetObscured(false);
  }
  return false;
}

void TWindowVisibility::Watch() {
  if (!FWindow.testAttribute(Qt::WA_WState_Created)) return;
  QWindow* handle = FWindow.windowHandle();
  xcb_connection_t* connection = XConnection();
  const quintptr id = FWindow.winId();
  if (handle) handle->installEventFilter(this);
  if (!connection || id == FWatchedId) return;
  FWatchedId = id;
  // The event mask is the client's own: keep what Qt asked for.
  const auto window = xcb_window_t(id);
  std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr), &free);
  if (!attributes) return;
  const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
  xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
}

bool TWindowVisibility::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (FWatchedId == 0 || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY) return false;
  const auto* notice = static_cast<const xcb_visibility_notify_event_t*>(message);
  if (notice->window == xcb_window_t(FWatchedId)) SetObscured(notice->state == XCB_VISIBILITY_FULLY_OBSCURED);
  return false;
}
