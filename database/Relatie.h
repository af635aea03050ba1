#pragma once
// A relationship between two stored natal charts, as the relationship table holds it: the two
// charts (not owned), the relationship's own record number and keywords, and the hooks through
// which the database saves and loads it (installed by KoppelRelatie).

#include <cstdint>
#include <functional>
#include <string>

#include "horoscope/TOrvanHoroskoop.h"

namespace orvan {

inline constexpr const char* FoutLadenRelatie = "Error loading relationship!";
inline constexpr const char* FoutBewarenRelatie = "Error saving relationship";

class TRelatie;
using TBewaarRelatieHaak = std::function<bool(TRelatie& relatie)>;
using TLaadRelatieHaak = std::function<bool(TRelatie& relatie)>;

class TRelatie {
 public:
  // Partners empty, cleared, no hooks, errors shown.
  TRelatie();
  virtual ~TRelatie() = default;

  bool Gewijzigd = true;                   // true until saved or loaded
  std::int32_t RecordNummer = GeenRecord;  // InputNr in the relationship table
  TOrvanHoroskoop* PartnerA = nullptr;     // their NatalNr are PartnerANr and PartnerBNr
  TOrvanHoroskoop* PartnerB = nullptr;
  std::string KeyWords;
  TBewaarRelatieHaak BewaarHaak;           // BewaarRelatie
  TLaadRelatieHaak LaadHaak;               // LaadRelatie
  TEigenschapHaak EigenschapHaak;          // RelatieEigenschap
  bool ToonFouten = true;                  // show load errors

  // The value of a property of the relationship record; 0 with no value without the hook.
  virtual double EigenschapWaarde(const std::string& naam, bool& nietGevonden, bool& heeftWaarde);

  // Not stored, no keywords, changed.
  void Wis();
  // Saves when both partners are stored and the hook is installed; otherwise nothing happens.
  // "Error saving relationship" when the save fails.
  void Bewaar();
  // Loads the relationship table's current record; with partners also both natal charts (A first;
  // B is not tried when A fails). "Error loading relationship!" on failure when ToonFouten.
  bool Laad(bool metPartners);
};

}  // namespace orvan
