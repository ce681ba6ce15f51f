#include "about/ui/AboutBox.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include "about/EmbeddedArt.h"
#include "about/ui/AboutPicture.h"
#include "about/ui/BevelPanel.h"

namespace {

QFont TahomaPixels(int pixels) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixels);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : TAboutBox(AboutPictureJpeg(), parent) {}

TAboutBox::TAboutBox(std::span<const std::uint8_t> pictureJpeg, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About"));
  setFont(TahomaPixels(11));
  setFixedSize(360, 194);
  setModal(false);
  CreateControls();
  ShowPicture(pictureJpeg);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::CreateControls() {
  Panel1 = new TBevelPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 345, 145);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 129, 129);
  ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  ProductName = MakeLabel(Panel1, "ProductName", QStringLiteral("Quorlane"), 148, 8);
  ProductName->setFont(TahomaPixels(29));
  ProductName->adjustSize();
  Version = MakeLabel(Panel1, "Version", tr("Version %1 (release)").arg(QStringLiteral("1.0.1")), 152, 52);
  Credit = MakeLabel(Panel1, "Credit", tr("By the Quorlane developers"), 152, 84);
  Comments = MakeLabel(Panel1, "Comments",
                       tr("New patterns, news and help at %1").arg(QStringLiteral("https://quorlane.example.org")),
                       152, 108);
  Comments->setWordWrap(true);
  Comments->setFixedWidth(181);
  Comments->setFixedHeight(Comments->heightForWidth(181));

  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(143, 160, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

  // Key preview: the box hears each key before whichever control has focus.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TAboutBox::ShowPicture(std::span<const std::uint8_t> pictureJpeg) {
  const QImage picture = ImageFromJpeg(pictureJpeg);
  if (!picture.isNull()) ProgramIcon->setPixmap(QPixmap::fromImage(picture));
}

bool TAboutBox::HasPicture() const {
  return !ProgramIcon->pixmap().isNull();
}

void TAboutBox::ShowNonModal() {
  if (!isVisible()) {
    CentreOnScreen();
    show();
  }
  raise();
  activateWindow();
}

// Centred on the screen the game's window is on (the primary one before
// the game has a window).
void TAboutBox::CentreOnScreen() {
  const QWidget* anchor = parentWidget();
  QScreen* screen = anchor != nullptr ? anchor->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event)) QDialog::keyPressEvent(event);
}

bool TAboutBox::FormKeyDown(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  close();
  return true;
}

void TAboutBox::OKButtonClick() { accept(); }
