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

QString classifySheet();
QString sheetTitle();
QString method();
// The sheet window's choice of rules, and its two items.
QString rules();
QString windowRules();
QString standardRulesShort();
QString unifiedMethod();
QString aashtoMethod();
QString copyRows();
QString pasteCells();
QString removeRows();
QString sheetChart();
QString openSheet();
QString saveSheet();
QString sheetFiles();
// "The sheet could not be read:" or "... saved:" and why.
QString sheetNotRead(const QString& why);
QString sheetNotSaved(const QString& why);
// The caption of a result column the command names "symbol", "group_index", ...
QString resultColumn(const QString& name);
QString sheetHint();
// "The sheet's columns cannot be read:" and why.
QString columnsUnread(const QString& why);
// A column the sheet needs that its header lacks: the role, the headers found, some names the
// role is found under.
QString columnMissing(const QString& role, const QString& found, const QString& names);
// Two columns that both give one role.
QString columnTwice(const QString& role, const QString& first, const QString& second);

// "The web browser could not be started; open this address in your browser:" and the address.
QString browserNotStarted(const QString& address);

} // namespace classifier::texts
