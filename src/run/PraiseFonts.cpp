#include "run/PraiseFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QRawFont>

#include <algorithm>

namespace {

bool isLetterFace(const QString &family)
{
    // Symbol and dingbat faces claim Latin too, but draw Greek letters or pictures for it.
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol);
}

bool hasEveryGlyph(const QString &family, const QString &word)
{
    // The face itself, not the fallback faces the toolkit would borrow a missing glyph from.
    const QRawFont face = QRawFont::fromFont(QFont(family), QFontDatabase::Latin);
    return std::all_of(word.cbegin(), word.cend(), [&face](QChar c) { return face.supportsCharacter(c); });
}

} // namespace

QStringList FamiliesThatCanWrite(const QString &word)
{
    // Asking every face takes a while; the words are few, and the installed faces do not
    // change while the program runs. Fonts are asked on the window's thread only.
    static QHash<QString, QStringList> known;
    if (const auto found = known.constFind(word); found != known.cend())
        return *found;
    QStringList families;
    for (const QString &family : QFontDatabase::families()) {
        if (isLetterFace(family) && hasEveryGlyph(family, word))
            families << family;
    }
    known.insert(word, families);
    return families;
}
