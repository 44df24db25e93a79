#pragma once

#include <QString>

// The texts the window shows beyond its design's captions: menus, the chart window and the
// messages of its commands. Each goes through Qt's translation, so that a translation file can
// give the window another language.
namespace classifier::texts {

QString copyResult();
QString copyResultExplained();
QString showOnChart();

QString savePng();
QString saveSvg();
QString copyImage();
QString saveChartTitle();
QString chartNotSaved();

// "The web browser could not be started; open this address in your browser:" and the address.
QString browserNotStarted(const QString& address);

} // namespace classifier::texts
