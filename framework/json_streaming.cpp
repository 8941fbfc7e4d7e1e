#include "framework/json_streaming.h"

#include "framework/json_sink.h"

#include <stdexcept>
#include <vector>

namespace {
struct StreamedArray {
    std::vector<std::string> path;  // the pointer's reference tokens
    const JsonElementSource& next;
    size_t expected;
};

void writeStreamed(JsonTextWriter& w, const char* key, const StreamedArray& streamed)
{
    w.begin(key, true);
    const size_t before = w.out().size();
    if (streamed.next(w) && streamed.expected > 1) {
        const size_t first = w.out().size() - before;
        w.out().reserve(w.out().size() + (first + 1) * (streamed.expected - 1) + 4096);
    }
    while (streamed.next(w)) {
    }
    w.end();
}

// Writes `value` through the writer while on the way to the streamed array,
// and hands every other value to the library's printer.
void writeOnPath(JsonTextWriter& w, const char* key, const json& value, const StreamedArray& streamed, size_t depth)
{
    if (depth == streamed.path.size()) {
        writeStreamed(w, key, streamed);
        return;
    }
    const std::string& token = streamed.path[depth];
    w.begin(key, value.is_array());
    if (value.is_object()) {
        for (const auto& [name, member] : value.get_ref<const json::object_t&>()) {
            if (name == token)
                writeOnPath(w, name.c_str(), member, streamed, depth + 1);
            else
                w.value(name.c_str(), member);
        }
    } else {
        const size_t index = std::stoul(token);
        for (size_t i = 0; i < value.size(); ++i) {
            if (i == index)
                writeOnPath(w, nullptr, value[i], streamed, depth + 1);
            else
                w.value(nullptr, value[i]);
        }
    }
    w.end();
}

std::vector<std::string> tokensOf(json::json_pointer where)
{
    std::vector<std::string> tokens;
    for (; !where.empty(); where = where.parent_pointer())
        tokens.insert(tokens.begin(), where.back());
    return tokens;
}
}  // namespace

void dumpWithStreamedArray(const json& doc, const json::json_pointer& where, const JsonElementSource& next,
                           size_t expectedElements, int indent, std::string& out)
{
    if (!doc.at(where).is_array())
        throw std::invalid_argument("the streamed value " + where.to_string() + " is not an array");
    JsonTextWriter writer(out, indent);
    writeOnPath(writer, nullptr, doc, StreamedArray{tokensOf(where), next, expectedElements}, 0);
}
