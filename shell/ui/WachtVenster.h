#pragma once
// The program's one wait window (shell/ui/Wacht.h): created in the start-up order, reused by every
// operation that shows a wait message, freed before the application ends.

namespace orvan {

class TWachtForm;

// The wait window; created on first use when the start-up did not create it.
TWachtForm& WachtForm();
void MaakWachtForm();
void VrijWachtForm();

}  // namespace orvan
