#include "shell/TBackGr.h"

#include "shell/TTitelbild.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

TBackGr *BackGr = nullptr;

TBackGr::TBackGr(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("BackGround"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    FormCreate();
}

void TBackGr::FormCreate()
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, palette().color(QPalette::Window));
    setPalette(background);
    setGeometry(QApplication::primaryScreen()->geometry());
}

void TBackGr::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_titleShown) {
        m_titleShown = true;
        // Once the background stands, the title window comes modally in front of it.
        QTimer::singleShot(0, this, &TBackGr::FormActivate);
    }
}

void TBackGr::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    QApplication::quit();
}

void TBackGr::FormActivate()
{
    Titelbild->exec();
    close();
}
