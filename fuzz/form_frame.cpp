// Fuzz target: one form's stored data. The input is a line naming the form
// class as the return file does ("T3Ret", or "Slip_T3 1" with the creator's
// argument), then the bytes of one stored frame, whose checksum the target
// makes to match so that mutations reach the form. Loading must refuse bad
// data with a message and never crash; data that loads must store and load
// again to an equal form with identical bytes.
#include "fuzz/checksum_repair.h"
#include "fuzz/fuzz_checks.h"
#include "framework/datastream.h"
#include "host/form_catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {
std::string storedFrame(CTaxData_Form& form)
{
    MyDataStream out = MyDataStream::forStoring();
    form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out);
    return out.finish();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    if (newline == std::string_view::npos || newline > 64)
        return 0;
    const QString header = QString::fromLatin1(input.data(), int(newline));
    const QString name = header.section(QLatin1Char(' '), 0, 0);
    const FormClass* formClass = FormCatalogue::standard().find(name);
    if (!formClass)
        return 0;
    const int arg = header.section(QLatin1Char(' '), 1, 1).toInt();

    std::unique_ptr<CTaxData_Form> form = formClass->create(arg);
    const std::string frame = withRepairedFrame(std::string(input.substr(newline + 1)));
    MyDataStream in = MyDataStream::forLoading(frame);
    if (!in.ok())
        return 0;
    const int rc = form->Serialize(in.version(), CString(), in);
    FUZZ_CHECK((rc == 0) == in.ok(), "Serialize answers 0 exactly when the stream has no error");
    if (!in.ok()) {
        FUZZ_CHECK(!in.error().empty(), "a refused frame carries a message");
        return 0;
    }

    const std::string first = storedFrame(*form);
    std::unique_ptr<CTaxData_Form> again = formClass->create(arg);
    MyDataStream reread = MyDataStream::forLoading(first);
    FUZZ_CHECK(again->Serialize(reread.version(), CString(), reread) == 0 && reread.ok(),
               "a stored form loads again");
    FUZZ_CHECK(!(*again != *form), "the reloaded form equals the loaded one");
    FUZZ_CHECK(storedFrame(*again) == first, "storing the reloaded form gives the same bytes");
    return 0;
}
