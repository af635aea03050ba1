#pragma once
// The dialog of BepaalVerschilGMT as the core sees it: it is given what the lookup found and the
// texts to show, and returns the difference the user confirmed or typed. The desktop program
// installs its window; without one the question is answered with Cancel, so that no uncertain
// difference is ever used unasked.

#include <string>
#include <vector>

#include "time_place/JulDayF.h"

namespace orvan {

struct TVerschilVraag {
  int status = 0;              // 1..4 (ZoekVerschil's status; 4 for the zone "L")
  TTijdRec verschil;           // the value the edit starts with
  std::string commentaar;      // the comment of the table line (UTF-8)
  double mptHmm = 0;           // local mean time offset of the place, h.mm
  bool heeftUitzonderingen = false;
  std::string uitzonderingen;  // the whole exceptions file (UTF-8)
  // The translated texts of the window.
  std::string titel;             // caption
  std::string verschilLabel;     // label of the difference edit
  std::string foutmelding;       // error message of the edit
  std::string uitzonderingLabel; // label over the exceptions text
  std::vector<std::string> meldRegels;   // the message lines, the local mean time line last
};

class TVerschilGMTDialoog {
 public:
  virtual ~TVerschilGMTDialoog() = default;
  // True with the difference to use when the user closes the dialog with OK; false on Cancel.
  virtual bool Vraag(const TVerschilVraag& vraag, TTijdRec& verschil) = 0;
};

// The dialog in force; nullptr restores the default, which answers Cancel.
TVerschilGMTDialoog& VerschilGMTDialoog();
void ZetVerschilGMTDialoog(TVerschilGMTDialoog* d);

}  // namespace orvan
