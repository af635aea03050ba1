#pragma once
// The start-up and shutdown of the desktop program, in their fixed order.
//
// Start-up: the program folder; then, before any window, the module defaults: the planet
// calculator and the active charts, the language table in the language of the system locale, the
// report and temporary folders, and the settings (decimal separator '.', "orvan.ini", the saved
// language, the aspect table). Then the application title and help file, the splash window (the
// about window), and the forms: main window, wait window, data module (which opens the current
// horoscope database, and gives the active charts their database hooks), period dialogs, progress
// window. The splash window stays until its timer has run out (or a click or key), then the
// message loop runs.
//
// Shutdown: the main window closes only when the active charts may be released; after the message
// loop the settings are written, the temporary reports deleted and everything freed.

#include <memory>

namespace orvan {

class TDesktopInteraktie;
class TQ5HoofdForm;

inline constexpr const char* ToepassingsTitel = "Orvan 5.0";

// The module defaults before any window. False when the program cannot go on; the module that
// failed has shown its message and asked the application to end (exit code 1).
bool StartModules();

// The forms after the splash window, in their order; the main window is returned (not yet shown).
std::unique_ptr<TQ5HoofdForm> MaakVensters(TDesktopInteraktie& interaktie);

// After the message loop: settings written, temporary reports deleted, the forms, the data module,
// the active charts and the language table freed.
void StopProgramma();

// The whole program on an existing QApplication; returns the exit code.
int VoerProgrammaUit(TDesktopInteraktie& interaktie);

}  // namespace orvan
