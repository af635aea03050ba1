#pragma once
// The file or folder chooser: a standard dialog with a list of the names in a folder that carry one
// extension (without that extension), or the none-found text when a list-only chooser finds none.
// The database administration chooses "*.hor" folders with it, the interpretation and pattern
// commands their files.

#include <cstddef>
#include <string>
#include <vector>

#include "shell/ui/BasisDialoog.h"
#include "shell/ui/BestandKeuze.h"

class QComboBox;
class QLabel;

namespace orvan {

class TBestandSelektForm : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TBestandSelektForm(QWidget* parent = nullptr);

  // Sets up the chooser. `pad` gives the folder and the current name; `extensie` the extension of
  // the entries (the path's own extension when empty). Texts are already translated.
  void Zet(bool mapMode, bool alleenLijst, const std::string& pad, std::size_t maxLengte,
           const std::string& titel, const std::string& geenGevondenTekst,
           const std::string& extensie);

  // The chosen path after OK (empty when nothing was chosen).
  const std::string& Resultaat() const { return resultaat_; }

  const std::string& Map() const { return map_; }
  const std::string& Extensie() const { return extensie_; }
  const std::string& Naam() const { return naam_; }
  bool MapMode() const { return mapMode_; }

  QComboBox* NaamCombo() const { return naamCombo_; }
  QLabel* GeenGevondenLabel() const { return geenGevondenLabel_; }

 protected:
  bool MagSluiten() override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();

  QComboBox* naamCombo_;
  QLabel* geenGevondenLabel_;
  std::string map_;
  std::string extensie_;
  std::string naam_;
  bool mapMode_ = false;
  bool alleenLijst_ = true;
  std::size_t maxLengte_ = 0;
  std::string geenGevondenTekst_;
  std::vector<TGevondenNaam> gevonden_;
  std::string resultaat_;
};

// The chooser, modal: true with `pad` set to the chosen path (folder + name + "." + extension, and
// "/" in folder mode) when OK was pressed with a non-empty choice; otherwise false and `pad` stays.
// Not list-only, a new name may be typed. Texts are translated; `help` is the dialog's help topic.
bool KiesBestand(bool mapMode, bool alleenLijst, std::string& pad, std::size_t maxLengte,
                 const std::string& titel, const std::string& geenGevondenTekst,
                 const std::string& extensie, const THelpOnderwerp& help);

}  // namespace orvan
