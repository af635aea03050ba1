#include "shell/ui/WachtVenster.h"

#include <memory>

#include "shell/ui/Wacht.h"

namespace orvan {

namespace {
std::unique_ptr<TWachtForm> wachtForm;
}  // namespace

TWachtForm& WachtForm() {
  MaakWachtForm();
  return *wachtForm;
}

void MaakWachtForm() {
  if (!wachtForm) wachtForm = std::make_unique<TWachtForm>();
}

void VrijWachtForm() { wachtForm.reset(); }

}  // namespace orvan
