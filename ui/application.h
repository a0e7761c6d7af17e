// What the program is called and how it looks to the desktop: name, version, icon.
#pragma once

class QApplication;
class QIcon;

namespace conwave {

// The icon of both windows: a Mach cone on light cyan at 16, 32 and 48 px.
QIcon applicationIcon();

// Name "Conwave", version "1.00", the desktop entry and the icon.
void setUpApplication(QApplication &application);

} // namespace conwave
