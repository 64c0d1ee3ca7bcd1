#include "shell/TInfoBox.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int PictureSize = 32;

} // namespace

TInfoBox::TInfoBox(const QString &text, QPoint corner, QWidget *parent) : QDialog(parent), m_corner(corner)
{
    setWindowTitle(QStringLiteral("Information"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(PictureSize, PictureSize));
    Text = new QLabel(this);
    Text->setTextFormat(Qt::PlainText);
    Text->setText(text);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, Qt::AlignTop);
    grid->addWidget(Text, 0, 1);
    grid->addWidget(OKButton, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    fitToScreen();
}

void TInfoBox::fitToScreen()
{
    // Only a line wider than the whole screen is broken; everything else keeps its line.
    const QScreen *shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const int room = shown->availableGeometry().width() - m_corner.x();
    const int beside = sizeHint().width() - Text->sizeHint().width();
    if (sizeHint().width() > room) {
        Text->setWordWrap(true);
        Text->setFixedWidth(room - beside);
    }
}

void TInfoBox::centreOver(const QWidget *window)
{
    const QSize size = sizeHint();
    m_corner = window->frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
}

void TInfoBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    move(m_corner);
}
