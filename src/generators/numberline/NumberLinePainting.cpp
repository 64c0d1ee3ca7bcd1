#include "generators/numberline/NumberLinePainting.h"

#include "generators/numberline/NumberLine.h"
#include "core/DigitGroups.h"
#include "core/WindowColours.h"

#include <QImage>
#include <QPainter>

void PaintNumberLineTask(QImage &drawing, const NumberLinePicture &picture, bool arrowShown,
                         bool taskFailed, double layoutScale)
{
    {
        QPainter painter(&drawing);
        painter.fillRect(picture.clearedRect, Silver);
    }
    DrawNumberLine(drawing, picture.line, arrowShown, taskFailed, layoutScale);
    if (picture.secondArrowOffset)
        DrawArrowAt(drawing, OffsetX(picture.line.pixelsPerUnit, *picture.secondArrowOffset));
}

void PaintNumberLineCorrection(QImage &drawing, const TNumberLine &line, bool arrowShown,
                               double layoutScale)
{
    DrawNumberLine(drawing, line, arrowShown, true, layoutScale);
}

void PaintPlaceOfNumber(QImage &drawing, const NumberLinePicture &picture)
{
    if (!picture.correctionOffset)
        return;
    const TNumberLine &line = picture.line;
    const qint32 offset = *picture.correctionOffset;
    const qint32 number = line.valueAt(offset);
    DrawPlaceOfNumber(drawing, OffsetX(line.pixelsPerUnit, offset), FormatGrouped(number));
}
