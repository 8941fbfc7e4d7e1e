// The two JSON sinks (framework/jsonhelpers.h): a JSON value (JsonTreeSink),
// or the document's text itself (JsonTextWriter), so a filing of thousands of
// slips is printed without building them all as values.
#pragma once

#include "framework/jsonhelpers.h"

#include <string>
#include <string_view>

// Fills a JSON value: its members are set (or replaced) as with obj[key] = value.
class JsonTreeSink final : public JsonSink {
public:
    explicit JsonTreeSink(json& target) { m_open[0] = &target; }
    void text(const char* key, std::string_view value) override { slot(key) = std::string(value); }
    void integer(const char* key, long long value) override { slot(key) = value; }
    void number(const char* key, double value) override { slot(key) = value; }
    void begin(const char* key, bool array = false) override;
    void end() override;

private:
    json& slot(const char* key);
    static constexpr int kMaxDepth = 32;
    json* m_open[kMaxDepth] = {};
    int m_depth = 0;
};

// Appends the text the JSON library's dump(indent) prints for the same calls
// (indent -1: compact), byte for byte.
class JsonTextWriter final : public JsonSink {
public:
    JsonTextWriter(std::string& out, int indent);
    void text(const char* key, std::string_view value) override;
    void integer(const char* key, long long n) override { value(key, json(n)); }
    void number(const char* key, double x) override { value(key, json(x)); }
    void begin(const char* key, bool array = false) override;
    void end() override;
    // Any value, printed by the library's own printer.
    void value(const char* key, const json& any);
    std::string& out() { return m_out; }

private:
    void member(const char* key);
    void quoted(std::string_view text);
    unsigned indentOf(int depth) const { return unsigned(depth) * m_step; }

    std::string& m_out;
    nlohmann::detail::serializer<json> m_printer;
    bool m_pretty;
    unsigned m_step;
    static constexpr int kMaxDepth = 32;
    int m_members[kMaxDepth] = {};  // members written so far in each open container
    char m_closers[kMaxDepth] = {};
    int m_depth = 0;
};
