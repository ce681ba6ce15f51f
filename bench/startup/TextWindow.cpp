// The second yardstick for the game's start: a Qt window of the main
// window's size that shows one line of text, so that it loads what any
// window with text needs (fonts, shaping, rendering) and nothing of the game.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("A Qt window with one line of text"));
  window.setWindowTitle(QStringLiteral("Text Qt window"));
  window.resize(478, 511);
  window.show();
  return app.exec();
}
