#pragma once
// The class list of a class that practises on one shared account: the children's names,
// kept in the class folder as a small text file, and the animal beside each name by which
// a child who cannot read yet finds her own.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The class list's file in the class folder. A log folder that holds it is a class on one
// account: bm asks "Wer übt?" and logs into the folder of the child who picked her name.
inline constexpr auto ClassListFileName = "klassenliste.txt";

// A name as it is kept: runs of blanks made one, none at the ends, composed umlauts (NFC),
// so "Özlem" typed in either Unicode form is one child.
QString NormalizedChildName(const QString &name);
// Whether a normalised name can name a child and her folder: 1 to 40 characters, no "/",
// no control character, not beginning with "." and not the class list's own name.
bool IsChildName(const QString &name);

// The names of a class list file (UTF-8; lines beginning with "#" and empty lines are
// comments): normalised, each once, in class-list order. Lines that name no child are
// left out, so a hand-edited list never leads a child into a wrong folder.
QStringList ParseClassList(const QByteArray &text);
// The file for `names`: a comment line, then one name per line in class-list order.
QByteArray ClassListText(const QStringList &names);
// Class-list order: alphabetical without regard to case, umlauts beside their vowels.
void SortAsClassList(QStringList &names);

// The picture beside a child's name: one of AnimalCount animals on one of
// BackgroundCount colours, always the same for the same name.
inline constexpr int AnimalCount = 12;
inline constexpr int BackgroundCount = 6;
struct AnimalPicture {
    int animal = 0;
    int background = 0;
};
AnimalPicture AnimalPictureOf(const QString &name);
