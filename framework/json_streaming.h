// Writes a JSON document whose one long array is written element by element,
// straight into the text: a filing of thousands of slips never holds them as
// JSON values.
#pragma once

#include "framework/jsonhelpers.h"

#include <functional>
#include <string>

class JsonSink;

// Writes the next element (one value, key nullptr) into `out` and answers
// true, or answers false, writing nothing, when there are no more.
using JsonElementSource = std::function<bool(JsonSink& out)>;

// Appends to `out` exactly what `doc.dump(indent)` would give (indent -1:
// compact) if the array at `where` in `doc` held the elements `next` writes;
// that array stays as it is in `doc` (normally empty). `expectedElements`,
// when known, lets the text be sized once from the first element's length.
// Throws json::out_of_range when `doc` has no `where`, std::invalid_argument
// when it is not an array.
void dumpWithStreamedArray(const json& doc, const json::json_pointer& where, const JsonElementSource& next,
                           size_t expectedElements, int indent, std::string& out);
