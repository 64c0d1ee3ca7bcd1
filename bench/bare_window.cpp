// An empty Qt Widgets window of the title window's size: what any such program pays
// before it shows anything.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(628, 400);
    window.show();
    return app.exec();
}
