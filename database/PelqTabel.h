#pragma once
// The base of the horoscope tables: one table in one SQLite file of a database folder (natal.db
// holds the table "natal"), seen through a navigational view as the selection pages and the
// filters use it.
//
// The view is the list of records in the order of the current index, restricted while filtering
// is on to the records that pass the filter text and the record filter. It has a current record
// (position 0 .. AantalRecords() - 1, or none when empty), bookmarks (a record's InputNr) and an
// edit state: Wijzig/Voegtoe fill an edit buffer, Post writes it in one transaction, Annuleer
// drops it. Several posts can share one transaction through TWijzigingsBlok (a filter pass over
// every record); a failure anywhere then undoes the whole block.
//
// Fields are addressed by position (0 = InputNr) and by name; positions are the columns' order
// in the file, so the fixed fields come first and the property fields follow in creation order.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "database/DbVerbinding.h"
#include "database/FilterTekst.h"
#include "database/RecordLezer.h"
#include "database/TabelWaarnemer.h"
#include "database/VeldDef.h"
#include "database/VeldWaarde.h"

namespace orvan {

// A bookmark: the InputNr of a record.
using TBladwijzer = std::int64_t;
inline constexpr TBladwijzer GeenBladwijzer = -1;

enum class TTabelToestand { Gesloten, Bladeren, Wijzigen, Toevoegen };

// Locate options: compare texts without regard to ASCII case; match a text field's beginning.
struct TZoekOpties {
  bool zonderHoofdletters = false;
  bool deelSleutel = false;
};

class TPelqTabel {
 public:
  using TRecordFilter = std::function<bool(const TRecordLezer&)>;
  using TVoorPosten = std::function<void(TPelqTabel&)>;
  using TVoorInvoegen = std::function<bool(TPelqTabel&)>;   // false aborts the insert

  TPelqTabel();
  virtual ~TPelqTabel();
  TPelqTabel(const TPelqTabel&) = delete;
  TPelqTabel& operator=(const TPelqTabel&) = delete;

  // Attributes.
  bool FilterGewijzigd = false;       // the filter settings changed since last applied
  bool InvoegenGeblokkeerd = false;   // inserting is refused (silently) while set
  int LaatsteVastVeld = 0;            // index of the last fixed field
  TPelqTabel* GekoppeldeTabel = nullptr;   // a second table object on the same file

  // Handlers. VoorInvoegen runs at Voegtoe (the insert guard of a writable table is installed
  // here by Initialiseer); VoorPosten runs at every Post before the record is written.
  TVoorInvoegen VoorInvoegen;
  TVoorPosten VoorPosten;

  // Closes the table, sets folder and file, creates what is missing, opens it. A writable table
  // then selects every record (SelekteerAlles). False with LaatsteFout() when any step fails.
  virtual bool Initialiseer(const std::string& map, const std::string& bestandsnaam, bool alleenLezen);

  // Virtual operations, in slot order.
  virtual int SelektIndex() const;
  virtual bool MaakTabelIndienNodig();
  virtual void MaakVelden();
  virtual void MaakIndexen();
  virtual bool CheckIndexen();
  // Over the records of the current view, the values of property n: count, standard deviation,
  // mean, sum of squares, sum, maximum, minimum.
  virtual void EigStatistiek(int n, int& aantal, double& standaardAfwijking, double& gemiddelde,
                             long double& somKwadraten, long double& som, double& maximum,
                             double& minimum);
  virtual bool SelekteerAlles();

  // The definitions MaakVelden and MaakIndexen fill (what a new table is created with).
  std::vector<TVeldDef> VeldDefs;
  std::vector<TIndexDef> IndexDefs;

  // Open state. Open keeps the order, filter settings and handlers; Sluit forgets the view.
  bool Open();
  void Sluit();
  bool IsOpen() const { return toestand_ != TTabelToestand::Gesloten; }
  bool AlleenLezen() const { return alleenLezen_; }
  const std::string& Map() const { return map_; }
  const std::string& BestandsNaam() const { return bestand_; }
  std::string Pad() const { return map_ + bestand_; }
  std::string TabelNaam() const;   // the file name without its extension
  const std::string& LaatsteFout() const { return fout_; }
  TTabelToestand Toestand() const { return toestand_; }
  // The connection, for diagnostics and tests.
  sqlite3* Handle() const { return db_.Handle(); }

  // Fields of the open table.
  int AantalVelden() const { return static_cast<int>(velden_.size()); }
  const TVeldDef& Veld(int veld) const { return velden_[static_cast<std::size_t>(veld)]; }
  const std::vector<TVeldDef>& Velden() const { return velden_; }
  int VeldNummer(const std::string& naam) const { return ZoekVeld(velden_, naam); }
  // Whether a grid shows the field (SName and Selekt are hidden in the horoscope tables).
  bool VeldZichtbaar(int veld) const;
  void ZetVeldZichtbaar(const std::string& naam, bool zichtbaar);

  // The view.
  int AantalRecords() const;
  int RecNr() const;   // position of the current record, -1 when the view is empty
  bool IsLeeg() const { return AantalRecords() == 0; }
  bool Bof() const;
  bool Eof() const;
  void Eerste();
  void Laatste();
  void Volgende();
  void Vorige();
  int VerplaatsMet(int n);   // returns the number of records actually moved
  bool GaNaar(int positie);
  // The number of records in the table, whatever the view.
  int AantalInTabel();

  // Values of the current record (the edit buffer while editing or inserting).
  TVeldWaarde Waarde(int veld) const;
  TVeldWaarde Waarde(const std::string& naam) const;
  const TRecordLezer& Huidig() const;
  // Values of any record of the view, for a grid.
  TVeldWaarde WaardeOp(int positie, int veld) const;
  TBladwijzer InputNrOp(int positie) const;

  // Order by a named index ("SName", "Tijd", "Verjaardag", "InputNr", ...); an empty name or
  // "primary" orders by InputNr. False when the table has no index of that name. The current
  // record stays current.
  bool ZetIndex(const std::string& naam);
  const std::string& IndexNaam() const { return indexNaam_; }
  std::vector<std::string> IndexNamen() const;

  // Filtering.
  bool Gefilterd() const { return gefilterd_; }
  void ZetGefilterd(bool aan);
  const std::string& FilterTekst() const { return filterTekst_; }
  bool ZetFilterTekst(const std::string& tekst);   // false (filter unchanged) when invalid
  // `velden`: the fields the filter reads (the others read as empty); none given means all.
  // Naming them lets the view read only those columns, which matters for large tables.
  void ZetRecordFilter(TRecordFilter filter, std::vector<int> velden = {});
  bool HeeftRecordFilter() const { return static_cast<bool>(recordFilter_); }

  // Locate: the first record of the view, in the current order, whose fields equal the values.
  // Moves there and returns true; false leaves the current record.
  bool Zoek(const std::vector<std::pair<std::string, TVeldWaarde>>& velden, TZoekOpties opties = {});
  bool Zoek(const std::string& veld, const TVeldWaarde& waarde, TZoekOpties opties = {});
  bool ZoekInputNr(std::int64_t nr);
  // Find next: from the record after the current one (or from the first record, included, when
  // `vanafBegin`), the first whose field contains `tekst`, compared in capitals. Moves there and
  // returns true; false leaves the current record.
  bool ZoekVolgende(const std::string& veld, const std::string& tekst, bool vanafBegin = false);

  // Bookmarks.
  TBladwijzer Bladwijzer() const;
  bool GaNaarBladwijzer(TBladwijzer b);
  int PositieVan(TBladwijzer b) const;   // -1 when not in the view

  // Editing.
  bool Wijzig();
  bool Voegtoe();
  bool ZetWaarde(int veld, const TVeldWaarde& waarde);
  bool ZetWaarde(const std::string& naam, const TVeldWaarde& waarde);
  bool Post();
  void Annuleer();
  // The InputNr of the record written by the last successful Post.
  TBladwijzer LaatstGepost() const { return laatstGepost_; }
  bool Verwijder();

  // Re-reads the view from the file (changes made through other connections); the current record
  // stays current when it is still in the view.
  bool Ververs();

  // Controls: while disabled (counted), observers hear nothing.
  void SchakelBesturingUit();
  void SchakelBesturingIn();
  bool BesturingUitgeschakeld() const { return besturingUit_ > 0; }
  void VoegWaarnemerToe(TTabelWaarnemer* w);
  void VerwijderWaarnemer(TTabelWaarnemer* w);

  // Several posts in one transaction (see TWijzigingsBlok).
  bool BeginWijzigingen();
  bool EindeWijzigingen(bool bevestigen);
  bool InWijzigingsBlok() const { return blokDiepte_ > 0; }

  // Property fields.
  bool MaakEigenschap(const std::string& naam);
  bool VerwijderEigenschap(const std::string& naam);
  bool WijzigEigenschapsveld(const std::string& naam, bool toevoegen);
  std::vector<std::string> EigenschapNamen() const;
  std::string EigenschapNaam(int n) const;
  int AantalEigenschappen() const;
  int EigenschapNummer(const std::string& naam) const;
  bool LeesEigenschap(int n, double& waarde) const;
  bool SchrijfEigenschap(int n, double waarde);

 protected:
  void VoegVeldToe(const std::string& naam, TVeldSoort soort, int grootte, bool verplicht);
  void VoegIndexToe(const std::string& naam, const std::string& velden);
  bool Mislukt(const std::string& fout);
  const TDbVerbinding& Verbinding() const { return db_; }
  // Adds each index of the list (and an index "InputNr" on InputNr) that the file lacks.
  bool ControleerIndexen(const std::vector<TIndexDef>& indexen);

 private:
  struct TOrde {
    std::vector<std::string> kolommen;   // quoted names, without the final rowid
    std::vector<int> velden;
  };

  bool NaarBladeren();
  bool LeesStructuur();
  bool BereidOpdrachten();
  void ZorgVoorView() const;
  void BouwView() const;
  bool Doorlaat(std::int64_t rowid, const TRecord& rec) const;
  void ZetPositie(int positie);
  void HuidigVerplaatst();
  bool LeesRij(std::int64_t rowid, TRecord& rec) const;
  const TRecord* RijUitCache(std::int64_t rowid) const;
  std::vector<TVeldWaarde> Sleutel(std::int64_t rowid, const TRecord* rec) const;
  int InvoegPositie(std::int64_t rowid, const std::vector<TVeldWaarde>& sleutel) const;
  bool SchrijfBuffer(std::string& fout, std::int64_t& rowid);
  bool VoerWijziging(const std::function<bool(std::string&)>& wijziging);
  void WisCache() const;
  void Herlaad(const std::function<void()>& wijziging);
  void MeldVoorHerladen();
  void MeldNaHerladen();
  // Tells every observer, unless the controls are disabled.
  template <class F>
  void Meld(F f) {
    if (besturingUit_ > 0) {
      gemist_ = true;
      return;
    }
    const auto lijst = waarnemers_;
    for (auto* w : lijst) f(*w);
  }
  bool ControleerEigenschapsNaam(const std::string& naam, bool toevoegen, std::string& fout) const;

  std::string map_;
  std::string bestand_;
  bool alleenLezen_ = false;
  std::string fout_;

  TDbVerbinding db_;
  mutable TDbOpdracht leesRij_;     // select * ... where rowid = ?
  mutable TDbOpdracht leesSleutel_; // the order key of one record
  std::vector<TVeldDef> velden_;
  std::vector<TIndexDef> indexen_;  // the secondary indexes in the file
  std::vector<bool> verborgen_;     // by field number
  std::vector<std::string> verborgenNamen_;

  TTabelToestand toestand_ = TTabelToestand::Gesloten;
  std::string indexNaam_;
  TOrde orde_;
  bool gefilterd_ = false;
  std::string filterTekst_;
  TSqlVoorwaarde filterSql_;
  TRecordFilter recordFilter_;
  std::vector<int> filterVelden_;

  mutable std::vector<std::int64_t> rij_;   // rowids of the view, in order
  mutable bool viewGeldig_ = false;
  mutable std::unordered_map<std::int64_t, int> positieVan_;
  mutable bool positiesGeldig_ = false;
  mutable std::unordered_map<std::int64_t, TRecord> cache_;

  mutable int pos_ = -1;
  mutable std::int64_t huidigeRowid_ = -1;   // the current record, kept across view rebuilds
  mutable bool bof_ = true;
  mutable bool eof_ = true;
  mutable TRecord huidig_;
  mutable bool huidigGeladen_ = false;
  TRecord buffer_;                   // edit buffer
  std::vector<bool> gewijzigd_;      // fields assigned in the buffer
  std::vector<TVeldWaarde> oudeSleutel_;   // order key of the record being edited
  std::int64_t bewerkRowid_ = -1;          // the record being edited
  int posVoorToevoegen_ = -1;
  TBladwijzer laatstGepost_ = GeenBladwijzer;

  int besturingUit_ = 0;
  bool gemist_ = false;
  std::vector<TTabelWaarnemer*> waarnemers_;

  int blokDiepte_ = 0;
  bool blokMislukt_ = false;
  std::unique_ptr<TDbTransaktie> blok_;
};

}  // namespace orvan
