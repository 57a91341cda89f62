#pragma once
// The pictures that lie in the program folder: the window icon "\icon.ico", the
// About box logo "\logo.gif" and the product-name picture "\name.gif". A missing
// file gives an empty picture and is not reported.

#include <QIcon>
#include <QPixmap>

namespace dalto {

class Paths;

QIcon programIcon(const Paths& paths);
QPixmap programPicture(const Paths& paths, const QString& fileName);

} // namespace dalto
