#include "shell/WindowWiring.h"

#include "run/widgets/TForm2.h"
#include "run/widgets/TKorrektur.h"
#include "shell/TTitelbild.h"

void ConnectRunToTitle(TForm2 *exercise, TTitelbild *title)
{
    QObject::connect(exercise, &TForm2::runOpens, title, &TTitelbild::hideDuringRun);
    QObject::connect(exercise, &TForm2::runClosed, title, [title](QPoint where) {
        title->move(where);
        title->show();
    });
}

void CreateRunWindows(TTitelbild *title)
{
    Form2 = new TForm2(title);
    ConnectRunToTitle(Form2, title);
    Korrektur = new TKorrektur(Form2);
}
