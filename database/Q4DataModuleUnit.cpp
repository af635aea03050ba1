#include "database/Q4DataModuleUnit.h"

#include "database/DatabankSql.h"
#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"

namespace orvan {

TQ4DataModule::TQ4DataModule() = default;

TQ4DataModule::~TQ4DataModule() {
  GebTabel.ZetGefilterd(false);
  MomentTabel.ZetGefilterd(false);
  RelatTabel.ZetGefilterd(false);
  Sluit();
}

void TQ4DataModule::Sluit() {
  GebTabel.Sluit();
  GebTabel2.Sluit();
  MomentTabel.Sluit();
  RelatTabel.Sluit();
  map_.clear();
}

bool TQ4DataModule::OpenDatabank(const std::string& map) {
  TZandloper zandloper;
  std::string m = map;
  if (!m.empty() && m.back() != '/') m += '/';
  GebTabel.GekoppeldeTabel = nullptr;
  TPelqTabel* mislukt = nullptr;
  if (!GebTabel.Initialiseer(m, "natal.db", false) || !GebTabel.ZetIndex("SName"))
    mislukt = &GebTabel;
  if (!mislukt) GebTabel.Eerste();
  if (!mislukt && (!GebTabel2.Initialiseer(m, "natal.db", true) || !GebTabel2.ZetIndex("SName")))
    mislukt = &GebTabel2;
  if (!mislukt) GebTabel2.Eerste();
  if (!mislukt && !MomentTabel.Initialiseer(m, "event.db", false)) mislukt = &MomentTabel;
  if (!mislukt && (!RelatTabel.Initialiseer(m, "relat.db", false) || !RelatTabel.ZetIndex("PartnerNrs")))
    mislukt = &RelatTabel;
  if (mislukt) {
    const std::string fout = mislukt->LaatsteFout();
    Sluit();
    Meldingen().Melding(Vertaal("Opgelet"), Vertaal("DatabankNietGeopend") + " " + m + "\n" + fout, "");
    return false;
  }
  RelatTabel.Eerste();
  GebTabel.ZetRecordFilter([this](const TRecordLezer& r) { return SelektFilter(GebTabel, r); },
                           {GebTabel.SelektIndex()});
  RelatTabel.ZetRecordFilter([this](const TRecordLezer& r) { return SelektFilter(RelatTabel, r); },
                             {RelatTabel.SelektIndex()});
  MomentTabel.ZetRecordFilter([this](const TRecordLezer& r) { return MomentFilter(r); },
                              {VeldSelekt, VeldOrvanNr});
  AlleenMetGeboorte = false;
  GebTabel.GekoppeldeTabel = &GebTabel2;
  map_ = m;
  if (DatabankGeopend) DatabankGeopend();
  return true;
}

bool TQ4DataModule::SelektFilter(const TPelqTabel& tabel, const TRecordLezer& record) const {
  return record.Waarde(tabel.SelektIndex()).AlsBool();
}

bool TQ4DataModule::MomentFilter(const TRecordLezer& record) const {
  if (!record.Waarde(VeldSelekt).AlsBool()) return false;
  // The natal horoscope is looked up in GebTabel's view without moving its current record, so
  // that the natal grid stays where the user left it.
  return !AlleenMetGeboorte || GebTabel.PositieVan(record.Waarde(VeldOrvanNr).AlsInt()) >= 0;
}

std::string TQ4DataModule::InfoBestandNaam() const {
  return (map_.empty() ? Instellingen.Database : map_) + "info.txt";
}

bool TQ4DataModule::VerwijderHoroskoop(std::int64_t nr) {
  TDatabankSql sql;
  std::string fout;
  const bool ok = sql.Open(map_, fout) && sql.VerwijderHoroskoop(nr, fout);
  sql.Sluit();
  if (!ok) Meldingen().Melding(Vertaal("Opgelet"), fout, "");
  GebTabel.Ververs();
  GebTabel2.Ververs();
  MomentTabel.Ververs();
  RelatTabel.Ververs();
  return ok;
}

TQ4DataModule& Q4DataModule() {
  static TQ4DataModule dataModule;
  return dataModule;
}

bool Q4DataModuleCreate() { return Q4DataModule().OpenDatabank(Instellingen.Database); }

void Q4DataModuleDestroy() {
  TQ4DataModule& dm = Q4DataModule();
  dm.GebTabel.ZetGefilterd(false);
  dm.MomentTabel.ZetGefilterd(false);
  dm.RelatTabel.ZetGefilterd(false);
  dm.Sluit();
}

}  // namespace orvan
