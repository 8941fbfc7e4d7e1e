// The binary return file (.t3r): a header, each form's class, ids and stored
// data (its MyDataStream frame), and a trailer with a checksum over the whole
// file. The layout is documented in docs/file-format.md ("The return file").
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

#include <string>

namespace return_binary {
constexpr char kMagic[4] = {'T', '3', 'R', 'F'};
constexpr char kTrailerMagic[4] = {'T', '3', 'R', 'E'};
constexpr unsigned kFormatVersion = 1;
}  // namespace return_binary

// The file's bytes. Throws ReturnFileError for a form whose class the
// catalogue does not list.
std::string returnToBinary(const TaxReturn& ret, const FormCatalogue& catalogue = FormCatalogue::standard());

// Reads a whole file; `source` names it in messages. Throws ReturnFileError.
TaxReturn returnFromBinary(const std::string& bytes, const QString& source,
                           const FormCatalogue& catalogue = FormCatalogue::standard());
