// Fuzz target: a whole binary return file (.t3r). Reading must refuse bad data
// with a ReturnFileError naming the file and never crash; a file that reads
// must write out and read back to the same bytes. Each input is also tried
// with its checksums repaired, so that mutations reach the forms' data.
#include "fuzz/checksum_repair.h"
#include "fuzz/fuzz_checks.h"
#include "host/return_binary.h"
#include "host/return_error.h"

#include <cstdint>
#include <string>

namespace {
void readAndRoundTrip(const std::string& bytes)
{
    const QString source = QStringLiteral("fuzz.t3r");
    TaxReturn ret;
    try {
        ret = returnFromBinary(bytes, source);
    } catch (const ReturnFileError& e) {
        FUZZ_CHECK(QString::fromStdString(e.what()).startsWith(source), "the message names the file");
        return;
    }
    const std::string written = returnToBinary(ret);
    const TaxReturn reread = returnFromBinary(written, source);
    FUZZ_CHECK(reread.size() == ret.size(), "the written return holds every form");
    for (int i = 0; i < ret.size(); ++i)
        FUZZ_CHECK(!(*reread.form(i) != *ret.form(i)), "each form reads back equal");
    FUZZ_CHECK(returnToBinary(reread) == written, "writing the reread return gives the same bytes");
}
}  // namespace

// The input as it is, then with its checksums made to match.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readAndRoundTrip(bytes);
    const std::string repaired = withRepairedChecksums(bytes);
    if (repaired != bytes)
        readAndRoundTrip(repaired);
    return 0;
}
