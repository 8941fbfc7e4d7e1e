#include "framework/libfederal.h"

#include "framework/naics_builtin_table.h"

#include <QFile>
#include <QSet>
#include <cstring>

namespace {
int g_resourceReads = 0;

// The codes of the resource list, read on first use.
const QSet<QString>& resourceCodes()
{
    static const QSet<QString> codes = [] {
        QSet<QString> set;
        ++g_resourceReads;
        QFile file(QStringLiteral(":/misc/res/NAICS-2018.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return set;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            int n = 0;
            while (n < line.size() && line[n] >= '0' && line[n] <= '9')
                ++n;
            if (n > 0)
                set.insert(QString::fromLatin1(line.left(n)).toLower());
        }
        return set;
    }();
    return codes;
}
}  // namespace

int naicsResourceReadCount()
{
    return g_resourceReads;
}

bool CheckOldNAICS(const char* code)
{
    if (!code)
        return false;
    for (int i = 0; i < g_naicsBuiltinCount; ++i)
        if (std::strcmp(g_naicsBuiltinTable[i].code, code) == 0)
            return true;
    return false;
}

bool CheckNAICS(const CString& code)
{
    if (CheckOldNAICS(code.toUtf8().constData()))
        return true;
    const QSet<QString>& codes = resourceCodes();
    if (codes.isEmpty())
        return false;
    return codes.contains(code.toLower());
}

void toAmountString(double amount, QString& out)
{
    out = QStringLiteral("%1").arg(amount, 0, 'f', 2);
}
