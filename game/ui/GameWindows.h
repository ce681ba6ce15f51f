#pragma once
#include <memory>

class TMainForm;
class TDlgNewGame;
class TAboutBox;
class TPatternDlg;
struct TModalSeams;

// The program's four windows, wired to each other. The main window comes
// first, so that while it is being made none of the others exists yet; it
// starts with the settings the new game dialog would hold. The dialog, the
// about box and the pattern chooser are built when they are first asked
// for: a start shows none of them. The dialog then reads LastGame.dat. They live until the owner goes, and go in the reverse
// order, each unreachable before it goes. The program, the benchmarks and
// the tests all build their windows here; the seams decide how modal
// dialogs and message boxes run and must outlive the windows.
class TGameWindows {
 public:
  explicit TGameWindows(TModalSeams& seams);
  TGameWindows(const TGameWindows&) = delete;
  TGameWindows& operator=(const TGameWindows&) = delete;
  ~TGameWindows();

  TMainForm& MainForm() { return *FMainForm; }
  TDlgNewGame& DlgNewGame();
  TAboutBox& AboutBox();
  TPatternDlg& PatternDlg();

 private:
  TModalSeams& FSeams;
  std::unique_ptr<TMainForm> FMainForm;
  std::unique_ptr<TDlgNewGame> FDlgNewGame;
  std::unique_ptr<TAboutBox> FAboutBox;
  std::unique_ptr<TPatternDlg> FPatternDlg;
};
