#include "run/widgets/TVorleseKnopf.h"

#include "run/RunState.h"
#include "run/ProgramSpeech.h"
#include "voice/Speech.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int DesignSize = 28;
constexpr int DesignTop = 18;
constexpr int DesignRightMargin = 8;
constexpr int PictureSize = 64;

// Our loudspeaker: a box, its cone and two sound waves, in the window's dark ink.
QPixmap loudspeakerPicture()
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(QRectF(4, 22, 14, 20));
    const QPointF cone[] = {{18, 22}, {34, 8}, {34, 56}, {18, 42}};
    painter.drawPolygon(cone, 4);
    QPen wave(ink, 5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    for (const int radius : {11, 22}) {
        const QRectF around(36 - radius, 32 - radius, 2 * radius, 2 * radius);
        painter.drawArc(around, -45 * 16, 90 * 16);
    }
    return picture;
}

} // namespace

TVorleseKnopf::TVorleseKnopf(QWidget *taskBox) : QToolButton(taskBox)
{
    setObjectName(QStringLiteral("Vorlesen"));
    // Typing goes on while it speaks: a click leaves the focus in the answer field. The
    // keyboard and switch users reach it by Tab or by its shortcut.
    setFocusPolicy(Qt::TabFocus);
    setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
    setToolTip(QStringLiteral("Vorlesen (Alt+V)"));
    setAutoRaise(true);
    setIcon(QIcon(loudspeakerPicture()));
    hide();
    connect(this, &QToolButton::clicked, this, [this] { m_readAloud.readTask(); });
    // Ready only once the voice is known to speak, and grey again should its sound fail.
    connect(&ProgramSpeechNews(), &SpeechNews::readinessChanged, this, &TVorleseKnopf::showWhetherItCanSpeak);
}

void TVorleseKnopf::runEnded()
{
    hide();
    m_readAloud.fallSilent();
}

void TVorleseKnopf::windowClosed()
{
    m_readAloud.fallSilent();
}

void TVorleseKnopf::taskPosed(qint32 kind, const GeneratedTask &task)
{
    placeInCorner(currentRun().layoutScale);
    showWhetherItCanSpeak();
    show();
    raise();
    m_readAloud.taskPosed(kind, task);
}

void TVorleseKnopf::answerJudged(const QString &word)
{
    m_readAloud.answerJudged(word);
}

void TVorleseKnopf::correctionShown(qint32 kind, const QString &solutionText, const QString &mistakeNote)
{
    m_readAloud.correctionShown(kind, solutionText, mistakeNote);
}

void TVorleseKnopf::placeInCorner(double layoutScale)
{
    const int size = ScaledRound(DesignSize * layoutScale);
    setIconSize(QSize(size - 4, size - 4));
    setGeometry(parentWidget()->width() - size - DesignRightMargin, ScaledRound(DesignTop * layoutScale), size, size);
}

void TVorleseKnopf::showWhetherItCanSpeak()
{
    const QString reason = ProgramSpeech().unavailableReason();
    setEnabled(reason.isEmpty());
    setToolTip(reason.isEmpty() ? QStringLiteral("Aufgabe vorlesen") : reason);
}
