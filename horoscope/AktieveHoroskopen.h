#pragma once
// The active charts the user works on, for the whole run of the program: the natal chart (whose
// transit chart holds the active event and whose period data the active period), the partner
// chart and the mundane chart, with the mundane period and the partner search period.
//
// The close questions decide whether an active chart may be replaced or the program closed: a
// chart whose data would be lost (named, and changed or never stored) is asked about with Yes
// (save), No (do not save) and Cancel (stop). The questions go through Meldingen().

#include <cstdint>
#include <memory>

#include "horoscope/TOrvanHoroskoop.h"
#include "time_place/JulDayF.h"

namespace orvan {

// Which chart a close question is about.
inline constexpr int AfsluitenNatal = 0;
inline constexpr int AfsluitenEvent = 1;
inline constexpr int AfsluitenPartner = 2;

// The help keyword of the close questions.
inline constexpr const char* AfsluitenHelpSleutel = "Horoskoopdatabanken";

class TAktieveHoroskopen {
 public:
  TAktieveHoroskopen();
  // Frees the charts in the order natal, partner, mundane.
  ~TAktieveHoroskopen();
  TAktieveHoroskopen(const TAktieveHoroskopen&) = delete;
  TAktieveHoroskopen& operator=(const TAktieveHoroskopen&) = delete;

  TOrvanHoroskoop& Natal() { return *natal_; }
  TOrvanHoroskoop& Partner() { return *partner_; }
  TOrvanHoroskoop& Mundaan() { return *mundaan_; }
  const TOrvanHoroskoop& Natal() const { return *natal_; }
  const TOrvanHoroskoop& Partner() const { return *partner_; }
  const TOrvanHoroskoop& Mundaan() const { return *mundaan_; }

  // Whether the caller may go on replacing or closing chart `welke` (AfsluitenNatal, -Event,
  // -Partner). True without a question when the chart's data would not be lost. Otherwise the
  // question "AfsluitenAktHor", "AfsluitenAktMoment" or "AfsluitenAktPartner" (title "Opgelet"):
  //   Cancel: false;
  //   No: true, nothing saved;
  //   Yes: the chart is saved (for the natal chart followed by the event's own question, whose
  //        answer does not change this result); true when the save succeeded. A failed save has
  //        shown its message and gives false, so that nothing is lost after it.
  bool AfsluitenAkt(int welke);
  // The three questions in the order natal, event, partner, stopping at the first that refuses;
  // when all three allow it, the natal and the partner chart are cleared.
  bool AfsluitenAlles();
  // After another database was opened: no active chart refers to a record of the previous one.
  void NaDatabankWissel();

  // The mundane period, copied from its dialog when that is confirmed; it is also given to the
  // mundane chart.
  void ZetMundaanPeriode(const TDatumRec& start, std::int32_t dagen);
  TDatumRec MundaanStart;
  std::int32_t MundaanDagen = 0;
  bool MundaanPeriodeGezet = false;

  // The partner search period.
  void ZetPartnerZoekPeriode(const TDatumRec& start, std::int32_t dagen);
  TDatumRec PartnerZoekStart;
  std::int32_t PartnerZoekDagen = 0;
  bool PartnerZoekPeriodeGezet = false;

 private:
  std::unique_ptr<TOrvanHoroskoop> natal_;
  std::unique_ptr<TOrvanHoroskoop> partner_;
  std::unique_ptr<TOrvanHoroskoop> mundaan_;
};

// The active charts of the program. StartAktieveHoroskopen creates them at start-up (again after
// StopAktieveHoroskopen); AktieveHoroskopen() creates them on first use otherwise.
TAktieveHoroskopen& AktieveHoroskopen();
void StartAktieveHoroskopen();
void StopAktieveHoroskopen();

// The partner search period that a natal chart born on `geboorte` gets when none is set: from
// day 1 of the birth month three years before the birth year, over PartnerZoekStandaardDagen days.
inline constexpr std::int32_t PartnerZoekStandaardDagen = 2190;
TDatumRec PartnerZoekStandaardStart(const TDatumRec& geboorte);

}  // namespace orvan
