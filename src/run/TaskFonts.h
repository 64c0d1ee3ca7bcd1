#pragma once
// The fonts the exercise window writes task texts in, and how wide a text comes out in
// them. Generators measure with TaskTextWidth through their context; the window sets the
// same fonts on its labels. Which text gets which font is left to the generators.

#include "core/Generation.h"

#include <QFont>

// The exercise window's own font, used where a task names no font.
inline const QString WindowFontFamily = QStringLiteral("MS Sans Serif");
inline constexpr int WindowFontSize = 8;

// The font of a text in anything but the "Symbol" family (see SymbolFontText for that).
QFont TaskFont(const FontSpec &fontSpec);

// Width in pixels of the widest line of a text (lines end at CarriageReturn), "Symbol"
// texts in that font's own byte values.
int TaskTextWidth(const QString &text, const FontSpec &fontSpec);
