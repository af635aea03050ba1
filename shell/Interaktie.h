#pragma once
// The interface layer between the core and the user interface. The core never shows a window: it
// reports messages, asks questions, shows progress and asks for the busy cursor through these small
// interfaces. The desktop program installs its dialogs, the command-line tool a console version and
// the tests recording fakes.

#include <string>

namespace orvan {

// The result of a question.
enum class TAntwoord { Ja, Nee, Annuleer };

// Messages and questions. Titles and texts are already translated; a help keyword names the help
// topic of the situation and may be empty.
class TMeldingen {
 public:
  virtual ~TMeldingen() = default;
  virtual void Melding(const std::string& titel, const std::string& tekst,
                       const std::string& helpSleutel) = 0;
  virtual TAntwoord Vraag(const std::string& titel, const std::string& vraag,
                          const std::string& helpSleutel) = 0;
};

// Progress of a long operation: 0..100, with an abort request the core polls between steps.
class TVoortgang {
 public:
  virtual ~TVoortgang() = default;
  virtual void Toon(const std::string& titel, bool metAfbreken) = 0;
  virtual void Zet(int procent) = 0;
  virtual bool AfbrekenGevraagd() = 0;
  virtual void Verberg() = 0;
};

// What the core asks of the application as a whole.
class TToepassing {
 public:
  virtual ~TToepassing() = default;
  virtual void Zandloper(bool aan) = 0;   // busy cursor on or off
  virtual void VerwerkBerichten() = 0;    // let the user interface process pending messages
  // Ends the application with the given exit code. The core returns failure after calling it, so
  // an implementation that does not end the process (a test fake) leaves a consistent state.
  virtual void Beeindig(int exitKode) = 0;
};

// The implementations in force. The console versions are installed until another is set.
TMeldingen& Meldingen();
TVoortgang& Voortgang();
TToepassing& Toepassing();
void ZetMeldingen(TMeldingen* m);   // nullptr restores the console version
void ZetVoortgang(TVoortgang* v);
void ZetToepassing(TToepassing* t);

// Busy cursor for the lifetime of the object.
class TZandloper {
 public:
  TZandloper() { Toepassing().Zandloper(true); }
  ~TZandloper() { Toepassing().Zandloper(false); }
  TZandloper(const TZandloper&) = delete;
  TZandloper& operator=(const TZandloper&) = delete;
};

}  // namespace orvan
