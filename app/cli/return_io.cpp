#include "return_io.h"

#include "cli.h"
#include "host/return_error.h"
#include "host/return_file.h"

TaxReturn openReturn(const QString& path)
{
    try {
        return loadReturn(path);
    } catch (const ReturnFileError& e) {
        throw InputError(QString::fromStdString(e.what()));
    }
}

void requireReturnFileName(const QString& path)
{
    if (!isReturnFilePath(path))
        throw UsageError(QStringLiteral("%1: the name of a return file must end in .t3r or .json").arg(path));
}

void writeReturn(const QString& path, const TaxReturn& ret)
{
    try {
        saveReturn(path, ret);
    } catch (const ReturnFileError& e) {
        throw InputError(QString::fromStdString(e.what()));
    }
}

const FormClass& formClassArgument(const QString& name)
{
    const FormClass* cls = FormCatalogue::standard().find(name);
    if (!cls)
        throw UsageError(QStringLiteral("unknown form class \"%1\" (see 'trustella forms')").arg(name));
    return *cls;
}
