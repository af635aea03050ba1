#pragma once
// The text output window: a report file shown read-only as rich text (Orvan's own reader,
// graphics/RTFLezer.h), maximised, with a menu: "Uitvoer" with add to the running report (F7),
// copy to the clipboard as rich text (Ctrl+Insert) and save to a file (F8); help (F1) at the
// window's help context; exit (Esc).

#include <QDialog>
#include <cstdint>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QTextEdit;

namespace orvan {

class TTekstUitvoerForm : public QDialog {
  Q_OBJECT

 public:
  explicit TTekstUitvoerForm(QWidget* parent = nullptr);

  // Loads the rich-text file into the view, the caret at the start. False (the view empty, no file
  // shown) when it cannot be read.
  bool LaadBestand(const std::string& bestand);
  const std::string& Bestand() const { return bestand_; }

  std::int32_t HelpContext() const { return helpContext_; }
  void ZetHelpContext(std::int32_t kontekst) { helpContext_ = kontekst; }

  // Adds the shown file to the running report, with the wait message "UitvoerGaatNaarRapport"
  // and a beep. False when there is no file or it could not be added (after the message).
  bool KopieNrRapportClick();
  // Copies the whole text to the clipboard as rich text ("text/rtf", the file as it is), as HTML
  // and as plain text; the selection is cleared afterwards.
  void KopieerClick();
  // Asks a name in the save dialog (report folder, "*.rtf") and saves there.
  void BewaarClick();
  // Saves the shown file under `naam` (".rtf" appended when the file name has no "."), replacing
  // an existing file; without a shown file the view's text. False after the message on failure.
  bool BewaarAls(const std::string& naam);
  void HelpClick();

  // Captions from the language table; called on every showing.
  void Labels();

  QTextEdit* Edit() const { return edit_; }
  QMenuBar* Menu() const { return menu_; }
  QMenu* UitvoerMenu() const { return uitvoerMenu_; }
  QAction* RapportActie() const { return rapportActie_; }
  QAction* KopieActie() const { return kopieActie_; }
  QAction* BewaarActie() const { return bewaarActie_; }
  QAction* HelpActie() const { return helpActie_; }
  QAction* SluitActie() const { return sluitActie_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QMenuBar* menu_;
  QMenu* uitvoerMenu_;
  QAction* rapportActie_;
  QAction* kopieActie_;
  QAction* bewaarActie_;
  QAction* helpActie_;
  QAction* sluitActie_;
  QTextEdit* edit_;
  std::string bestand_;
  std::string rtf_;   // the file's text, for the clipboard
  std::int32_t helpContext_ = 0;
};

// `naam` with ".rtf" appended when its file name (the part after the last "/") has no "."; a name
// with a "." in its file name is kept as typed.
std::string MetRtfExtensie(const std::string& naam);

// Shows a finished report modally in the text output window at help context `helpKontekst`.
void ToonTekst(const std::string& bestand, std::int32_t helpKontekst);

}  // namespace orvan
