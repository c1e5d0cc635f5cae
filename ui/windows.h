#pragma once

#include <memory>
#include <string>

#include "table/layout.h"
#include "ui/fMains.h"
#include "ui/fPliPrecedent.h"
#include "ui/fPoignee.h"
#include "ui/fScoreDetaille.h"
#include "ui/fSplash.h"
#include "ui/fTousPlis.h"
#include "ui/fZarvane.h"

namespace zarvane {

// Every window of the program, created in the program's fixed order. Members are destroyed in
// the reverse order, the opening window last.
struct Windows {
  std::unique_ptr<TfrmSplash> frmSplash;
  std::unique_ptr<TfrmPliPrecedent> frmPliPrecedent;
  std::unique_ptr<TfrmMains> frmMains;
  std::unique_ptr<TfrmPoignee> frmPoignee;
  std::unique_ptr<TfrmScoreDetaille> frmScoreDetaille;
  std::unique_ptr<TfrmZarvane> frmZarvane;
  std::unique_ptr<TfrmTousPlis> frmTousPlis;
};

// The scale of the primary screen: its size and its pixels per inch.
Layout LayoutForPrimaryScreen();

// The opening window, the previous trick, the four hands, the poignee, the score sheet, the
// game window and all the tricks, in that order; only the opening window is shown.
std::unique_ptr<Windows> CreateWindows(const Layout& layout, const std::string& program_folder);

}  // namespace zarvane
