// trustella java: the Java declarations of a form class, for a Java reader of
// the stored data.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
int run(const Invocation& args)
{
    const FormClass& cls = formClassArgument(args.arg(0));
    const auto form = cls.create(0);
    // The form writes its Java source to a file; print it from there.
    QTemporaryDir dir;
    const QByteArray className = cls.className.toLatin1();
    if (!dir.isValid() || form->WriteJavaFile(QFile::encodeName(dir.path()).constData(), className.constData(), true) != 0)
        throw InputError(QStringLiteral("cannot write the Java declarations of %1").arg(cls.className));
    QFile file(dir.filePath(cls.className + QStringLiteral(".java")));
    if (!file.open(QIODevice::ReadOnly))
        throw InputError(QStringLiteral("cannot read the Java declarations of %1").arg(cls.className));
    printOut(QString::fromUtf8(file.readAll()));
    return kExitOk;
}
}  // namespace

const Command javaCommand{
    "java",
    "print the Java declarations of a form class",
    "CLASS",
    "Prints the Java class that declares the fields of CLASS in registration order, for a Java reader of the "
    "stored form data.",
    {},
    1,
    1,
    &run,
};
