// dalto-icon-sizes ICON OUTDIR SIZE...: writes the program's icon as
// OUTDIR/<SIZE>x<SIZE>/apps/dalto-panel.png for each size, the layout of an
// icon theme. The icon is drawn at 32 px; sizes that are whole multiples of it
// keep its pixels sharp, the others are smoothed.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>

namespace {

QImage scaledIcon(const QImage& icon, int size)
{
    const bool wholeMultiple = size > icon.width() && size % icon.width() == 0;
    return icon.scaled(size, size, Qt::IgnoreAspectRatio,
                       wholeMultiple ? Qt::FastTransformation : Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: dalto-icon-sizes ICON OUTDIR SIZE...\n");
        return 1;
    }
    QImageReader reader(arguments.at(1));
    const QImage icon = reader.read();
    if (icon.isNull() || icon.width() != icon.height()) {
        std::fprintf(stderr, "dalto-icon-sizes: cannot read a square icon from %s: %s\n",
                     qPrintable(arguments.at(1)), qPrintable(reader.errorString()));
        return 1;
    }
    for (const QString& sizeText : arguments.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2)).arg(size);
        const QString file = folder + QStringLiteral("/dalto-panel.png");
        if (!ok || size <= 0 || !QDir().mkpath(folder) || !scaledIcon(icon, size).save(file)) {
            std::fprintf(stderr, "dalto-icon-sizes: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
