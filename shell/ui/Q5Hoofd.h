#pragma once
// The main window: five pages (database administration, natal table, events table, relationships
// table and the horoscope study page with the navigation frame), the main menu, and a 500 ms timer
// that enables the report menu while the running report exists. F1 opens the help of the page.
// Closing the window asks whether the active charts may be released.
//
// The table pages hold the frames of the horoscope database; they call GeboorteGekozen,
// PartnerGekozen, MomentGekozen and DatabankGewijzigd when the user makes a choice there.

#include <QMainWindow>
#include <cstdint>
#include <utility>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QTabWidget;
class QTimer;

namespace orvan {

class TFQ5HorNavigatie;

class TQ5HoofdForm : public QMainWindow {
  Q_OBJECT

 public:
  // The pages in their order.
  enum TPagina { DBInfoSheet, GebHorSelSheet, GebeurtenissenSheet, RelatEigSheet, HorStudieSheet,
                 AantalPaginas };

  static constexpr int TimerMs = 500;
  // Help contexts of the pages, in page order.
  static constexpr std::int32_t PaginaHelp[AantalPaginas] = {3600, 3005, 3100, 3300, 3026};

  explicit TQ5HoofdForm(QWidget* parent = nullptr);
  ~TQ5HoofdForm() override;

  // The labelling routine: language item checked, aspect table reloaded in the current language,
  // menu and page captions from the language table, the current page refreshed.
  void Labels();
  // Leaving or entering a page: the entered page's frame is refreshed.
  void PaginaWissel();
  // The report menu follows the running report (every 500 ms while this window is active).
  void Timer1Timer();
  void ZetRapportMenu();
  // A language menu item: language n (1..4) and the labelling routine.
  void KiesTaalClick(int n);
  // The help of the current page.
  std::int32_t HuidigeHelpContext() const;

  // Callbacks of the table pages.
  void GeboorteGekozen();   // to the navigation page, focus on the natal wheel; partner search anew
  void PartnerGekozen();    // focus on the two-wheels button
  void MomentGekozen();     // focus on the wheel with transits
  void RelatieGekozen();    // both charts of a relationship: to the navigation page, two wheels
  void DatabankGewijzigd();

  QTabWidget* HoofdPageControl() const { return pages_; }
  TFQ5HorNavigatie* Navigatie() const { return navigatie_; }
  QTimer* Timer1() const { return timer_; }
  QMenu* RapportMenu() const { return rapportMenu_; }
  QAction* ToonInTekstverwActie() const { return toonRapportActie_; }
  QAction* RapportLeegmActie() const { return rapportLeegActie_; }
  QAction* StopActie() const { return stopActie_; }
  QAction* TaalActie(int n) const { return taalActies_[n - 1]; }
  QAction* Actie(const char* naam) const;   // a menu item by its object name

 signals:
  // The window has closed: the program ends.
  void Gesloten();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QAction* MaakActie(QMenu* menu, const char* naam, const char* sleutel, bool heeftOpdracht);
  QMenu* MaakMenu(QMenu* ouder, const char* naam, const char* sleutel);
  void NaarSelektie(int pagina);
  void RapportLeegmClick();

  QTabWidget* pages_;
  TFQ5HorNavigatie* navigatie_;
  QTimer* timer_;
  QMenu* rapportMenu_ = nullptr;
  QMenu* extraMenu_ = nullptr;
  QMenu* intBestandMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* taalMenu_ = nullptr;
  QAction* toonRapportActie_ = nullptr;
  QAction* rapportLeegActie_ = nullptr;
  QAction* voorkeurenActie_ = nullptr;
  QAction* stopActie_ = nullptr;
  QAction* taalActies_[4] = {};
  QActionGroup* taalGroep_ = nullptr;
  std::vector<std::pair<QAction*, const char*>> labels_;   // menu items and their keys
  bool eersteKeer_ = true;
};

}  // namespace orvan
