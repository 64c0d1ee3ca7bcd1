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

void CreateExerciseWindows(TTitelbild *owner)
{
    Form2 = new TForm2(owner);
    Korrektur = new TKorrektur(Form2);
}

void CreateRunWindows(TTitelbild *title)
{
    CreateExerciseWindows(title);
    ConnectRunToTitle(Form2, title);
}
