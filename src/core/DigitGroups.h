#pragma once
// Numbers as the child sees them: digits in groups of three from the right, a blank
// between the groups ("1 000").

#include <QString>

QString FormatGrouped(qint32 n);
