#include "generators/numberline/SymbolFont.h"

#include <QFontInfo>

namespace {

bool symbolFontInstalled()
{
    static const bool installed =
        QFontInfo(QFont(QStringLiteral("Symbol"))).family().contains(QLatin1String("Symbol"), Qt::CaseInsensitive);
    return installed;
}

} // namespace

SymbolText SymbolFontText(const QString &symbolBytes, int pointSize, bool bold)
{
    if (symbolFontInstalled()) {
        QFont font(QStringLiteral("Symbol"), pointSize);
        font.setBold(bold);
        return {font, symbolBytes};
    }
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return {font, SymbolFontUnicode(symbolBytes)};
}

QString SymbolFontUnicode(const QString &symbolBytes)
{
    QString text = symbolBytes;
    text.replace(QChar(0xAF), QChar(0x2193));
    text.replace(QChar(0xBB), QChar(0x2248));
    return text;
}
