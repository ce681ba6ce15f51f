// The yardstick for the game's start: an empty Qt window of the main
// window's size, with nothing of the game in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.resize(478, 511);
  window.show();
  return app.exec();
}
