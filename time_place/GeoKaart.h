#pragma once
// The world map of the place list: the part of the world in view, its equirectangular mapping onto
// a window of pixels, zooming, panning, the rubber band that selects a new view, the grid and the
// rule for writing place names; and the sequential reading of "GeoCoord.fil" in blocks.
//
// Every angle here is in decimal degrees (east and north positive); the place records hold d.mm,
// which the caller converts with DmInGraden. Pixel sizes are the window's client width and height.

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

#include "time_place/PltsTijdRec.h"

namespace orvan {

// The part of the world in view, decimal degrees.
struct TGeoVenster {
  double west = -180;
  double oost = 180;
  double noord = 90;
  double zuid = -90;

  double Breedte() const { return oost - west; }   // degrees of longitude
  double Hoogte() const { return noord - zuid; }   // degrees of latitude
  bool operator==(const TGeoVenster&) const = default;
};

inline constexpr TGeoVenster WereldVenster{};

// A pixel position in the window, (0, 0) at the top left.
struct TKaartPunt {
  int x = 0;
  int y = 0;
  bool operator==(const TKaartPunt&) const = default;
};

// The view opened on a place (decimal degrees) in a window of `breedte` x `hoogte` pixels: one
// degree of longitude wide, as many degrees of latitude high as keep a degree equally long both
// ways. A view that would pass an edge of the world lies against that edge (the place then is not
// in the centre). A window without pixels gets the whole world.
TGeoVenster VensterOpPlaats(double lengte, double breedte, int pixBreedte, int pixHoogte);

// x = round(width * (lon - west) / (east - west)), y = round(height * (north - lat) / (north - south)).
// A point on the east or south edge of the view maps to `breedte` or `hoogte`, one past the last
// pixel; NaarPixel puts such points on the last pixel row or column.
TKaartPunt NaarKaart(const TGeoVenster& v, double lengte, double breedte, int pixBreedte,
                     int pixHoogte);
TKaartPunt NaarPixel(const TGeoVenster& v, double lengte, double breedte, int pixBreedte,
                     int pixHoogte);
// The inverse: the longitude and latitude of a pixel position.
void NaarGeo(const TGeoVenster& v, int x, int y, int pixBreedte, int pixHoogte, double& lengte,
             double& breedte);

// Whether a point lies in the view, edges included.
bool InVenster(const TGeoVenster& v, double lengte, double breedte);

// Zoom out by two around the centre. A side that passes an edge of the world is set to that edge
// and the other side to the edge plus or minus the doubled extent; an extent that still does not
// fit becomes the whole range of that coordinate.
TGeoVenster ZoomUit(const TGeoVenster& v);
// "Zoom2" is offered while the view is narrower than 359.9 degrees of longitude.
bool KanUitzoomen(const TGeoVenster& v);

enum class TPanRichting { Links, Rechts, Omhoog, Omlaag };
// Moves the view by its own width (left, right) or height (up, down); a move that would pass an
// edge of the world puts the view against that edge.
TGeoVenster Pan(const TGeoVenster& v, TPanRichting richting);

// Place names are written when the view is less than 2.1 degrees wide or when forced.
bool ToonPlaatsnamen(const TGeoVenster& v, bool forceer);

// The lines of the grid inside the view: a dotted line for every whole degree while the view is
// less than 20 degrees wide; solid lines every 15 degrees of longitude and every 10 of latitude,
// of which the Greenwich meridian and the equator are the main lines.
enum class TRasterSoort { Fijn, Grof, Hoofd };
struct TRasterLijn {
  bool isMeridiaan = true;   // a line of constant longitude, else of constant latitude
  double waarde = 0;         // its longitude or latitude
  TRasterSoort soort = TRasterSoort::Grof;
};
std::vector<TRasterLijn> RasterLijnen(const TGeoVenster& v);

// The rubber band: the corner that the mouse at `muis` gives a band started at `start`, so that the
// band has the window's aspect ratio; the drag that is relatively larger (to the window's width or
// height) decides the size.
TKaartPunt RubberbandHoek(TKaartPunt start, TKaartPunt muis, int pixBreedte, int pixHoogte);
// A band is a usable selection when it is at least 5 pixels wide and more than 4 pixels high.
bool IsBruikbareSelectie(TKaartPunt start, TKaartPunt eind);
// The view that a band selects, cut to the world.
TGeoVenster SelectieVenster(const TGeoVenster& v, TKaartPunt start, TKaartPunt eind,
                            int pixBreedte, int pixHoogte);

// A place is drawn green when its zone is the given place's zone (letter case aside), else red.
bool IsZelfdeZone(const std::string& zone, const std::string& gegevenZone);

// The place list read from start to end a block at a time, so that the map never holds the whole
// list. Records that are marked deleted or cannot be read are skipped.
class TPlaatsBestandLezer {
 public:
  explicit TPlaatsBestandLezer(const std::string& pad);
  bool IsOpen() const { return open_; }
  // The next records, at most `max`; false (and an empty block) at the end of the file.
  bool LeesBlok(std::vector<PlaatsRec>& blok, std::size_t max);

 private:
  std::ifstream in_;
  bool open_ = false;
};

}  // namespace orvan
