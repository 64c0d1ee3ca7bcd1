#include "run/TaskFonts.h"

#include "generators/numberline/SymbolFont.h"

#include <QFontMetrics>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace {

// Widths remembered; a long session's number words are dropped now and then.
constexpr qsizetype KeptWidths = 1024;

int shapedWidth(const QString &text, const FontSpec &fontSpec)
{
    int widest = 0;
    for (const QString &line : text.split(CarriageReturn)) {
        if (fontSpec.family == QLatin1String("Symbol")) {
            const SymbolText symbol = SymbolFontText(line, fontSpec.pointSize, fontSpec.bold);
            widest = std::max(widest, QFontMetrics(symbol.font).horizontalAdvance(symbol.text));
        } else {
            widest = std::max(widest, QFontMetrics(TaskFont(fontSpec)).horizontalAdvance(line));
        }
    }
    return widest;
}

} // namespace

QFont TaskFont(const FontSpec &fontSpec)
{
    QFont chosen(fontSpec.family.isEmpty() ? WindowFontFamily : fontSpec.family,
                 fontSpec.pointSize > 0 ? fontSpec.pointSize : WindowFontSize);
    chosen.setBold(fontSpec.bold);
    return chosen;
}

int TaskTextWidth(const QString &text, const FontSpec &fontSpec)
{
    // Shaping a line costs microseconds, and every task measures the same instruction or
    // question again, often several times while a task is drawn anew. Fonts are measured
    // on the window's thread only.
    static QHash<QString, int> known;
    const QString key = fontSpec.family + QChar(0x1F) + QString::number(fontSpec.pointSize) + (fontSpec.bold ? u'b' : u'n')
                      + QChar(0x1F) + text;
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    if (known.size() >= KeptWidths)
        known.clear();
    const int width = shapedWidth(text, fontSpec);
    known.insert(key, width);
    return width;
}
