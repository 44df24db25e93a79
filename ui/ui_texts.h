#pragma once

#include <QString>

// The texts the window shows beyond its design's captions: menus, the chart window and the
// messages of its commands. Each goes through Qt's translation, so that a translation file can
// give the window another language.
namespace classifier::texts {

QString copyResult();
QString copyResultExplained();
QString showOnChart();
// The checkable menu item that turns the standards' rules on.
QString standardRules();

// The first line of a result's tooltip and copied text: which rules gave the answer.
QString answerByWindowRules();
QString answerByUnifiedStandard();
QString answerByAashtoStandard();

// The warnings of the standards' rules for data no sample can have, naming the boxes by their
// captions.
QString finerPassesMore(const QString& finer, const QString& coarser);
QString negativeValue(const QString& box);
QString notAboveZero(const QString& box);
QString belowOne(const QString& box);
QString numberBesideNonPlastic(const QString& box, const QString& nonPlasticBox);

QString savePng();
QString saveSvg();
QString copyImage();
QString saveChartTitle();
QString chartNotSaved();

// "The web browser could not be started; open this address in your browser:" and the address.
QString browserNotStarted(const QString& address);

} // namespace classifier::texts
