#pragma once
// A task as the answer record writes it, for the recording its kind's descriptor names:
// the ray's labelled numbers, the words, the instruction and the number to round, the
// numeral, the sequence with its gap or the dot field. Pure; the run and the record ask here.

#include "core/Generation.h"
#include "kinds/Kinds.h"

// The task a generator made for a kind, as written into the answer record.
QString ShownTaskOf(const KindInfo &kind, const GeneratedTask &task);

// The number at a column of the ray, to the nearest unit: what a click there answers.
qint32 NumberAtColumn(const TNumberLine &line, qint32 column);

// The number a task asks for, in the task's own numbers (the place clicked on the ray
// becomes the number there).
qint32 AskedNumber(const KindInfo &kind, const GeneratedTask &task);
