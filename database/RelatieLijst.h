#pragma once
// The list of the relationships page: the selected relationships between two selected natal
// horoscopes, in the order of the partners' sort names, read with one query over the attached
// tables of a database folder. The rows are kept in memory. Changing a row's keywords and
// properties, adding a relationship and deleting one each run in one transaction on the files;
// the list follows every change it makes itself.
//
// Names reach SQL only quoted (CiteerNaam), values only as bound parameters. Every operation
// opens its own connection and closes it again, so the page never holds a lock on the files of
// the database (property fields are added and dropped while the page exists).

#include <cstdint>
#include <string>
#include <vector>

#include "database/VeldDef.h"
#include "database/VeldWaarde.h"

namespace orvan {

// The columns of a row, in the order of the query: the partners' sort names and names, then the
// relationship record (C.*) with its property fields from RelLijstEersteEigenschap on.
inline constexpr int RelLijstSNameA = 0;
inline constexpr int RelLijstSNameB = 1;
inline constexpr int RelLijstPartnerA = 2;
inline constexpr int RelLijstPartnerB = 3;
inline constexpr int RelLijstInputNr = 4;
inline constexpr int RelLijstPartnerANr = 5;
inline constexpr int RelLijstPartnerBNr = 6;
inline constexpr int RelLijstKeyWords = 7;
inline constexpr int RelLijstSelekt = 8;
inline constexpr int RelLijstEersteEigenschap = 9;

// The query of the list.
inline constexpr const char* RelatieLijstSql =
    "select A.SName,B.SName,A.name as PartnerA,B.name as PartnerB,C.* "
    "from natal as A,natal as B,relat as C "
    "where (C.Selekt=true) and (A.InputNr=C.PartnerANr) and (B.InputNr=C.PartnerBNr) "
    "and (A.Selekt=true) and (B.Selekt=true) "
    "order by A.SName,B.SName";

// The outcome of adding a relationship.
enum class TNieuweRelatie {
  Toegevoegd,
  ZelfdeHoroskoop,     // A and B are the same horoscope
  BestaatAl,           // (A, B) is stored already
  OnbekendeHoroskoop,  // A or B is not in the natal table
  Fout                 // the files could not be read or written
};

class TRelatieLijst {
 public:
  // Reads the list of the database in `map` (with a trailing "/"). On failure the list is empty
  // and `fout` tells why.
  bool Lees(const std::string& map, std::string& fout);
  // Reads the list of the same folder again.
  bool Lees(std::string& fout) { return Lees(map_, fout); }
  void Wis();

  const std::string& Map() const { return map_; }
  int AantalRijen() const { return static_cast<int>(rijen_.size()); }
  int AantalKolommen() const { return static_cast<int>(kolommen_.size()); }
  const std::vector<std::string>& KolomNamen() const { return kolommen_; }
  // The relationship table's property fields, in field order (columns RelLijstEersteEigenschap...).
  const std::vector<std::string>& EigenschapNamen() const { return eigenschappen_; }
  int AantalEigenschappen() const { return static_cast<int>(eigenschappen_.size()); }
  // Empty outside the list.
  TVeldWaarde Waarde(int rij, int kolom) const;
  std::int64_t InputNr(int rij) const { return Waarde(rij, RelLijstInputNr).AlsInt(); }
  int RijVan(std::int64_t inputNr) const;  // -1 when the relationship is not in the list

  // Stores the keywords and every property of row `rij`:
  //   update relat set KeyWords = ?, "<property>" = ? ...
  //   where PartnerANr = <old A> and PartnerBNr = <old B> and InputNr = <old InputNr>
  // (the record number keeps a pair stored twice from being changed twice). The values are
  // converted for their fields first: keywords cut to 80 characters, properties a number or
  // empty; a value a field cannot hold refuses the whole change. A relationship that is no
  // longer stored is refused as well. On success the row holds the stored values.
  bool Wijzig(int rij, const TVeldWaarde& steekwoorden, const std::vector<TVeldWaarde>& eigenschappen,
              std::string& fout);
  // The same with one column (RelLijstKeyWords or a property column) replaced.
  bool WijzigWaarde(int rij, int kolom, const TVeldWaarde& waarde, std::string& fout);

  // Adds the relationship (a, b) with Selekt true:
  //   insert into relat (PartnerANr, PartnerBNr, KeyWords, Selekt) values (?, ?, ?, ?)
  // refused for the same horoscope twice, for an (a, b) that is stored already (whatever its
  // selection flag; (b, a) is another relationship) and for a number that is not in the natal
  // table. On success `nieuwNr` is the new record's InputNr and the list is read again.
  TNieuweRelatie VoegToe(std::int64_t a, std::int64_t b, const std::string& steekwoorden,
                         std::int64_t& nieuwNr, std::string& fout);

  // Deletes the relationship of row `rij` (delete from relat where InputNr = ?) and removes the
  // row; a relationship already gone elsewhere only loses its row.
  bool Verwijder(int rij, std::string& fout);

 private:
  bool GeldigeRij(int rij, std::string& fout) const;

  std::string map_;
  std::vector<std::string> kolommen_;
  std::vector<std::string> eigenschappen_;
  std::vector<TVeldDef> eigenschapVelden_;  // how each property field stores a value
  std::vector<std::vector<TVeldWaarde>> rijen_;
};

}  // namespace orvan
