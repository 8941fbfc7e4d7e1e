#include "framework/json_sink.h"

#include <cstdio>
#include <stdexcept>

namespace {
void checkDepth(int depth, int max)
{
    if (depth >= max)
        throw std::length_error("JSON nested too deeply");
}
}  // namespace

json& JsonTreeSink::slot(const char* key)
{
    json& open = *m_open[m_depth];
    if (key)
        return open[key];
    open.push_back(nullptr);
    return open.back();
}

void JsonTreeSink::begin(const char* key, bool array)
{
    checkDepth(m_depth + 1, kMaxDepth);
    json& child = slot(key);
    child = array ? json::array() : json::object();
    m_open[++m_depth] = &child;
}

void JsonTreeSink::end()
{
    if (m_depth > 0)
        --m_depth;
}

JsonTextWriter::JsonTextWriter(std::string& out, int indent)
    : m_out(out), m_printer(nlohmann::detail::output_adapter<char, std::string>(out), ' '), m_pretty(indent >= 0),
      m_step(indent >= 0 ? unsigned(indent) : 0)
{
}

// The separator and indent before a container's next member, and its key:
// "{\n  \"key\": " when printing with an indent, "{\"key\":" without.
void JsonTextWriter::member(const char* key)
{
    if (m_depth == 0)
        return;  // the document's own value
    if (m_members[m_depth]++ > 0)
        m_out += ',';
    if (m_pretty) {
        m_out += '\n';
        m_out.append(indentOf(m_depth), ' ');
    }
    if (key) {
        quoted(key);
        m_out += m_pretty ? ": " : ":";
    }
}

// A string as the library prints it without ensure_ascii: '"', '\\' and the
// control characters escaped, everything else as it is, in runs. A text
// holding other than ASCII goes through the library, which also refuses
// invalid UTF-8.
void JsonTextWriter::quoted(std::string_view text)
{
    const size_t start = m_out.size();
    m_out += '"';
    size_t run = 0;  // where the characters not yet copied begin
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\')
            continue;
        if (c >= 0x80) {
            m_out.resize(start);
            m_printer.dump(json(std::string(text)), false, false, 0);
            return;
        }
        m_out.append(text.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\b': m_out += "\\b"; break;
        case '\t': m_out += "\\t"; break;
        case '\n': m_out += "\\n"; break;
        case '\f': m_out += "\\f"; break;
        case '\r': m_out += "\\r"; break;
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            m_out += escaped;
        }
        }
    }
    m_out.append(text.data() + run, text.size() - run);
    m_out += '"';
}

void JsonTextWriter::text(const char* key, std::string_view value)
{
    member(key);
    quoted(value);
}

void JsonTextWriter::value(const char* key, const json& value)
{
    member(key);
    m_printer.dump(value, m_pretty, false, m_step, indentOf(m_depth));
}

void JsonTextWriter::begin(const char* key, bool array)
{
    checkDepth(m_depth + 1, kMaxDepth);
    member(key);
    m_out += array ? '[' : '{';
    m_members[++m_depth] = 0;
    m_closers[m_depth] = array ? ']' : '}';
}

void JsonTextWriter::end()
{
    if (m_depth == 0)
        return;
    const bool empty = m_members[m_depth] == 0;
    const char closer = m_closers[m_depth--];
    if (m_pretty && !empty) {
        m_out += '\n';
        m_out.append(indentOf(m_depth), ' ');
    }
    m_out += closer;
}
