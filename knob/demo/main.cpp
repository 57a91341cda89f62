// dialix-demo: try the tavKnob control outside the program.
#include "KnobDemoWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    KnobDemoWindow window;
    window.show();
    return app.exec();
}
