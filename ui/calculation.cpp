#include "calculation.h"

#include "qt_text.h"
#include "ui_texts.h"
#include "window_texts.h"

#include "core/number_text.h"
#include "core/persian_letters.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <string>

namespace classifier {
namespace {

constexpr int kIndexDigits = 15;

// The texts of the panel's boxes by the fields they hold; the fields the panel has no box for
// are missing.
template <class Panel>
FieldTexts typedTexts(const Panel& panel, std::array<std::string, kFieldCount>& typed) {
    FieldTexts texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (const QLineEdit* box = panel.box(static_cast<Quantity>(i))) {
            typed[i] = toStdString(box->text());
            texts.set(static_cast<Quantity>(i), typed[i]);
        }
    }
    return texts;
}

// A box by its caption, in the Persian letters of the program's own texts.
template <class Panel> QString captionOf(const Panel& panel, Quantity field) {
    const QLineEdit* box = panel.box(field);
    return box ? toQString(withPersianLetters(toStdString(box->accessibleName())))
               : toQString(symbolOf(field));
}

template <class Panel>
QString impossibleData(std::span<const FieldError> errors, const Panel& panel) {
    QStringList lines;
    for (const FieldError& error : errors) {
        if (!impossible(error)) {
            continue;
        }
        const QString box = captionOf(panel, error.field);
        const QString other = error.with ? captionOf(panel, *error.with) : QString();
        switch (error.problem) {
        case Problem::FinerPassesMore:
            lines << texts::finerPassesMore(box, other);
            break;
        case Problem::NumberBesideNonPlastic:
            lines << texts::numberBesideNonPlastic(box, other);
            break;
        case Problem::NotAbove0:
            lines << texts::notAboveZero(box);
            break;
        case Problem::Below1:
            lines << texts::belowOne(box);
            break;
        default: // the fields the panels have can be wrong no other way than below 0
            lines << texts::negativeValue(box);
            break;
        }
    }
    return lines.join('\n');
}

void writeText(QLineEdit* box, std::string_view text) {
    box->setText(toQString(text));
    box->setCursorPosition(0); // a text longer than its box shows its start
}

void writeLetter(QLabel* slot, char letter) {
    slot->setText(QString(QChar(letter)));
}

} // namespace

// The explanation on the box gives every digit.
std::string indexText(const QLineEdit& box, double index, const NumberFormat& format) {
    const int room = box.contentsRect().width() - box.fontMetrics().averageCharWidth();
    std::string text = formatNumber(index, format, kIndexDigits);
    for (int digits = kIndexDigits - 1;
         digits > 0 && box.fontMetrics().horizontalAdvance(toQString(text)) > room; --digits) {
        text = formatNumber(index, format, digits);
    }
    return text;
}

FieldReadings readFields(const UnifiedPanel& panel, const NumberFormat& format) {
    std::array<std::string, kFieldCount> typed;
    return readUnified(typedTexts(panel, typed), format);
}

FieldReadings readFields(const AashtoPanel& panel, const NumberFormat& format) {
    std::array<std::string, kFieldCount> typed;
    return readAashto(typedTexts(panel, typed), format);
}

QString impossibleDataWarning(std::span<const FieldError> errors, const UnifiedPanel& panel) {
    return impossibleData(errors, panel);
}

QString impossibleDataWarning(std::span<const FieldError> errors, const AashtoPanel& panel) {
    return impossibleData(errors, panel);
}

std::string_view warningFor(std::span<const FieldError> errors, std::span<const FieldRule> fields) {
    const auto bounded = [&](const FieldError& error) {
        return std::any_of(fields.begin(), fields.end(), [&](const FieldRule& rule) {
            return rule.field == error.field &&
                   (rule.accepts == Accepts::Percentage || rule.accepts == Accepts::NotNegative);
        });
    };
    return std::any_of(errors.begin(), errors.end(), bounded) ? kRangeMessage : kNumberMessage;
}

void showResult(const UnifiedPanel& panel, const UnifiedResult& result) {
    const UnifiedSymbol& symbol = result.symbol;
    writeLetter(panel.typeLetter, symbol.type);
    writeLetter(panel.secondLetter, symbol.second);
    if (symbol.gradation) {
        writeLetter(panel.gradationLetter, *symbol.gradation);
    }
    writeText(panel.symbol, symbol.text());
}

void showResult(const AashtoPanel& panel, const AashtoResult& result, const NumberFormat& format) {
    writeText(panel.groupIndex, indexText(*panel.groupIndex, result.shownIndex(), format));
    panel.negativeIndexNote->setVisible(result.negativeIndex());
    writeText(panel.soilType, soilTypeCaption(result));
    const AashtoGroup* group = result.group();
    writeText(panel.material, group ? materialCaption(group->name) : kNoMaterial);
    writeText(panel.group, group ? groupCaption(group->name) : kNoResult);
    panel.zeroIndexNote->setVisible(result.zeroIndexNote());
}

} // namespace classifier
