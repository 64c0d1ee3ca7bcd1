#pragma once
// The single-byte Windows-1252 code page of the files the program shares with its
// earlier Windows versions (result log, configuration). Implemented here because the
// toolkit's own converters do not promise it on every platform.

#include <QByteArray>
#include <QString>

QString DecodeCp1252(const QByteArray &bytes);
// The same into text, whose buffer is reused where it is not shared.
void DecodeCp1252Into(const QByteArray &bytes, QString &text);
// Characters outside the code page become "?".
QByteArray EncodeCp1252(const QString &text);
