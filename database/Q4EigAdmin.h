#pragma once
// The property fields of the three tables, as the property dialog administers them: the names of
// a table's properties, creating one and deleting one after a question.

#include <string>
#include <vector>

#include "database/Q4DataModuleUnit.h"

namespace orvan {

// The table choice of the dialog: natal, events, relationships.
enum class TEigTabel { Geboorte = 0, Gebeurtenissen = 1, Relaties = 2 };

inline constexpr const char* FoutMaakEigenschap = "Error creating property field";

TPelqTabel& EigAdminTabel(TQ4DataModule& dm, TEigTabel keuze);
std::vector<std::string> EigAdminNamen(TQ4DataModule& dm, TEigTabel keuze);

// Creates the property; on failure (after the store's message) "Error creating property field".
bool EigAdminMaak(TQ4DataModule& dm, TEigTabel keuze, const std::string& naam);

// Asks "BentUZekerVerwEig" with the name; on yes drops the property.
bool EigAdminVerwijder(TQ4DataModule& dm, TEigTabel keuze, const std::string& naam);

// The text of a key with its "%s" replaced by `waarde` (the text is never used as a format).
std::string VulIn(const std::string& tekst, const std::string& waarde);

}  // namespace orvan
