// The yardstick for the game's idle cost: the least a Qt Widgets window of
// the main window's size does to show what the game's idle screens change.
//   quorlane-pulse-window STRIPS INTERVAL_MS [CELLS]
// Every INTERVAL_MS it gives STRIPS strips of 25 x 4 pixels (the prompts
// under the toolbar's buttons, 0 to 2) and CELLS squares of 26 x 26 (a
// hovered area, 0 or 1) a new colour, as the game's tick does, and Qt shows
// them. Nothing else happens in it.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <vector>

namespace {

class TPatch : public QWidget {
 public:
  TPatch(QWidget* parent, const QRect& geometry) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(geometry);
  }
  void SetColour(const QColor& colour) {
    Colour = colour;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override { QPainter(this).fillRect(event->rect(), Colour); }

 private:
  QColor Colour;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int strips = argc > 1 ? std::atoi(argv[1]) : 1;
  const int interval = argc > 2 ? std::atoi(argv[2]) : 30;
  const int cells = argc > 3 ? std::atoi(argv[3]) : 0;
  QWidget window;
  window.setWindowTitle(QStringLiteral("Pulse Qt window"));
  window.resize(478, 511);
  std::vector<TPatch*> patches;
  const QRect places[] = {{8, 32, 25, 4}, {447, 32, 25, 4}};
  for (int i = 0; i < strips && i < 2; ++i) patches.push_back(new TPatch(&window, places[i]));
  if (cells > 0) patches.push_back(new TPatch(&window, QRect(226, 240, 26, 26)));
  window.show();

  int step = 0;
  QTimer timer;
  timer.setInterval(interval);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++step;
    const QColor colour(255, 64 + step % 150, step % 200);
    for (TPatch* patch : patches) patch->SetColour(colour);
  });
  timer.start();
  return QApplication::exec();
}
