// Fuzz target: a JSON return file. Reading must refuse bad documents with a
// ReturnFileError naming the file (never another exception, never a crash); a
// document that reads must write out and read back to the same text.
#include "fuzz/fuzz_checks.h"
#include "host/return_error.h"
#include "host/return_json.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const QString source = QStringLiteral("fuzz.json");
    TaxReturn ret;
    try {
        ret = returnFromJson(text, source);
    } catch (const ReturnFileError& e) {
        FUZZ_CHECK(QString::fromStdString(e.what()).startsWith(source), "the message names the file");
        return 0;
    }
    const std::string written = returnToJsonText(ret);
    const TaxReturn reread = returnFromJson(written, source);
    FUZZ_CHECK(reread.size() == ret.size(), "the written return holds every form");
    for (int i = 0; i < ret.size(); ++i)
        FUZZ_CHECK(!(*reread.form(i) != *ret.form(i)), "each form reads back equal");
    FUZZ_CHECK(returnToJsonText(reread) == written, "writing the reread return gives the same text");
    return 0;
}
