// How the program starts and how it looks to the desktop: name, version, icon, language, accessibility.
#pragma once

#include "language.h"

class QApplication;
class QIcon;

namespace conwave {

// The icon of both windows: a Mach cone on light cyan at 16, 32 and 48 px.
QIcon applicationIcon();

// The one start-up of the program, and of every program that measures or probes it, before its first window and
// for as long as it runs: name "Conwave", version "1.00", the desktop entry and the icon; Conwave's texts in the
// desktop's language (QLocale::system(): on Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG, elsewhere the system's
// settings), English where it has no translation; the accessible interfaces of its controls.
class StartUp {
public:
    explicit StartUp(QApplication &application);

    // The language installed: "de", "fr", "es", or "" for English.
    QString language() const { return m_translations.language(); }

private:
    Translations m_translations;
};

} // namespace conwave
