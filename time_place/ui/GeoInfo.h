#pragma once
// The geographic data window: the place file and its number of places, the standard place with a
// button to change it, the import of a text file of places (echoed to a monitor window) and the
// editing of a time zone table in the desktop's text editor. Every change takes effect at once;
// the window only closes.

#include <QPointer>
#include <functional>
#include <string>

#include "shell/ui/BasisDialoog.h"
#include "shell/ui/Monitor.h"

class QLabel;
class QPushButton;

namespace orvan {

class TGeoInfoForm : public TBasisDialoogForm {
  Q_OBJECT

 public:
  explicit TGeoInfoForm(QWidget* parent = nullptr);

  // Asks for a file to open: title, start folder and a file-dialog filter ("Text (*.txt)"); an
  // empty result means cancelled. By default a file dialog.
  std::function<std::string(const std::string& titel, const std::string& map,
                            const std::string& filter)>
      VraagBestand;
  // Opens a file in the desktop's text editor; false when that failed. By default the desktop's
  // default application for the file.
  std::function<bool(const std::string& pad)> OpenInEditor;

  void VeranderClick();        // the standard place, in the place selection dialog
  void InvoerPlaatsenClick();  // imports a text file of places
  void BewerkTijdzoneClick();  // opens a time zone table in the text editor

  // The monitor window of the last import, while it is open.
  TMonitorForm* Monitor() const { return monitor_; }

  QLabel* BestandLabel() const { return bestandLabel_; }
  QLabel* AantalLabel() const { return aantalLabel_; }
  QLabel* StdPlaatsLabel() const { return stdPlaatsLabel_; }
  QPushButton* VeranderBtn() const { return veranderBtn_; }
  QPushButton* InvoerBtn() const { return invoerBtn_; }
  QPushButton* TijdzoneBtn() const { return tijdzoneBtn_; }

 protected:
  void Labels() override;

 private:
  void ToonGegevens();
  void ZetKnoppen(bool aan);

  QLabel* bestandLabel_;
  QLabel* aantalLabel_;
  QLabel* stdPlaatsLabel_;
  QPushButton* veranderBtn_;
  QPushButton* invoerBtn_;
  QPushButton* tijdzoneBtn_;
  QPointer<TMonitorForm> monitor_;
};

// Shows the window, modal.
void ToonGeoInfo(QWidget* ouder = nullptr);

}  // namespace orvan
