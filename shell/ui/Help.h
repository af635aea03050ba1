#pragma once
// Opening the help at a topic. Dialogs and output windows name their topic by a help context
// number, the question and message dialogs (and a few choosers) by a help keyword. The program's
// help window installs itself here at start-up; without one a help request is refused with a beep.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace orvan {

// A help topic: a context number, or a keyword that names the topic instead.
struct THelpOnderwerp {
  std::int32_t kontekst = 0;   // 0 is the contents
  std::string sleutel;         // when not empty it names the topic

  THelpOnderwerp() = default;
  THelpOnderwerp(std::int32_t k) : kontekst(k) {}                 // NOLINT: implicit on purpose
  THelpOnderwerp(std::string s) : sleutel(std::move(s)) {}        // NOLINT
  THelpOnderwerp(const char* s) : sleutel(s ? s : "") {}          // NOLINT
};

// Shows the help at a topic; returns false when it cannot.
using THelpToner = std::function<bool(const THelpOnderwerp&)>;

// Installs the help window (an empty function removes it).
void ZetHelpToner(THelpToner toner);

// Opens the help at `onderwerp`. False (after a beep) when no help window is installed or it could
// not show the topic.
bool ToonHelp(const THelpOnderwerp& onderwerp);

}  // namespace orvan
