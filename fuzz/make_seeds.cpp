// Writes the seed corpus of the fuzz targets from the form catalogue:
//
//   fuzz_make_seeds fuzz/corpus
//
// form_frame/<Class>-empty and -filled: one frame of each class, at its
// defaults and with every field set; return_binary/ and return_json/: a return
// holding one filled form of every class, and an empty return. Sample returns
// are added to the corpus by converting them with `trustella convert`.
#include "framework/datastream.h"
#include "host/form_catalogue.h"
#include "host/return_file.h"

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The header line of a form_frame input: the JSON name, and the creator's argument where it takes one.
std::string frameHeader(const FormClass& cls, int arg)
{
    std::string line = cls.jsonName.toStdString();
    if (cls.creatorArg != CreatorArg::None)
        line += " " + std::to_string(arg);
    return line + "\n";
}

std::string storedFrame(CTaxData_Form& form)
{
    MyDataStream out = MyDataStream::forStoring();
    form.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out);
    return out.finish();
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-DIR\n", argv[0]);
        return 2;
    }
    const fs::path root(argv[1]);
    for (const char* dir : {"form_frame", "return_binary", "return_json"})
        fs::create_directories(root / dir);

    TaxReturn everyForm;
    for (const FormClass& cls : FormCatalogue::standard().classes()) {
        const int arg = cls.creatorArg == CreatorArg::None ? 0 : 1;
        auto empty = cls.create(arg);
        const std::string name = cls.jsonName.toStdString();
        writeFile(root / "form_frame" / (name + "-empty"), frameHeader(cls, arg) + storedFrame(*empty));
        auto filled = cls.create(arg);
        filled->FillTestPrintData();
        writeFile(root / "form_frame" / (name + "-filled"), frameHeader(cls, arg) + storedFrame(*filled));
        everyForm.add(std::move(filled));
    }
    const TaxReturn none;
    writeFile(root / "return_binary" / "every-form.t3r", returnToBytes(everyForm, ReturnFormat::Binary));
    writeFile(root / "return_binary" / "empty.t3r", returnToBytes(none, ReturnFormat::Binary));
    writeFile(root / "return_json" / "every-form.json", returnToBytes(everyForm, ReturnFormat::Json));
    writeFile(root / "return_json" / "empty.json", returnToBytes(none, ReturnFormat::Json));
    std::printf("%zu form classes\n", FormCatalogue::standard().classes().size());
    return 0;
}
