#pragma once
// Whole numbers typed by the child or written in the configuration: an optional sign and
// decimal digits, or hexadecimal digits behind "$", "x" or "0x".

#include <QString>
#include <optional>

// Empty when the text holds anything else or does not fit in 32 signed bits.
std::optional<qint32> TextToInteger(const QString &text);
