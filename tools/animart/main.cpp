// animart: draws the 58 reward pictures and writes them as 16-colour bitmaps.
//
// The figures are drawn by the code in Figures*.cpp; names and sizes come from the
// program's own animation catalogue. To redraw the committed pictures after changing a
// figure:
//
//     cmake --build build --target regenerate-animations
//
// or by hand: build/tools/animart/animart resources [--sheet sheet.png]
// This rewrites resources/animations/NAME.bmp and resources/animations.qrc; with --sheet
// it also writes a contact sheet of all frames, twice enlarged, to look at.

#include "Figures.h"

#include "run/lernprog/Lernprog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>
#include <map>

namespace {

const std::map<QString, Figure> &figuresByFirstFrame()
{
    static const std::map<QString, Figure> figures = {
        {"DANCE_1", drawDancer},        {"PLANE_1", drawPlane},
        {"AUTO_1", drawCar},            {"LAMPE_1", drawLamp},
        {"V_1", drawVictoryHand},       {"DAUM_1", drawThumbUp},
        {"SHUTTLE_1", drawShuttle},     {"STIEFEL_1", drawBoot},
        {"ELE_1", drawElephant},        {"PIG_1", drawPig},
        {"BEE_1", drawBee},             {"HUND_QX1", drawSittingDog},
        {"HUND_QY1", drawBarkingDog},   {"HUND_QZ1", drawRunningDog},
        {"TOMATO_1", drawTomato},       {"HUHN_1", drawChicken},
        {"STEIN_1", drawStone},         {"BIKE_1", drawBike},
        {"RAK_1", drawRocket},          {"JOG_1", drawJogger},
        {"XQ_HASE1", drawSittingHare},  {"QY_HASE1", drawHoppingHare},
        {"QX_HASE1", drawRunningHare},  {"YQ_HASE1", drawCarrotHare},
        {"ZQ_HASE1", drawLopHare},      {"EI_1", drawEgg},
        {"PANDA_1", drawPanda},         {"PINGU_1", drawPenguin},
        {"JIB_1", drawJackInTheBox},
    };
    return figures;
}

QImage drawFrame(Figure figure, QSize size, int phase)
{
    QImage canvas(size, QImage::Format_RGB32);
    Sketch sketch(canvas);
    figure(sketch, phase);
    return canvas;
}

// All frames side by side in pairs, enlarged, on a frame of grey for each cell.
QImage contactSheet(const QList<QImage> &frames)
{
    constexpr int zoom = 2;
    constexpr int cell = 156 * zoom;
    constexpr int columns = 8;
    const int rows = int((frames.size() + columns - 1) / columns);
    QImage sheet(columns * cell, rows * cell, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    for (int i = 0; i < frames.size(); ++i) {
        const QImage &frame = frames[i];
        const QPoint corner((i % columns) * cell + 4, (i / columns) * cell + 4);
        painter.drawImage(QRect(corner, frame.size() * zoom), frame);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 && !(arguments.size() == 4 && arguments[2] == "--sheet")) {
        QTextStream(stderr) << "usage: animart RESOURCE_DIR [--sheet SHEET.png]\n";
        return 2;
    }
    const QDir resources(arguments[1]);
    resources.mkpath("animations");

    QList<QImage> written;
    QStringList names;
    for (const RewardAnimation &animation : RewardAnimations()) {
        const auto figure = figuresByFirstFrame().find(QString::fromLatin1(animation.frameA));
        if (figure == figuresByFirstFrame().end()) {
            QTextStream(stderr) << "no figure for " << animation.frameA << '\n';
            return 1;
        }
        const std::pair<const char *, QSize> frames[] = {{animation.frameA, animation.sizeA},
                                                         {animation.frameB, animation.sizeB}};
        for (int phase = 0; phase < 2; ++phase) {
            const QString name = QString::fromLatin1(frames[phase].first);
            const QString path = resources.filePath("animations/" + name + ".bmp");
            const QString error = writeBmp16(drawFrame(figure->second, frames[phase].second, phase), path);
            if (!error.isEmpty()) {
                QTextStream(stderr) << error << '\n';
                return 1;
            }
            names << name;
            written << QImage(path);
        }
    }

    QFile qrc(resources.filePath("animations.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/animations\">\n";
    for (const QString &name : names)
        list << "    <file alias=\"" << name << ".bmp\">animations/" << name << ".bmp</file>\n";
    list << "  </qresource>\n</RCC>\n";

    if (arguments.size() == 4 && !contactSheet(written).save(arguments[3]))
        return 1;
    return 0;
}
