#pragma once
// The navigation frame of the "Horoscope study" page: a grid of command buttons, one row per kind
// of active chart (mundane, natal, event, period, partner, partner search) and one column per kind
// of output (data, calculations, graphics, interpretation texts, interpretation graphs). Vernieuw
// relabels the grid, shows the active charts and periods and enables the buttons whose data exist.
// A button whose command the program does not have yet stays disabled.

#include <QFrame>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace orvan {

class TFQ5HorNavigatie : public QFrame {
  Q_OBJECT

 public:
  // The rows and columns of the grid.
  enum TRij { RijMundaan, RijNatal, RijMoment, RijPeriode, RijPartner, RijPartnerZoek, AantalRijen };
  enum TKolom { KolGegevens, KolBerekeningen, KolTekeningen, KolInterprTeksten, KolInterprGraf,
                AantalKolommen };
  // The table pages the select buttons switch to.
  enum class TSelektie { Natal, Moment, Partner };

  explicit TFQ5HorNavigatie(QWidget* parent = nullptr);

  // Labels, texts and enabled states from the active charts (horoscope/AktieveHoroskopen.h).
  void Vernieuw();

  // Called by the select buttons; the main window switches to the table page.
  std::function<void(TSelektie)> NaarSelektie;
  // The side tabs of the natal and event pages that the keywords, properties and info buttons show.
  enum class TZijTab { SteekWoorden, Info, Eigenschappen };
  // Called by those buttons (TSelektie::Natal or ::Moment): the table page with that side tab.
  std::function<void(TSelektie, TZijTab)> NaarZijTab;
  // Called by the relationship buttons: the relationships page with its keywords column in view
  // (false) or its properties tab (true).
  std::function<void(bool eigenschappen)> NaarRelaties;

  QPushButton* Knop(const char* naam) const;   // a button by its object name
  QLabel* RijLabel(TRij rij) const { return rijLabels_[rij]; }
  QLabel* KolomLabel(TKolom kolom) const { return kolomLabels_[kolom]; }
  QLabel* OmschrijvingLabel(TRij rij) const { return omschrijvingen_[rij]; }
  QFrame* Paneel(TRij rij, TKolom kolom) const { return panelen_[rij][kolom]; }

  // The buttons in grid order.
  const std::vector<QPushButton*>& Knoppen() const { return knoppen_; }

  // Row colours (red, green, blue).
  static QColor RijKleur(TRij rij);

 private:
  struct TKnopDef {
    QPushButton* knop;
    std::function<QString()> tekst;   // the caption from its keys
    bool heeftOpdracht;               // a command is connected
  };

  QPushButton* MaakKnop(TRij rij, TKolom kolom, const char* naam, std::function<QString()> tekst,
                        std::function<void()> opdracht = {});
  void ZetActief(QPushButton* knop, bool aan);
  void Opdracht(const std::function<bool()>& opdracht);

  QLabel* kolomLabels_[AantalKolommen] = {};
  QLabel* rijLabels_[AantalRijen] = {};
  QLabel* omschrijvingen_[AantalRijen] = {};
  QFrame* panelen_[AantalRijen][AantalKolommen] = {};
  std::vector<QPushButton*> knoppen_;
  std::vector<TKnopDef> defs_;
  int aantalInPaneel_[AantalRijen][AantalKolommen] = {};
  double onthoudenUT_ = 0;   // the natal chart for which the partner search period was derived
  bool bezig_ = false;       // a command runs: no second one starts meanwhile
};

}  // namespace orvan
