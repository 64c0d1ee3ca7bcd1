#pragma once
// The optional screen-filling plain background behind the title window ("-bkg").

#include <QWidget>

class TBackGr : public QWidget
{
    Q_OBJECT
public:
    explicit TBackGr(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    bool m_titleShown = false;
};

extern TBackGr *BackGr;
