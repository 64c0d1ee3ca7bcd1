#include "run/widgets/TKorrektur.h"

#include "run/AnswerCheck.h"
#include "run/widgets/TWindowFrame.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>

TKorrektur *Korrektur = nullptr;

namespace {

constexpr int ButtonBottomGap = 9;   // the button keeps this distance to the bottom edge
constexpr int HintButtonGap = 8;

QFont boldHintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"), 12);
    font.setBold(true);
    return font;
}

QPixmap correctionPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/KorrekturBild")).render(&painter);
    return picture;
}

} // namespace

TKorrektur::TKorrektur(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Korrektur"));
    // Without a minimise button: a minimised correction would leave the exercise window
    // waiting for it with nothing on screen. The close box closes it as Escape does.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setGeometry(20, 20, 32, 32);
    Image1->setPixmap(correctionPicture());
    Hinweis = new QLabel(this);
    Hinweis->setFont(boldHintFont());
    Hinweis->move(79, 20);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setFont(boldHintFont());
    OKButton->setGeometry(65, 150, 90, 41);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TKorrektur::OKButtonClick);
}

void TKorrektur::showHint(const QString &text)
{
    Hinweis->setText(text);
    Hinweis->adjustSize();
}

int TKorrektur::hintHeight() const
{
    return Hinweis->height();
}

int TKorrektur::hintRight() const
{
    return Hinweis->geometry().right() + 1;
}

int TKorrektur::buttonWidth() const
{
    return OKButton->width();
}

void TKorrektur::place(const CorrectionPlacement &placement)
{
    m_outerSize = placement.dialog.size();
    SetOuterSize(this, m_outerSize);
    keepButtonClearOfHint();
    move(placement.dialog.topLeft());
    OKButton->move(placement.buttonLeft, OKButton->y());
}

void TKorrektur::keepButtonClearOfHint()
{
    // A tall title bar must not push the button onto the last line of the solution.
    const int needed = Hinweis->geometry().bottom() + HintButtonGap + OKButton->height() + ButtonBottomGap;
    if (height() < needed)
        setFixedHeight(needed);
}

void TKorrektur::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only now is the frame known that the outer size includes.
    SetOuterSize(this, m_outerSize);
    keepButtonClearOfHint();
}

void TKorrektur::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Some window managers offer to minimise any window, and take the exercise window
    // with it; the correction comes straight back, since the run waits for its "OK".
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
        });
}

void TKorrektur::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    OKButton->move(OKButton->x(), height() - ButtonBottomGap - OKButton->height());
}

void TKorrektur::OKButtonClick()
{
    accept();
}
