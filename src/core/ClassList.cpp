#include "core/ClassList.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

constexpr int LongestName = 40;

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// FNV-1a over the name's UTF-8 bytes: fixed by the name alone, the same on every computer
// and in every version, unlike the toolkit's seeded hashes. Its low bits follow the last
// letters closely (many names end alike), so the bits are stirred before they pick.
quint32 stableHash(const QString &name)
{
    quint32 hash = 2166136261u;
    for (const char byte : name.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    hash ^= hash >> 16;
    hash *= 0x85ebca6bu;
    hash ^= hash >> 13;
    hash *= 0xc2b2ae35u;
    hash ^= hash >> 16;
    return hash;
}

} // namespace

QString NormalizedChildName(const QString &name)
{
    return name.simplified().normalized(QString::NormalizationForm_C);
}

bool IsChildName(const QString &name)
{
    return !name.isEmpty() && name.size() <= LongestName && name == NormalizedChildName(name)
        && !name.contains(QLatin1Char('/')) && !name.startsWith(QLatin1Char('.')) && !holdsControlCharacter(name)
        && name != QLatin1String(ClassListFileName);
}

QStringList ParseClassList(const QByteArray &text)
{
    QStringList names;
    for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QString name = NormalizedChildName(line);
        if (name.startsWith(QLatin1Char('#')) || !IsChildName(name) || names.contains(name))
            continue;
        names.append(name);
    }
    SortAsClassList(names);
    return names;
}

QByteArray ClassListText(const QStringList &names)
{
    QStringList sorted = names;
    SortAsClassList(sorted);
    QByteArray text = "# Brimbelo: die Kinder dieser Klasse, ein Name je Zeile\n";
    for (const QString &name : sorted)
        text += name.toUtf8() + '\n';
    return text;
}

void SortAsClassList(QStringList &names)
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

AnimalPicture AnimalPictureOf(const QString &name)
{
    const quint32 hash = stableHash(NormalizedChildName(name));
    return {static_cast<int>(hash % AnimalCount), static_cast<int>((hash / AnimalCount) % BackgroundCount)};
}
