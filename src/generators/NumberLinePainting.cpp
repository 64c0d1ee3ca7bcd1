#include "generators/NumberLinePainting.h"

#include "generators/NumberLine.h"
#include "run/types/KindCodes.h"

#include <QImage>
#include <QPainter>

void PaintNumberLineTask(QImage &drawing, const NumberLinePicture &picture, qint32 kind,
                         bool taskFailed, double layoutScale)
{
    {
        QPainter painter(&drawing);
        painter.fillRect(picture.clearedRect, QColor(192, 192, 192));
    }
    DrawNumberLine(drawing, picture.line, kind, taskFailed, layoutScale);
    if (picture.secondArrowOffset)
        DrawArrowAt(drawing, OffsetX(picture.line.pixelsPerUnit, *picture.secondArrowOffset));
}

void PaintNumberLineCorrection(QImage &drawing, const TNumberLine &line, qint32 kind,
                               double layoutScale)
{
    if (RedrawsNumberLine(kind))
        DrawNumberLine(drawing, line, kind, true, layoutScale);
}
