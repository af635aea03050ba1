#pragma once
// The help window: HTML help pages shipped per language in the program folder's "help/" folder,
// one folder per language named as in the language table ("help/English/"). A help context number
// n opens "n.html", a help keyword "keyword.html"; a topic without a page, and the contents
// (context 0), open "index.html". Links between the pages work as in a browser.

#include <QDialog>
#include <string>

#include "shell/ui/Help.h"

class QTextBrowser;
class QPushButton;

namespace orvan {

// The help folder of the current language, with a trailing "/".
std::string HelpMap();

// The page that shows `onderwerp` in the current language: its own page when it exists, else the
// contents page; empty when even that is missing.
std::string HelpPagina(const THelpOnderwerp& onderwerp);

// The local web page of the help menu.
std::string WebstekPagina();

class THelpVensterForm : public QDialog {
  Q_OBJECT

 public:
  explicit THelpVensterForm(QWidget* parent = nullptr);

  // Shows the page of `onderwerp`; false when there is no page at all.
  bool Toon(const THelpOnderwerp& onderwerp);

  QTextBrowser* Browser() const { return browser_; }
  const std::string& Pagina() const { return pagina_; }

 private:
  void Labels();

  QTextBrowser* browser_;
  QPushButton* terugBtn_;
  QPushButton* inhoudBtn_;
  QPushButton* sluitBtn_;
  std::string pagina_;
};

// Creates the help window and installs it as the program's help (shell/ui/Help.h); StopHelpVenster
// removes and frees it.
void StartHelpVenster();
void StopHelpVenster();

}  // namespace orvan
