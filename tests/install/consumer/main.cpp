// Creates a knob from the installed library, sets it as a program would and
// draws it; ends with 0 only when the knob took the values and drew a picture.

#include <dialix/tavKnob.h>

#include <QApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tavKnob knob;
    knob.resize(96, 96);
    int changes = 0;
    QObject::connect(&knob, &tavKnob::Change, [&changes] { ++changes; });
    knob.setMaximum(20.0f);
    knob.setValue(12.5f);
    const QImage picture = knob.grab().toImage();
    const bool drawn = picture.size() == QSize(96, 96)
        && picture.pixelColor(48, 48) != picture.pixelColor(1, 1);
    std::printf("tavKnob Max %g Value %g, Change %d, drawn %s\n", knob.maximum(), knob.value(),
                changes, drawn ? "yes" : "no");
    return knob.value() == 12.5f && changes == 1 && drawn ? 0 : 1;
}
