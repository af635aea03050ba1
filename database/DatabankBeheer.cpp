#include "database/DatabankBeheer.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/DatabankSql.h"
#include "shell/Instellingen.h"
#include "shell/Interaktie.h"
#include "shell/LangUtils.h"
#include "shell/VeiligSchrijven.h"

namespace orvan {

namespace fs = std::filesystem;

namespace {

std::string ZonderSlash(std::string map) {
  while (map.size() > 1 && map.back() == '/') map.pop_back();
  return map;
}

std::string MetSlash(std::string map) {
  if (!map.empty() && map.back() != '/') map += '/';
  return map;
}

bool EindigtOpHor(const std::string& naam) {
  if (naam.size() < 4) return false;
  std::string eind = naam.substr(naam.size() - 4);
  for (char& c : eind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return eind == ".hor";
}

// Copies src into dst page by page under a read lock of src: a consistent snapshot even while
// other connections have src open. dst is written in one transaction.
bool KopieerDatabankBestand(const std::string& bron, const std::string& doel, std::string& fout) {
  TDbVerbinding src, dst;
  if (!src.Open(bron, true, false, fout)) {
    fout = "Cannot open file " + bron + "\n" + fout;
    return false;
  }
  if (!dst.Open(doel, false, true, fout)) {
    fout = "Cannot open file " + doel + "\n" + fout;
    return false;
  }
  sqlite3_backup* b = sqlite3_backup_init(dst.Handle(), "main", src.Handle(), "main");
  if (!b) {
    fout = dst.Fout();
    return false;
  }
  const int rc = sqlite3_backup_step(b, -1);
  sqlite3_backup_finish(b);
  if (rc != SQLITE_DONE) {
    fout = std::string(sqlite3_errstr(rc)) + ": " + doel;
    return false;
  }
  return true;
}

}  // namespace

std::string DatabankNaam(const std::string& map) {
  const std::string naam = fs::path(ZonderSlash(map)).filename().string();
  const auto punt = naam.rfind('.');
  return punt == std::string::npos ? naam : naam.substr(0, punt);
}

bool IsDatabank(const std::string& map) {
  std::error_code ec;
  return fs::is_regular_file(MetSlash(map) + "natal.db", ec);
}

bool ZelfdeMap(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a == b;
  std::error_code ec1, ec2;
  const fs::path pa = fs::weakly_canonical(ZonderSlash(a), ec1);
  const fs::path pb = fs::weakly_canonical(ZonderSlash(b), ec2);
  if (ec1 || ec2) return ZonderSlash(a) == ZonderSlash(b);
  return pa == pb;
}

bool KiesDatabank(const std::string& gekozen, TQ4DataModule& dm) {
  if (gekozen.empty() || ZelfdeMap(gekozen, Instellingen.Database)) return false;
  const std::string map = MetSlash(gekozen);
  if (!IsDatabank(map) &&
      Meldingen().Vraag(Vertaal("Opgelet"), Vertaal("HorDatabankMaken"), "Horoskoopdatabanken") != TAntwoord::Ja)
    return false;
  const std::string vorige = Instellingen.Database;
  Instellingen.Database = map;
  if (dm.OpenDatabank(map)) return true;
  Instellingen.Database = vorige;
  if (!vorige.empty()) dm.OpenDatabank(vorige);
  return false;
}

bool KiesRefDatabank(const std::string& gekozen) {
  if (gekozen.empty() || ZelfdeMap(gekozen, Instellingen.RefDatabase)) return false;
  Instellingen.RefDatabase = MetSlash(gekozen);
  return true;
}

std::string LeesNotities(const TQ4DataModule& dm) {
  std::ifstream in(dm.InfoBestandNaam(), std::ios::binary);
  if (!in) return {};
  std::ostringstream inhoud;
  inhoud << in.rdbuf();
  return inhoud.str();
}

bool SchrijfNotities(const std::string& tekst, const TQ4DataModule& dm) {
  std::string fout;
  if (SchrijfBestandVeilig(dm.InfoBestandNaam(), tekst, fout)) return true;
  Meldingen().Melding(Vertaal("Opgelet"), fout, "");
  return false;
}

std::string KopieMap(const std::string& map) {
  std::string basis = ZonderSlash(map);
  if (EindigtOpHor(basis)) basis.resize(basis.size() - 4);
  return basis + " (COPY).hor/";
}

std::string KopieerGeboortes(TQ4DataModule& dm) {
  const std::string bron = dm.Map().empty() ? MetSlash(Instellingen.Database) : dm.Map();
  const std::string kopie = KopieMap(bron);
  // Opening the copy creates it with its three tables.
  if (!dm.OpenDatabank(kopie)) {
    dm.OpenDatabank(bron);
    return {};
  }
  if (!dm.OpenDatabank(bron)) return {};
  std::string fout;
  bool ok = KopieerDatabankBestand(bron + "natal.db", kopie + "natal.db", fout);
  if (ok) {
    // A copy made before may still hold events and relationships of other natal records.
    TDatabankSql sql;
    ok = sql.Open(kopie, fout);
    if (ok) {
      TDbTransaktie t(sql.Verbinding());
      ok = t.Begin(fout) && sql.Verbinding().Voer("delete from event", fout) &&
           sql.Verbinding().Voer("delete from relat", fout) && t.Bevestig(fout);
    }
  }
  if (!ok) {
    Meldingen().Melding(Vertaal("Opgelet"), fout, "");
    return {};
  }
  if (!dm.OpenDatabank(kopie)) {
    dm.OpenDatabank(bron);
    return {};
  }
  return kopie;
}

}  // namespace orvan
