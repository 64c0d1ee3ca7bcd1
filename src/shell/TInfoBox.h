#pragma once
// The information box of the title window's "Info" menu: caption "Information", the
// information picture, the text, and one "OK". Lines break only where the text breaks them,
// so indented and short lines stay as written; the box is as wide as its longest line, at
// most as wide as the screen.

#include <QDialog>

class QLabel;
class QPushButton;

class TInfoBox : public QDialog
{
    Q_OBJECT
public:
    // text: lines separated by line feeds. corner: the box's top-left corner on screen.
    TInfoBox(const QString &text, QPoint corner, QWidget *parent = nullptr);

    // The box stands centred over `window` instead of at its corner.
    void centreOver(const QWidget *window);

    QLabel *Text;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fitToScreen();
    QPoint m_corner;
};
