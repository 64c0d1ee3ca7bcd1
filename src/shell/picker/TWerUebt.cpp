#include "shell/picker/TWerUebt.h"

#include "core/ClassList.h"
#include "core/WindowColours.h"
#include "shell/picker/AnimalPainting.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QVBoxLayout>

TWerUebt *WerUebt = nullptr;

namespace {

// At the small layout: a button a child's finger hits, a picture large enough to know.
constexpr int ButtonHeight = 64;
constexpr int PictureSide = 52;
constexpr int NameColumns = 2;
const QSize SmallOuterSize(628, 560);
// The window leaves this much of the screen's height free for the panel and the frame.
constexpr int ScreenMargin = 40;

double scaleFor(int screenHeight)
{
    return screenHeight > 600 ? 1.28 : 1.0;
}

QFont scaledFont(double points, double scale, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points * scale);
    font.setBold(bold);
    return font;
}

} // namespace

TWerUebt::TWerUebt(const QStringList &names, int screenHeight, QWidget *parent) : QDialog(parent)
{
    const double scale = scaleFor(screenHeight);
    setWindowTitle(QStringLiteral("Wer übt?"));
    setObjectName(QStringLiteral("WerUebt"));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, Silver);
    setPalette(silver);
    setAutoFillBackground(true);

    auto *frame = new QVBoxLayout(this);
    auto *question = new QLabel(QStringLiteral("Wer übt?"), this);
    question->setFont(scaledFont(20, scale, true));
    question->setAlignment(Qt::AlignCenter);
    frame->addWidget(question);

    auto *buttons = new QWidget;
    auto *grid = new QGridLayout(buttons);
    grid->setSpacing(int(8 * scale));
    for (int i = 0; i < names.size(); ++i)
        grid->addWidget(nameButton(names.at(i), scale), i / NameColumns, i % NameColumns);
    grid->setRowStretch(int(names.size() + 1) / NameColumns + 1, 1);
    m_list = new QScrollArea(this);
    m_list->setObjectName(QStringLiteral("Namen"));
    m_list->setWidget(buttons);
    m_list->setWidgetResizable(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A finger on a touch screen drags the list.
    QScroller::grabGesture(m_list->viewport(), QScroller::TouchGesture);
    frame->addWidget(m_list, 1);

    auto *end = new QPushButton(QStringLiteral("&Ende"), this);
    end->setObjectName(QStringLiteral("Ende"));
    end->setFont(scaledFont(11, scale, false));
    end->setAutoDefault(false);
    connect(end, &QPushButton::clicked, this, &QDialog::close);
    frame->addWidget(end, 0, Qt::AlignRight);

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize wanted = SmallOuterSize * scale;
    resize(std::min(wanted.width(), available.width()), std::min(wanted.height(), available.height() - ScreenMargin));
    move(available.center() - rect().center());
}

QWidget *TWerUebt::nameButton(const QString &name, double scale)
{
    auto *button = new QPushButton(name);
    button->setObjectName(QStringLiteral("Kind"));
    const AnimalPicture picture = AnimalPictureOf(name);
    const int side = int(PictureSide * scale);
    button->setIcon(AnimalPixmap(picture, side, devicePixelRatioF()));
    button->setIconSize(QSize(side, side));
    button->setMinimumHeight(qRound(ButtonHeight * scale));
    button->setFont(scaledFont(16, scale, true));
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: %1px;").arg(int(6 * scale)));
    button->setAccessibleName(name);
    button->setAccessibleDescription(AnimalName(picture.animal));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, name] { emit picked(name); });
    return button;
}

void TWerUebt::keyPressEvent(QKeyEvent *event)
{
    // Escape would end the program from under a child's hand; only "Ende" or the close
    // box do.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
