#include "shell/ui/FQ5_Hornavigatie.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "horoscope/AktieveHoroskopen.h"
#include "horoscope/ui/HorDataOpdrachten.h"
#include "horoscope/ui/Opdrachten.h"
#include "shell/Instellingen.h"
#include "shell/LangUtils.h"
#include "time_place/JulDayF.h"

namespace orvan {

namespace {

QString T(const char* sleutel) { return QString::fromStdString(Vertaal(sleutel)); }

// The caption of two keys joined: "Tekening+Transits", "SekProg (Verjaardagen)".
std::function<QString()> Plus(const char* a, const char* b) {
  return [a, b] { return T(a) + QStringLiteral("+") + T(b); };
}
std::function<QString()> Haakjes(const char* a, const char* b) {
  return [a, b] { return T(a) + QStringLiteral(" (") + T(b) + QStringLiteral(")"); };
}
std::function<QString()> Een(const char* a) {
  return [a] { return T(a); };
}

// The Data panels of the chart rows set their buttons in two columns, below the description.
int Kolommen(int rij, int kolom) {
  using N = TFQ5HorNavigatie;
  return kolom == N::KolGegevens && (rij == N::RijNatal || rij == N::RijMoment || rij == N::RijPartner)
             ? 2
             : 1;
}

// The one-line description of a chart in its yellow box: name, entered date and time, place.
QString Omschrijving(const THoroskoop& h) {
  if (!h.Geladen || h.Data.Name.empty()) return {};
  std::string t = h.Data.Name + "   " +
                  DatumTijdTekst(HuidigeTaal, h.Data.Datum, Instellingen.Datuminvoermode, h.Data.Tijd);
  if (!h.Data.Plaats.Naam.empty()) t += "   " + h.Data.Plaats.Naam;
  return QString::fromStdString(t);
}

// "start + days dagen" in the date entry mode of the settings.
QString PeriodeTekst(const TDatumRec& start, std::int32_t dagen) {
  return QString::fromStdString(DatumTekst(HuidigeTaal, start, Instellingen.Datuminvoermode) +
                                " + " + std::to_string(dagen) + " " + Vertaal("dagen"));
}

QLabel* GeelVak(QWidget* ouder, const char* naam) {
  auto* l = new QLabel(ouder);
  l->setObjectName(naam);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, QColor(255, 255, 160));
  p.setColor(QPalette::WindowText, Qt::black);
  l->setPalette(p);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setMargin(3);
  l->setMinimumHeight(l->fontMetrics().height() + 10);
  l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  return l;
}

}  // namespace

QColor TFQ5HorNavigatie::RijKleur(TRij rij) {
  switch (rij) {
    case RijMundaan:
      return {200, 200, 200};
    case RijNatal:
      return {160, 200, 160};
    case RijMoment:
    case RijPeriode:
      return {160, 160, 200};
    default:
      return {200, 160, 160};
  }
}

TFQ5HorNavigatie::TFQ5HorNavigatie(QWidget* parent) : QFrame(parent) {
  setObjectName("FQ5HorNavigatie");
  auto* rooster = new QGridLayout(this);
  rooster->setSpacing(3);
  rooster->setContentsMargins(6, 6, 6, 6);

  static const char* const kolomNamen[AantalKolommen] = {
      "GegevensLabel", "BerekeningenLabel", "TekeningenLabel", "InterprTekstenLabel",
      "InterprGrafLabel"};
  for (int k = 0; k < AantalKolommen; ++k) {
    auto* l = new QLabel(this);
    l->setObjectName(kolomNamen[k]);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    kolomLabels_[k] = l;
    rooster->addWidget(l, 0, k);
    rooster->setColumnStretch(k, k == KolGegevens ? 5 : 4);
  }
  static const char* const rijNamen[AantalRijen] = {
      "MundaanLabel", "AktHorLabel", "MomentLabel", "PeriodeLabel", "PartnerLabel",
      "PartnerZoekLabel"};
  static const char* const omschrijvingNamen[AantalRijen] = {
      "MundaanPeriodeTekst", "AktHorOmschrijving", "MomentOmschrijving", "PeriodeTekst",
      "PartnerOmschrijving", "PartnerZoekPeriodeTekst"};
  for (int r = 0; r < AantalRijen; ++r) {
    for (int k = 0; k < AantalKolommen; ++k) {
      auto* p = new QFrame(this);
      p->setObjectName(QStringLiteral("Paneel%1%2").arg(r).arg(k));
      p->setAutoFillBackground(true);
      p->setFrameShape(QFrame::StyledPanel);
      QPalette pal = p->palette();
      pal.setColor(QPalette::Window, RijKleur(static_cast<TRij>(r)));
      p->setPalette(pal);
      auto* vak = new QVBoxLayout(p);
      vak->setContentsMargins(6, 4, 6, 4);
      vak->setSpacing(3);
      if (k == KolGegevens) {
        auto* l = new QLabel(p);
        l->setObjectName(rijNamen[r]);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        rijLabels_[r] = l;
        vak->addWidget(l);
        const bool isKaart = r == RijNatal || r == RijMoment || r == RijPartner;
        QLabel* o = isKaart ? GeelVak(p, omschrijvingNamen[r]) : new QLabel(p);
        if (!isKaart) o->setObjectName(omschrijvingNamen[r]);
        omschrijvingen_[r] = o;
        vak->addWidget(o);
      }
      auto* knoppen = new QGridLayout;
      knoppen->setSpacing(3);
      vak->addLayout(knoppen);
      vak->addStretch(1);
      panelen_[r][k] = p;
      rooster->addWidget(p, r + 1, k);
    }
  }

  using S = TSelektie;
  auto selektie = [this](S s) {
    return [this, s] {
      if (NaarSelektie) NaarSelektie(s);
    };
  };
  auto zijTab = [this](S s, TZijTab tab) {
    return [this, s, tab] {
      if (NaarZijTab) NaarZijTab(s, tab);
    };
  };

  // Mundane row.
  MaakKnop(RijMundaan, KolGegevens, "MundWijzigGegBtn", Een("Verander"),
           [this] { Opdracht(MundaanPeriodeOpdracht); });
  MaakKnop(RijMundaan, KolBerekeningen, "EfemerisBtn", Een("Efemeriden"))->hide();
  MaakKnop(RijMundaan, KolTekeningen, "MundaanGrafEfemBtn", Een("GrafEfem"));
  MaakKnop(RijMundaan, KolInterprGraf, "MundEigModelBtn", Een("Eigenschapmodel"));
  // Natal row.
  MaakKnop(RijNatal, KolGegevens, "AktHorSelBtn", Een("SelektDBNieuw"), selektie(S::Natal));
  MaakKnop(RijNatal, KolGegevens, "AktHorWijzigGegBtn", Een("Verander"),
           [this] { Opdracht([this] { return NatalWijzigOpdracht(this); }); });
  MaakKnop(RijNatal, KolGegevens, "AktHorTrefwoordenBtn", Een("SteekWoorden"),
           zijTab(S::Natal, TZijTab::SteekWoorden));
  MaakKnop(RijNatal, KolGegevens, "AktHorEigenschapBtn", Een("Eigenschappen"),
           zijTab(S::Natal, TZijTab::Eigenschappen));
  MaakKnop(RijNatal, KolGegevens, "AktHorInfoBtn", Een("Info"), zijTab(S::Natal, TZijTab::Info));
  MaakKnop(RijNatal, KolBerekeningen, "GebBerekBtn", Een("PositiesAspEnz"),
           [this] { Opdracht(GebBerekOpdracht); });
  MaakKnop(RijNatal, KolBerekeningen, "GebGevPtnBtn", Een("GevPunten"));
  MaakKnop(RijNatal, KolTekeningen, "GebTekBtn", Een("Tekening"));
  MaakKnop(RijNatal, KolTekeningen, "LinGebBtn", Een("LineaireVoorst"));
  MaakKnop(RijNatal, KolInterprTeksten, "GebInterprBtn", Een("Geboorte-interpretatie"));
  // Event row.
  MaakKnop(RijMoment, KolGegevens, "MomentSelBtn", Een("SelektDBNieuw"), selektie(S::Moment));
  MaakKnop(RijMoment, KolGegevens, "MomentWijzigGegBtn", Een("Verander"),
           [this] { Opdracht([this] { return MomentWijzigOpdracht(this); }); });
  MaakKnop(RijMoment, KolGegevens, "MomentTrefwoordenBtn", Een("SteekWoorden"),
           zijTab(S::Moment, TZijTab::SteekWoorden));
  MaakKnop(RijMoment, KolGegevens, "MomentEigenschappenBtn", Een("Eigenschappen"),
           zijTab(S::Moment, TZijTab::Eigenschappen));
  MaakKnop(RijMoment, KolGegevens, "MomentInfoBtn", Een("Info"), zijTab(S::Moment, TZijTab::Info));
  MaakKnop(RijMoment, KolBerekeningen, "MomTransitsBtn", Een("Transits"));
  MaakKnop(RijMoment, KolBerekeningen, "MomSekProgBtn", Een("SekProg"));
  MaakKnop(RijMoment, KolBerekeningen, "MomPrimDirBtn", Een("PrimDir"));
  MaakKnop(RijMoment, KolTekeningen, "TraTekBtn", Plus("Tekening", "Transits"));
  MaakKnop(RijMoment, KolTekeningen, "TraApartTekBtn", Een("TekeningAlsAparteHoroskoo"));
  MaakKnop(RijMoment, KolTekeningen, "SekProgTekBtn", Plus("Tekening", "SekProg"));
  MaakKnop(RijMoment, KolTekeningen, "PrimDirTekBtn", Plus("Tekening", "PrimDir"));
  MaakKnop(RijMoment, KolTekeningen, "LinMomBtn", Een("LineaireVoorst"));
  MaakKnop(RijMoment, KolInterprTeksten, "TraMomInterprBtn", Een("Transit-interpretatie"));
  MaakKnop(RijMoment, KolInterprTeksten, "SekProgMomInterprBtn", Een("SekProg-interpretatie"));
  MaakKnop(RijMoment, KolInterprTeksten, "PrimDirMomInterprBtn", Een("PrimDir-interpretatie"));
  // Period row.
  MaakKnop(RijPeriode, KolGegevens, "PeriodeWijzigGegBtn", Een("Verander"),
           [this] { Opdracht(PeriodeOpdracht); });
  MaakKnop(RijPeriode, KolBerekeningen, "TraLijstBtn", Een("Transitlijst"));
  MaakKnop(RijPeriode, KolBerekeningen, "SekProgLijstBtn", Een("SekProgLijst"));
  MaakKnop(RijPeriode, KolBerekeningen, "PrimDirLijstBtn", Een("PrimDirLijst"));
  MaakKnop(RijPeriode, KolBerekeningen, "SekProgVerjLijstBtn", Haakjes("SekProg", "Verjaardagen"));
  MaakKnop(RijPeriode, KolBerekeningen, "PrimDirVerjLijstBtn", Haakjes("PrimDir", "Verjaardagen"));
  MaakKnop(RijPeriode, KolTekeningen, "GrafEfemBtn", Een("GrafEfem"));
  MaakKnop(RijPeriode, KolTekeningen, "CirkGrafEfBtn", Een("CirkulaireGrEf"));
  MaakKnop(RijPeriode, KolInterprTeksten, "TraPerInterprBtn", Een("Transit-interpretatie"));
  MaakKnop(RijPeriode, KolInterprTeksten, "SekProgPerInterpBtn", Een("SekProg-interpretatie"));
  MaakKnop(RijPeriode, KolInterprTeksten, "PrimDirPerInterprBtn", Een("PrimDir-interpretatie"));
  MaakKnop(RijPeriode, KolInterprGraf, "TraKoncBtn", Een("TraKoncs"));
  MaakKnop(RijPeriode, KolInterprGraf, "TraEigModelBtn", Haakjes("Eigenschapmodel", "Transits"));
  // Partner row.
  MaakKnop(RijPartner, KolGegevens, "PartnerSelBtn", Een("SelektDBNieuw"), selektie(S::Partner));
  MaakKnop(RijPartner, KolGegevens, "PartnerWijzigBtn", Een("Verander"),
           [this] { Opdracht([this] { return PartnerWijzigOpdracht(this); }); });
  MaakKnop(RijPartner, KolGegevens, "RelatieTrefwoordenBtn", Haakjes("SteekWoorden", "relatie"), [this] {
    if (NaarRelaties) NaarRelaties(false);
  });
  MaakKnop(RijPartner, KolGegevens, "RelatieEigBtn", Haakjes("Eigenschappen", "relatie"), [this] {
    if (NaarRelaties) NaarRelaties(true);
  });
  MaakKnop(RijPartner, KolBerekeningen, "SynAspBtn", Een("SynAspekten"));
  MaakKnop(RijPartner, KolBerekeningen, "KompPosBtn", Een("KompPosEnz"));
  MaakKnop(RijPartner, KolTekeningen, "GebTekMetPartnerBtn", Plus("Tekening", "Partner"));
  MaakKnop(RijPartner, KolTekeningen, "TweeGebTekBtn", Een("2Tekeningen"));
  MaakKnop(RijPartner, KolTekeningen, "LinRelBtn", Een("LineaireVoorst"));
  MaakKnop(RijPartner, KolTekeningen, "KompTekBtn", Een("KompTekening"));
  MaakKnop(RijPartner, KolInterprTeksten, "SynInterprBtn", Een("SynInterpretatie"));
  MaakKnop(RijPartner, KolInterprTeksten, "KompInterprBtn", Een("KompInterpretatie"));
  // Partner search row.
  MaakKnop(RijPartnerZoek, KolGegevens, "PartnerPeriodeWijzigGegBtn", Een("Verander"),
           [this] { Opdracht(PartnerZoekPeriodeOpdracht); });
  MaakKnop(RijPartnerZoek, KolInterprGraf, "SynastrieEigModelBtn",
           Haakjes("Eigenschapmodel", "synastrie"));

  Vernieuw();
}

QPushButton* TFQ5HorNavigatie::MaakKnop(TRij rij, TKolom kolom, const char* naam,
                                        std::function<QString()> tekst,
                                        std::function<void()> opdracht) {
  QFrame* paneel = panelen_[rij][kolom];
  auto* knop = new QPushButton(paneel);
  knop->setObjectName(naam);
  // A button is never narrower than its caption: the columns widen to the longest one.
  knop->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  const int kolommen = Kolommen(rij, kolom);
  const int i = aantalInPaneel_[rij][kolom]++;
  auto* vak = static_cast<QVBoxLayout*>(paneel->layout());
  auto* knoppen = static_cast<QGridLayout*>(vak->itemAt(vak->count() - 2)->layout());
  knoppen->addWidget(knop, i / kolommen, i % kolommen);
  const bool heeftOpdracht = static_cast<bool>(opdracht);
  if (heeftOpdracht) connect(knop, &QPushButton::clicked, this, std::move(opdracht));
  knoppen_.push_back(knop);
  defs_.push_back({knop, std::move(tekst), heeftOpdracht});
  return knop;
}

QPushButton* TFQ5HorNavigatie::Knop(const char* naam) const {
  for (QPushButton* k : knoppen_)
    if (k->objectName() == QLatin1String(naam)) return k;
  return nullptr;
}

void TFQ5HorNavigatie::ZetActief(QPushButton* knop, bool aan) {
  for (const TKnopDef& d : defs_)
    if (d.knop == knop) knop->setEnabled(aan && d.heeftOpdracht);
}

void TFQ5HorNavigatie::Opdracht(const std::function<bool()>& opdracht) {
  if (bezig_) return;
  bezig_ = true;
  const bool gedaan = opdracht();
  bezig_ = false;
  if (gedaan) Vernieuw();   // a cancelled dialog changes nothing
}

void TFQ5HorNavigatie::Vernieuw() {
  TAktieveHoroskopen& akt = AktieveHoroskopen();
  TOrvanHoroskoop& natal = akt.Natal();
  const TOrvanHoroskoop& partner = akt.Partner();

  // 1, 2. The mundane chart's name, the natal, event and partner descriptions.
  akt.Mundaan().Data.Name = Vertaal("MundaneSituatie");
  omschrijvingen_[RijNatal]->setText(Omschrijving(natal));
  omschrijvingen_[RijMoment]->setText(natal.EventGeladen ? Omschrijving(natal.Transit()) : QString());
  omschrijvingen_[RijPartner]->setText(Omschrijving(partner));
  for (TRij r : {RijNatal, RijMoment, RijPartner})
    omschrijvingen_[r]->setToolTip(omschrijvingen_[r]->text());   // the whole line when cut off

  // 4. The partner search period of a newly active natal chart.
  if (!akt.PartnerZoekPeriodeGezet && natal.Geladen && natal.UT != onthoudenUT_)
    akt.ZetPartnerZoekPeriode(PartnerZoekStandaardStart(natal.Data.Datum), PartnerZoekStandaardDagen);

  // 3. Period texts.
  omschrijvingen_[RijMundaan]->setText(
      akt.MundaanPeriodeGezet ? PeriodeTekst(akt.MundaanStart, akt.MundaanDagen) : QString());
  omschrijvingen_[RijPeriode]->setText(
      natal.PeriodeGezet ? PeriodeTekst(natal.PeriodeData.Datum, natal.PeriodeLengte) : QString());
  omschrijvingen_[RijPartnerZoek]->setText(
      akt.PartnerZoekPeriodeGezet ? PeriodeTekst(akt.PartnerZoekStart, akt.PartnerZoekDagen)
                                  : QString());

  // 5. Enabled states: the columns after Data by the row's chart, then the Data buttons.
  const bool metNatal = natal.Geladen;
  const bool metMoment = natal.EventGeladen;
  const bool metPartner = partner.Geladen;
  const bool rijActief[AantalRijen] = {akt.MundaanPeriodeGezet, metNatal, metMoment,
                                       natal.PeriodeGezet, metPartner, metNatal};
  for (const TKnopDef& d : defs_) {
    for (int r = 0; r < AantalRijen; ++r)
      for (int k = KolBerekeningen; k < AantalKolommen; ++k)
        if (d.knop->parentWidget() == panelen_[r][k]) ZetActief(d.knop, rijActief[r]);
  }
  ZetActief(Knop("MundWijzigGegBtn"), true);
  ZetActief(Knop("AktHorSelBtn"), true);
  for (const char* n : {"AktHorWijzigGegBtn", "AktHorTrefwoordenBtn", "AktHorEigenschapBtn",
                        "AktHorInfoBtn"})
    ZetActief(Knop(n), metNatal);
  ZetActief(Knop("MomentSelBtn"), true);
  for (const char* n : {"MomentWijzigGegBtn", "MomentTrefwoordenBtn", "MomentEigenschappenBtn",
                        "MomentInfoBtn"})
    ZetActief(Knop(n), metNatal);
  ZetActief(Knop("PeriodeWijzigGegBtn"), metNatal);
  ZetActief(Knop("PartnerSelBtn"), metNatal);
  ZetActief(Knop("PartnerWijzigBtn"), metNatal);
  ZetActief(Knop("RelatieTrefwoordenBtn"), metNatal && metPartner);
  ZetActief(Knop("RelatieEigBtn"), metNatal && metPartner);
  ZetActief(Knop("PartnerPeriodeWijzigGegBtn"), metNatal);

  // 6. Captions.
  static const char* const kolomSleutels[AantalKolommen] = {
      TaalSleutel("Gegevens"), TaalSleutel("Berekeningen"), TaalSleutel("Tekeningen"),
      TaalSleutel("Interpretatieteksten"), TaalSleutel("Interpretatiegrafieken")};
  for (int k = 0; k < AantalKolommen; ++k) kolomLabels_[k]->setText(T(kolomSleutels[k]));
  static const char* const rijSleutels[AantalRijen] = {
      TaalSleutel("AktievePeriodeMundaan"), TaalSleutel("AktieveHor"), TaalSleutel("AktieveGeb"),
      TaalSleutel("AktievePeriode"), TaalSleutel("AktievePartner"),
      TaalSleutel("AktievePartnerzoekperiode")};
  for (int r = 0; r < AantalRijen; ++r) rijLabels_[r]->setText(T(rijSleutels[r]));
  for (const TKnopDef& d : defs_) {
    d.knop->setText(d.tekst());
    d.knop->setToolTip(d.knop->text());
  }
  if (QPushButton* apart = Knop("TraApartTekBtn"))
    apart->setToolTip(apart->text() + QStringLiteral(" ") + T("BvSolaarLunaar"));

  onthoudenUT_ = natal.UT;
}

}  // namespace orvan
