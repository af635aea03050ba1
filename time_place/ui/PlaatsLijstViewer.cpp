#include "time_place/ui/PlaatsLijstViewer.h"

#include <cmath>

#include <QFontMetrics>
#include <memory>

#include "time_place/NaamBew.h"
#include "time_place/PltsLstMenger.h"
#include "time_place/ui/NieuwePlaatsDialoog.h"

namespace orvan {

namespace {

// The display line: a name of 35 characters, the latitude up to column 42, the longitude in 8,
// a blank and a zone of 8.
inline constexpr int RegelTekens = 42 + 8 + 1 + 8;
inline constexpr int MinimumTekens = 35;

bool ZelfdePlaats(const PlaatsRec& a, const PlaatsRec& b) {
  return a.Naam == b.Naam && a.Breedte == b.Breedte && a.Lengte == b.Lengte && a.Zone == b.Zone &&
         a.Gewist == b.Gewist;
}

}  // namespace

TPlaatsLijstViewer::TPlaatsLijstViewer(QWidget* parent, std::string map) : TLijstViewer(parent) {
  setObjectName("PlaatsLijstViewer");
  QFont f(QStringLiteral("Liberation Mono"));
  f.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  setFont(f);

  auto model = std::make_unique<TPlaatsLijstModel>(std::move(map));
  plaatsModel_ = model.get();
  model->OnNieuwePlaats = [this](PlaatsRec& p, std::uint8_t& kode) {
    if (eigenPlaats_) p = *eigenPlaats_;
    p.Gewist = 0;
    if (OnNieuwePlaats)
      OnNieuwePlaats(p, kode);
    else
      NieuwePlaatsDialoog(this, p, kode);
    nieuwePlaats_ = p;
    nieuweKode_ = kode;
  };
  model->OnBewarenBezig = [this](double procent) {
    if (OnBewarenBezig) OnBewarenBezig(procent);
  };
  ZetModel(std::move(model));
  plaatsModel_->Open();
}

PlaatsRec TPlaatsLijstViewer::HuidigePlaats() const {
  if (eigenPlaats_) return *eigenPlaats_;
  if (plaatsModel_->Huidige() < 0) return PlaatsRec{};
  return plaatsModel_->HuidigeRec();
}

void TPlaatsLijstViewer::ZoekOp(const QString& tekst) { plaatsModel_->ZoekOp(tekst.toStdString()); }

void TPlaatsLijstViewer::ToonPlaats(const PlaatsRec& p) {
  stil_ = true;
  eigenPlaats_.reset();
  plaatsModel_->ZoekOp(p.Naam);
  const TPlaatsLijst& lijst = plaatsModel_->Lijst();
  const std::string sleutel = NaamSleutel(p.Naam);
  const std::string zone = Vouw35(p.Zone);
  // Only the entry of the same name, zone and coordinates stands for the given place: a chart
  // keeps its own coordinates when the list holds its place a little differently.
  const auto zelfdeGraad = [](float a, float b) { return std::fabs(a - b) < 0.005f; };
  int gevonden = -1;
  for (int n = lijst.EersteVanaf(sleutel); n < lijst.Aantal() && lijst.NaamSleutel(n) == sleutel;
       ++n) {
    PlaatsRec r;
    if (!lijst.Lees(n, r) || r.Naam != p.Naam) continue;
    if (Vouw35(r.Zone) == zone && zelfdeGraad(r.Breedte, p.Breedte) &&
        zelfdeGraad(r.Lengte, p.Lengte)) {
      gevonden = n;
      break;
    }
  }
  if (gevonden >= 0 && gevonden != plaatsModel_->Huidige()) plaatsModel_->GaNaar(gevonden);
  if (gevonden < 0) {
    eigenPlaats_ = p;
    eigenPlaats_->Gewist = 0;
  }
  houdEigenPlaats_ = true;
  ToonRegel();
  houdEigenPlaats_ = false;
  stil_ = false;
  // Reported even when the place was current already: the caller shows the place it gave.
  isGemeld_ = false;
  MeldAlsGewijzigd();
}

void TPlaatsLijstViewer::Omhoog() { Toets(TLijstToets::Op); }

void TPlaatsLijstViewer::Omlaag() { Toets(TLijstToets::Neer); }

void TPlaatsLijstViewer::Toets(TLijstToets toets) {
  if (toets == TLijstToets::Invoegen)
    NieuwePlaats();
  else
    TLijstViewer::Toets(toets);
}

void TPlaatsLijstViewer::NieuwePlaats() {
  const std::optional<PlaatsRec> vorige = eigenPlaats_;
  const int aantal = plaatsModel_->Aantal();
  nieuweKode_ = InvoerGeannuleerd;
  stil_ = true;
  houdEigenPlaats_ = true;
  plaatsModel_->NieuwItem();
  houdEigenPlaats_ = false;
  stil_ = false;
  if (nieuweKode_ == InvoerBewaren && plaatsModel_->Aantal() > aantal) {
    eigenPlaats_.reset();  // stored: the browser stands on it
  } else if (nieuweKode_ == InvoerEenmalig || nieuweKode_ == InvoerBewaren) {
    // For this horoscope only, or not stored because the list could not be written (the model
    // has said so): the place is used all the same.
    eigenPlaats_ = nieuwePlaats_;
  } else {
    eigenPlaats_ = vorige;
  }
  houdEigenPlaats_ = true;
  ToonRegel();
  houdEigenPlaats_ = false;
}

void TPlaatsLijstViewer::ToonRegel() {
  if (!houdEigenPlaats_) eigenPlaats_.reset();
  if (eigenPlaats_)
    ToonTekst(PlaatsRegel(*eigenPlaats_));
  else
    TLijstViewer::ToonRegel();
  MeldAlsGewijzigd();
}

void TPlaatsLijstViewer::MeldAlsGewijzigd() {
  if (stil_) return;
  const PlaatsRec nu = HuidigePlaats();
  if (isGemeld_ && ZelfdePlaats(nu, gemeld_)) return;
  gemeld_ = nu;
  isGemeld_ = true;
  emit PlaatsGewijzigd();
}

int TPlaatsLijstViewer::BreedteVoor(int tekens) const {
  // QLineEdit's own hint is made for 17 characters of "x", plus the frame and margins.
  const QFontMetrics fm(font());
  const int rand =
      QLineEdit::sizeHint().width() - fm.horizontalAdvance(QString(17, QLatin1Char('x')));
  return rand + fm.horizontalAdvance(QString(tekens, QLatin1Char('x')));
}

QSize TPlaatsLijstViewer::sizeHint() const {
  return {BreedteVoor(RegelTekens), QLineEdit::sizeHint().height()};
}

QSize TPlaatsLijstViewer::minimumSizeHint() const {
  return {BreedteVoor(MinimumTekens), QLineEdit::minimumSizeHint().height()};
}

}  // namespace orvan
