#pragma once
// The filter text of a table ("OrvanNr=12", "(DateY >= 1900) and (Sex <> 2)") translated into an
// SQL condition. The text is parsed here, never spliced: field names must be fields of the table
// and become quoted identifiers, constants become bound parameters.
//
// Grammar: comparisons `operand op operand` (op one of = <> != < > <= >=; an operand is a field
// name, [a name with blanks], a number, 'a text' with '' for a quote, true, false or null),
// combined with and, or, not and parentheses. Keywords are not case-sensitive.

#include <string>
#include <vector>

#include "database/VeldDef.h"
#include "database/VeldWaarde.h"

namespace orvan {

struct TSqlVoorwaarde {
  std::string sql;                      // empty for an empty filter text
  std::vector<TVeldWaarde> parameters;  // for the "?" in order
};

// False with the reason in `fout` when the text is no valid filter of these fields.
bool VertaalFilterTekst(const std::string& tekst, const std::vector<TVeldDef>& velden,
                        TSqlVoorwaarde& uit, std::string& fout);

}  // namespace orvan
