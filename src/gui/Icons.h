#pragma once
// The program's icons, drawn rather than shipped: the application icon and the toolbar's.
// Vector drawing keeps them sharp at any screen density.
#include <QIcon>

namespace Icons {

QIcon Application();
QIcon Customize();
QIcon PrintSetup();
QIcon PrintPreview();
QIcon Print();
QIcon About();

} // namespace Icons
