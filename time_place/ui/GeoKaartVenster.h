#pragma once
// The "Atlas" world map window: the places of "GeoCoord.fil" as dots on a latitude/longitude grid,
// green where they share the given place's time zone table and red elsewhere, with zooming by a
// rubber band, zooming out, panning with the arrow keys and place names when the view is small.

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>

#include "time_place/GeoKaart.h"
#include "time_place/PltsTijdRec.h"

class QAction;
class QLineEdit;
class QMenu;

namespace orvan {

// Help topic of the atlas: the horoscope data dialog, from which it is opened.
inline constexpr std::int32_t HelpAtlas = 3008;

class TGeoKaartForm : public QDialog {
  Q_OBJECT

 public:
  // The map of the place list in `map` (with a trailing "/"; empty: the program folder), opened on
  // `plaats` (nullptr: the whole world).
  explicit TGeoKaartForm(const PlaatsRec* plaats, QWidget* parent = nullptr, std::string map = {});

  const TGeoVenster& Venster() const { return venster_; }
  // Shows another part of the world; the rubber band is dropped.
  void ZetVenster(const TGeoVenster& v);

  // Draws the map into the back buffer now: grid, places, the given place. The drawing gives way
  // to user input now and then and stops early when a mouse button is pressed or the window
  // closes; a change of view meanwhile starts it again.
  void TekenKaart();
  const QImage& Beeld() const { return beeld_; }
  bool IsBezig() const { return bezig_; }

  bool HeeftBruikbareSelectie() const { return bruikbaar_; }
  bool ForceerPlaatsnamen() const { return forceer_; }

  QMenu* Menu() const { return menu_; }
  QAction* ZoomSelAktie() const { return zoomSel_; }
  QAction* Zoom2Aktie() const { return zoom2_; }
  QAction* WereldAktie() const { return wereld_; }
  QAction* ForceerPlaatsnamenAktie() const { return forceerAktie_; }
  QAction* HelpAktie() const { return help_; }
  QAction* SluitVensterAktie() const { return sluit_; }
  QLineEdit* CoordinatenEdit() const { return coordinaten_; }

  // Enables the menu items by the state of the map.
  void WerkMenuBij();

  void done(int r) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Labels();
  void PlanTekenen();
  void TekenEenmaal();
  void TekenRaster();
  void TekenGegevenPlaats();
  void ToonCoordinaten(QPoint pos);
  void ZoomSelClick();
  void Zoom2Click();
  void WereldClick();
  void ForceerPlaatsnamenClick();
  void HelpClick();
  void SluitVensterClick();

  std::string bestand_;
  std::optional<PlaatsRec> plaats_;
  TGeoVenster venster_;
  bool vensterGezet_ = false;
  QImage beeld_;
  bool forceer_ = false;

  // The rubber band, in pixels of the window.
  bool band_ = false;
  bool slepen_ = false;
  bool bruikbaar_ = false;
  TKaartPunt bandStart_;
  TKaartPunt bandEind_;

  // The state of the drawing.
  bool bezig_ = false;
  bool gepland_ = false;
  bool opnieuw_ = false;
  bool afbreken_ = false;
  bool sluiten_ = false;

  QMenu* menu_;
  QAction* zoomSel_;
  QAction* zoom2_;
  QAction* wereld_;
  QAction* forceerAktie_;
  QAction* help_;
  QAction* sluit_;
  QLineEdit* coordinaten_;
};

// The modal "Atlas" world map, opened on `plaats` (nullptr: the whole world).
void ToonAtlas(const PlaatsRec* plaats, QWidget* ouder = nullptr);

}  // namespace orvan
