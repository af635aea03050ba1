#include "time_place/ui/NieuwePlaatsDialoog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "shell/LangUtils.h"
#include "time_place/Cp1252.h"
#include "time_place/KonvUtil.h"
#include "time_place/TijdzoneMap.h"
#include "time_place/ui/GeoEdit.h"
#include "time_place/ui/PelqValEdit.h"

namespace orvan {

namespace {

inline constexpr const char* GeenZone = "???";

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

std::string Hoofdletters(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The first line of a table, as UTF-8 (a CP1252 line is converted).
std::string EersteRegel(const std::filesystem::path& pad) {
  std::ifstream in(pad, std::ios::binary);
  std::string regel;
  std::getline(in, regel);
  if (!regel.empty() && regel.back() == '\r') regel.pop_back();
  std::string utf8;
  for (const char32_t c : Codepunten(regel)) utf8 += Utf8(c);
  return utf8;
}

std::string ZoneItem(const std::string& zone, const std::string& omschrijving) {
  std::string naam = Hoofdletters(zone);
  naam.resize(std::max<std::size_t>(naam.size(), PlaatsZoneMax), ' ');
  return naam + ": " + omschrijving;
}

// The zone of an item: its first 8 characters, trimmed; none for "???". Only the name part
// counts, so a table whose description holds "???" still gives its zone.
std::string ZoneVanItem(const QString& item) {
  const std::string zone = Snoei(EersteTekens(item.toStdString(), PlaatsZoneMax));
  return zone == GeenZone ? std::string() : zone;
}

}  // namespace

QStringList ZoneItems(const std::string& map) {
  struct TZone {
    std::string naam;
    std::filesystem::path pad;
  };
  std::vector<TZone> zones;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(map, ec), eind; !ec && it != eind; it.increment(ec)) {
    const std::filesystem::path& pad = it->path();
    if (Hoofdletters(pad.extension().string()) != ".UUR") continue;
    std::error_code ecBestand;
    if (!it->is_regular_file(ecBestand)) continue;
    const std::string naam = pad.stem().string();
    if (!IsGeldigeZoneNaam(naam)) continue;
    zones.push_back({naam, pad});
  }
  std::sort(zones.begin(), zones.end(), [](const TZone& a, const TZone& b) {
    return Hoofdletters(a.naam) < Hoofdletters(b.naam);
  });
  QStringList items{QString::fromLatin1(GeenZone)};
  for (const TZone& z : zones)
    items << QString::fromStdString(ZoneItem(z.naam, EersteRegel(z.pad)));
  return items;
}

TNieuwePlaatsDlg::TNieuwePlaatsDlg(QWidget* parent)
    : TBasisDialoogForm(parent),
      naamEdit_(new TValEdit(Inhoud())),
      breedteEdit_(new TGeoEdit(SoortBreedte, Inhoud())),
      lengteEdit_(new TGeoEdit(SoortLengte, Inhoud())),
      zoneCombo_(new QComboBox(Inhoud())),
      bewaarBox_(new QCheckBox(Inhoud())),
      naamLabel_(new QLabel(Inhoud())),
      zoneLabel_(new QLabel(Inhoud())),
      breedteLabel_(new QLabel(Inhoud())),
      lengteLabel_(new QLabel(Inhoud())) {
  setObjectName("NieuwePlaatsDlg");
  naamEdit_->setObjectName("NaamEdit");
  breedteEdit_->setObjectName("BreedteEdit");
  lengteEdit_->setObjectName("LengteEdit");
  zoneCombo_->setObjectName("ZoneCombo");
  bewaarBox_->setObjectName("BewaarBox");
  naamEdit_->setMaxLength(static_cast<int>(PlaatsNaamMax));
  naamLabel_->setBuddy(naamEdit_);
  zoneLabel_->setBuddy(zoneCombo_);
  breedteLabel_->setBuddy(breedteEdit_);
  lengteLabel_->setBuddy(lengteEdit_);

  // A name is needed only for a place that goes into the list.
  naamEdit_->OnValidate = [this](TValEdit&, const std::string& s, bool& isValid) {
    if (bewaarBox_->isChecked() && Snoei(s).empty()) isValid = false;
  };
  connect(naamEdit_, &QLineEdit::textChanged, this, [this] { NaamGewijzigd(); });

  zoneCombo_->addItems(ZoneItems(TijdzoneMap()));
  zoneCombo_->setMaxVisibleItems(20);
  zoneCombo_->setMinimumContentsLength(30);
  zoneCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  auto* layout = new QGridLayout(Inhoud());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(naamLabel_, 0, 0);
  layout->addWidget(naamEdit_, 0, 1, 1, 3);
  layout->addWidget(zoneLabel_, 1, 0);
  layout->addWidget(zoneCombo_, 1, 1, 1, 3);
  layout->addWidget(breedteLabel_, 2, 0);
  layout->addWidget(breedteEdit_, 2, 1);
  layout->addWidget(lengteLabel_, 2, 2);
  layout->addWidget(lengteEdit_, 2, 3);
  layout->addWidget(bewaarBox_, 3, 1, 1, 3);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(3, 1);

  NaamGewijzigd();
  Labels();
}

void TNieuwePlaatsDlg::Labels() {
  TBasisDialoogForm::Labels();
  setWindowTitle(T("NieuwePlaats"));
  naamLabel_->setText(T("PlaatsNaam") + QLatin1Char(':'));
  zoneLabel_->setText(T("Tijdzone") + QLatin1Char(':'));
  breedteLabel_->setText(T("geoBreedte") + QLatin1Char(':'));
  lengteLabel_->setText(T("geoLengte") + QLatin1Char(':'));
  bewaarBox_->setText(T("BewaarGeg"));
  naamEdit_->ZetFoutmelding(Vertaal("UMoetPlaatsnaamGeven"));
  breedteEdit_->ZetFoutmelding(Vertaal("OngeldigeBreedte"));
  lengteEdit_->ZetFoutmelding(Vertaal("OngeldigeLengte"));
}

void TNieuwePlaatsDlg::NaamGewijzigd() {
  bewaarBox_->setEnabled(!Snoei(naamEdit_->Tekst()).empty());
}

void TNieuwePlaatsDlg::ZetPlaats(const PlaatsRec& p) {
  naamEdit_->setText(QString::fromStdString(EersteTekens(p.Naam, PlaatsNaamMax)));
  breedteEdit_->ZetWaarde(p.Breedte);
  lengteEdit_->ZetWaarde(p.Lengte);
  const std::string zone = Hoofdletters(Snoei(p.Zone));
  int index = 0;
  if (!zone.empty() && zone != GeenZone) {
    index = -1;
    for (int i = 1; i < zoneCombo_->count() && index < 0; ++i)
      if (Hoofdletters(ZoneVanItem(zoneCombo_->itemText(i))) == zone) index = i;
    if (index < 0) {
      // A zone without a table here (yet): offered as it is, so that OK keeps it.
      zoneCombo_->insertItem(1, QString::fromStdString(ZoneItem(Snoei(p.Zone), "")));
      index = 1;
    }
  }
  zoneCombo_->setCurrentIndex(index);
}

PlaatsRec TNieuwePlaatsDlg::Plaats() const {
  PlaatsRec p;
  p.Naam = EersteTekens(Snoei(naamEdit_->Tekst()), PlaatsNaamMax);
  p.Breedte = breedteEdit_->Waarde();
  p.Lengte = lengteEdit_->Waarde();
  p.Zone = ZoneVanItem(zoneCombo_->currentText());
  return p;
}

std::uint8_t TNieuwePlaatsDlg::InvoerKode() const {
  return bewaarBox_->isChecked() && bewaarBox_->isEnabled() ? 2 : 1;
}

bool TNieuwePlaatsDlg::MagSluiten() { return ControleerAlles(this); }

void NieuwePlaatsDialoog(QWidget* ouder, PlaatsRec& plRec, std::uint8_t& invoerKode) {
  TNieuwePlaatsDlg dlg(ouder);
  dlg.ZetPlaats(plRec);
  if (dlg.exec() != QDialog::Accepted) {
    invoerKode = 0;
    return;
  }
  plRec = dlg.Plaats();
  invoerKode = dlg.InvoerKode();
}

}  // namespace orvan
