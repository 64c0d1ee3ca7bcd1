#pragma once
// Small text functions shared by the whole program: numbers shown to the child in digit
// groups, and typed numbers (or configuration values) cleaned before they are compared.
// All are pure; none keeps state.

#include <QString>

QString FormatGrouped(qint32 n);
QString RemoveChars(const QString &s, const QString &set);   // set: the characters to drop
bool ContainsComma(const QString &s);
int MaxOf(int a, int b);
QString NormalizeNumberText(const QString &s);
