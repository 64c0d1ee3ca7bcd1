#pragma once
// The correction dialog that shows the worked solution after a wrong answer, just below
// the answer field and in front of every other window.

#include <QDialog>

class QLabel;
class QPushButton;
struct CorrectionPlacement;

class TKorrektur : public QDialog
{
    Q_OBJECT
public:
    explicit TKorrektur(QWidget *parent = nullptr);

    QLabel *Hinweis;
    QLabel *Image1;
    QPushButton *OKButton;

    void showHint(const QString &text);
    int hintHeight() const;
    int hintRight() const;   // right end of the solution's longest line
    int buttonWidth() const;
    void place(const CorrectionPlacement &placement);
    void OKButtonClick();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void keepButtonClearOfHint();
    QSize m_outerSize{400, 200};
};

extern TKorrektur *Korrektur;
