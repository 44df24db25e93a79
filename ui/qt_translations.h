#pragma once

#include <QLocale>

class QCoreApplication;

namespace classifier {

// Installs Qt's own translations for the locale, so that the texts Qt draws itself (the
// message box's buttons, the text boxes' context menus) read in the desktop's language, and a
// right-to-left language lays them out right to left. False when Qt has none for the locale.
bool installQtTranslations(QCoreApplication& application,
                           const QLocale& locale = QLocale::system());

} // namespace classifier
