#pragma once
// Numbers as the child types them (or as the configuration writes them), cleaned before
// they are compared: blanks, brackets, a leading plus and needless zeros dropped. All are
// pure; reading the value is IntegerText's.

#include <QString>

QString RemoveChars(const QString &s, const QString &set);   // set: the characters to drop
bool ContainsComma(const QString &s);
QString NormalizeNumberText(const QString &s);
