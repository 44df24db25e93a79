#pragma once

#include <QString>

// The credits that the About panel's two pictures carry.
namespace credits {
inline const QString programName = QStringLiteral("Soil Classifier");
inline const QString version = QStringLiteral("Version 1.0");
inline const QString projectName = QStringLiteral("The Soil Classifier Project");
// "Soil classification", written with the Arabic yeh and kaf like the window's captions.
inline const QString persianTitle = QString::fromUtf8("طبقه بندي خاك");
} // namespace credits
