#pragma once
// The database hooks: how natal charts, their events and relationships load and save themselves
// in the tables of the data module. The chart and relationship objects only know the hooks; every
// hook returns success and never lets an exception out.
//
// Saving follows one rule for the three tables: with filtering switched off (and restored after),
// an existing record (number >= 0 and found) is edited and keeps its selection flag; otherwise a
// new record is appended with Selekt true. The post is one transaction: a failed save changes
// nothing in the file and leaves the number as it was.

#include <cstdint>

#include "database/Q4DataModuleUnit.h"
#include "database/Relatie.h"
#include "horoscope/THorData.h"
#include "horoscope/TOrvanHoroskoop.h"

namespace orvan {

// The natal number LaadGeboorte passes to LeesHorRecord: OrvanNr is not read.
inline constexpr std::int32_t GeenNatalNummer = -2;

// Fills `data` from the table's current record; `nummer` := InputNr; `natalNummer` := OrvanNr
// when it is >= -1 on entry. False when the table has no current record.
bool LeesHorRecord(const TPelqTabel& tabel, THorData& data, std::int32_t& nummer,
                   std::int32_t& natalNummer);

// Saves `data` into a natal or event table as above; for an event table `natalNummer` is stored
// as OrvanNr. In: the record to replace (< 0: new); out: the record saved.
bool BewaarHorRecord(THorTabel& tabel, const THorData& data, std::int32_t natalNummer,
                     std::int32_t& nummer);

// Installs the seven hooks of a natal chart on the tables of `dm`.
void KoppelHoroskoop(TOrvanHoroskoop& horoskoop, TQ4DataModule& dm = Q4DataModule());
// Installs the three hooks of a relationship, and KoppelHoroskoop for both partners present.
void KoppelRelatie(TRelatie& relatie, TQ4DataModule& dm = Q4DataModule());

}  // namespace orvan
