#pragma once
// The process-wide settings record. Every calculation, drawing and report reads its options here;
// "orvan.ini" is read into it at start-up and written from it at program end (shell/Q4Instel.h).
// The current language, also saved in the settings file, is HuidigeTaal (shell/LangUtils.h).
//
// Object numbers: 1..13 Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto,
// lunar node, Chiron, Lilith; 14..25 the house cusps 1..12 (14 Ascendant, 23 MC). Arrays indexed
// by object, sign, element or line number are 1-based: element 0 is unused.

#include <array>
#include <cstdint>
#include <string>

#include "time_place/PltsTijdRec.h"

namespace orvan {

// A colour: 32-bit RGB with red in the low byte, green in the second and blue in the third.
using TKleur = std::uint32_t;

constexpr TKleur Rgb(std::uint8_t rood, std::uint8_t groen, std::uint8_t blauw) {
  return static_cast<TKleur>(rood) | static_cast<TKleur>(groen) << 8 |
         static_cast<TKleur>(blauw) << 16;
}
constexpr std::uint8_t KleurRood(TKleur k) { return static_cast<std::uint8_t>(k & 0xFF); }
constexpr std::uint8_t KleurGroen(TKleur k) { return static_cast<std::uint8_t>(k >> 8 & 0xFF); }
constexpr std::uint8_t KleurBlauw(TKleur k) { return static_cast<std::uint8_t>(k >> 16 & 0xFF); }

struct TKleuren {
  TKleur Planeten = Rgb(0, 0, 0);  // planet glyphs
  TKleur Cirkel = Rgb(0, 0, 0);
  TKleur Huizen = Rgb(0, 255, 255);
  TKleur BuitenCirkel = Rgb(128, 128, 128);
  // Elements 1..4: fire, earth, air, water.
  std::array<TKleur, 5> Element = {0, Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(128, 128, 128),
                                   Rgb(0, 0, 255)};
  // Objects 1..25; 1..13 are stored in the settings file, 14..25 always take the house colour.
  std::array<TKleur, 26> Pla = {
      0,
      Rgb(255, 0, 0),       // Sun
      Rgb(255, 255, 0),     // Moon
      Rgb(0, 128, 0),       // Mercury
      Rgb(0, 255, 255),     // Venus
      Rgb(128, 0, 0),       // Mars
      Rgb(255, 0, 255),     // Jupiter
      Rgb(0, 0, 128),       // Saturn
      Rgb(0, 0, 255),       // Uranus
      Rgb(128, 0, 128),     // Neptune
      Rgb(128, 128, 128),   // Pluto
      Rgb(0, 0, 0),         // lunar node
      Rgb(0, 0, 0),         // Chiron
      Rgb(0, 0, 0)};        // Lilith
};

struct TInstellingen {
  static constexpr int AantalPla = 13;       // bodies 1..13
  static constexpr int AantalObjekten = 25;  // bodies and house cusps 1..25
  static constexpr int AantalTekens = 12;
  static constexpr int AantalGewichten = 15;  // objects 1..13, Ascendant, MC

  // Database and place.
  std::string Database;     // current horoscope database folder, with a trailing "/"
  std::string RefDatabase;  // reference database folder
  PlaatsRec StdPlaats;      // standard place; name at most 35, zone at most 8 characters

  // Output and entry.
  bool WordpadUitvoer = false;          // open reports in the word processor
  bool PositiesBewaren = false;         // store positions with the horoscope records
  std::uint8_t Datuminvoermode = 0;     // 0 day before month, 1 month before day
  std::array<std::string, 5> PersInfo;  // personal information lines 1..4, at most 255 characters

  // Calculation.
  std::uint8_t HuisSys = 5;          // house system 0..6
  bool GebruikWareKnoop = true;      // true node instead of mean node
  bool OokAspektenOpKuspen = false;  // aspects to house cusps too
  double MidOrb = 2.0;               // midpoint orb, degrees
  double TraOrb = 1.0;               // transit orb, degrees
  float BrFac = 2.0f;                // width factor of the transit concentration chart
  std::array<std::int32_t, AantalGewichten + 1> Gewicht = {0, 16, 16, 8, 9, 9, 6,  6,
                                                           3, 3,  3,  1, 0, 0, 10, 10};
  std::uint8_t KompStarthuis = 10;  // composite houses from house 1 (Ascendant) or 10 (MC)
  char PrimDirSysteem = 'D';        // primary direction system 'L', 'R' or 'D'
  // Sensitive points from major aspects, minor aspects, midpoints, cusps.
  bool gpMajeure = true;
  bool gpMineure = true;
  bool gpMidpunten = true;
  bool gpKuspen = true;

  // Interpretation.
  bool ToonTransitnaamInLijst = true;

  // Drawing.
  std::uint8_t CirkelRotatie = 0;  // 0 Ascendant left, 1 0° Aries right, 2 0° Aries left
  bool HuisNummering = true;
  bool LijndikteMin = false;        // thin lines
  std::uint8_t GevPtStreepjes = 0;  // sensitive point ticks: 0 none, 1 major aspects, 2 all
  std::string SymBestandsnaam;      // symbol set file
  std::array<std::string, AantalPla + 1> PlaSym;       // planet symbol bitmaps, full paths
  std::array<std::string, AantalTekens + 1> TekenSym;  // sign symbol bitmaps, full paths
  std::array<bool, AantalObjekten + 1> PlaOpTek{};     // objects drawn on the wheel
  std::array<bool, AantalObjekten + 1> PlaAspOpTek{};  // objects whose aspects are drawn

  // Predictive object selections.
  std::array<bool, AantalPla + 1> TraObj{};           // transiting objects
  std::array<bool, AantalObjekten + 1> SekProgObj{};  // secondary progression objects
  std::array<bool, AantalObjekten + 1> PrimDirObj{};  // primary direction objects
  // Transit search: major aspects, minor aspects, midpoints, cusps, sign ingresses.
  bool tsMajeure = true;
  bool tsMineure = false;
  bool tsMidpunten = false;
  bool tsKuspen = true;
  bool tsIntrede = false;

  // Sign rulers: the object ruling each sign 1..12 (Aries..Pisces).
  std::array<std::uint8_t, AantalTekens + 1> Tekenheren = {0, 5, 4, 3, 2, 1, 3, 4, 10, 6, 7, 8, 9};

  // Colours.
  TKleuren Kleuren;
  bool InvZwartWit = false;  // black/white inversion of the chart screens

  // Printing: margins in per mille of the page, for the sheet in portrait position.
  std::int32_t MargeProMilleLinks = 35;
  std::int32_t MargeProMilleBoven = 35;
  std::int32_t MargeProMilleRechts = 35;
  std::int32_t MargeProMilleOnder = 35;
  bool MonokroomPrint = false;
  bool AfdrukLandscape = true;
};

// The settings in force.
extern TInstellingen Instellingen;

// Puts every default into `Instellingen`: the values above, the folders and bitmap paths in the
// program folder, the date entry mode and symbol set of the system locale, and the house colour
// for objects 14..25. This is the state a missing "orvan.ini" leaves (tests reset with it).
void ZetStandaardInstellingen();

// Date entry mode and symbol set file that the system locale asks for when the file names none.
std::uint8_t LocaleDatuminvoermode();
std::string LocaleSymBestandsnaam();

}  // namespace orvan
