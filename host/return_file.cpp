#include "host/return_file.h"

#include "host/return_binary.h"
#include "host/return_error.h"
#include "host/return_json.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ReturnFormat returnFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("t3r"))
        return ReturnFormat::Binary;
    if (suffix == QLatin1String("json"))
        return ReturnFormat::Json;
    throw ReturnFileError(path + QStringLiteral(": unknown kind of return file (the name must end in .t3r or .json)"));
}

bool isReturnFilePath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("t3r") || suffix == QLatin1String("json");
}

TaxReturn loadReturn(const QString& path, const FormCatalogue& catalogue)
{
    const ReturnFormat format = returnFormatOf(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReturnFileError(path + QStringLiteral(": cannot open: ") + file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReturnFileError(path + QStringLiteral(": cannot read: ") + file.errorString());
    const std::string bytes(data.constData(), size_t(data.size()));
    return format == ReturnFormat::Binary ? returnFromBinary(bytes, path, catalogue)
                                          : returnFromJson(bytes, path, catalogue);
}

std::string returnToBytes(const TaxReturn& ret, ReturnFormat format, const FormCatalogue& catalogue)
{
    return format == ReturnFormat::Binary ? returnToBinary(ret, catalogue) : returnToJsonText(ret, catalogue);
}

void saveReturn(const QString& path, const TaxReturn& ret, const FormCatalogue& catalogue)
{
    const ReturnFormat format = returnFormatOf(path);
    std::string bytes;
    try {
        bytes = returnToBytes(ret, format, catalogue);
    } catch (const ReturnFileError& e) {
        throw ReturnFileError(path + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    writeFileAtomically(path, QByteArray(bytes.data(), int(bytes.size())));
}

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReturnFileError(path + QStringLiteral(": cannot save: ") + file.errorString());
    if (file.write(data) != data.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw ReturnFileError(path + QStringLiteral(": cannot save: ") + why);
    }
    if (!file.commit())
        throw ReturnFileError(path + QStringLiteral(": cannot save: ") + file.errorString());
}
