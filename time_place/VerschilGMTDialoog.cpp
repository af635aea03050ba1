#include "time_place/VerschilGMTDialoog.h"

namespace orvan {

namespace {

class TAnnuleerDialoog final : public TVerschilGMTDialoog {
 public:
  bool Vraag(const TVerschilVraag&, TTijdRec&) override { return false; }
};

TAnnuleerDialoog annuleer;
TVerschilGMTDialoog* huidig = &annuleer;

}  // namespace

TVerschilGMTDialoog& VerschilGMTDialoog() { return *huidig; }
void ZetVerschilGMTDialoog(TVerschilGMTDialoog* d) { huidig = d ? d : &annuleer; }

}  // namespace orvan
