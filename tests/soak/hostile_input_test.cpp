// Hostile texts pasted into every box each classify command reads: every click must end in
// exactly one warning or one complete result, the same one the commands give for those texts
// without a window, and never in a crash, a hang or a second box.
#include "calculation.h"
#include "message_catcher.h"
#include "qt_text.h"
#include "tests/ui/form_fixture.h"
#include "window_texts.h"

#include "core/aashto.h"
#include "core/number_text.h"
#include "core/unified.h"
#include "core/validation.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using classifier::ClassifierForm;
using classifier::toQString;
using namespace form_fixture;

namespace {

struct Hostile {
    const char* name;
    QString text;
};

QString units(std::initializer_list<char16_t> utf16) {
    return QString(reinterpret_cast<const QChar*>(utf16.begin()), qsizetype(utf16.size()));
}

const QList<Hostile>& hostileTexts() {
    constexpr qsizetype kMegabyte = 1 << 20;
    static const QList<Hostile> texts{
        {"1 MB of digits", QString(kMegabyte, '7')},
        {"1 MB of Persian digits", QString(kMegabyte / 2, QChar(0x06F9))},
        {"a number in 1 MB of blanks",
         QString(kMegabyte / 2, ' ') + "50" + QString(kMegabyte / 2, ' ')},
        {"1 MB of a right-to-left mark", QString(kMegabyte / 2, QChar(0x200F))},
        {"control characters", units({0x01, '5', 0x7F, 0x1B})},
        {"a tab", "\t5"},
        {"an embedded NUL", units({'5', 0, '0'})},
        {"a lone high surrogate", units({'5', 0xD800})},
        {"a lone low surrogate", units({0xDC00, '5'})},
        {"a reversed surrogate pair", units({0xDC00, 0xD83D, '1'})},
        {"an embedded newline", "12\n34"},
        {"pasted lines", "\r\n50\r\n"},
        {"right-to-left marks", units({0x200F, '5', '0', 0x200F})},
        {"a right-to-left embedding", units({0x202B, '1', '2', 0x202C})},
        {"Persian digits", units({0x06F3, 0x06F4, 0x066B, 0x06F5})},
        {"Arabic-Indic digits", units({0x0663, 0x0664, 0x066B, 0x0665})},
        {"mixed digits", units({0x06F3, '4'})},
        {"NaN", "NaN"},
        {"inf", "inf"},
        {"-Infinity", "-Infinity"},
        {"1e308", "1e308"},
        {"-1e308", "-1e308"},
        {"1e309", "1e309"},
        {"1e-320", "1e-320"},
        {"empty", ""},
    };
    return texts;
}

// What a click on Calculate should end in: a warning, or the texts of the result boxes and
// whether each note shows.
struct Expected {
    QString warning;
    QStringList results;
    QList<bool> notes;
};

struct Command {
    const char* panel;
    const char* calculate;
    QStringList reads;    // in the order of the method's fields
    QStringList results;  // boxes and hidden labels it writes
    QStringList notes;    // labels it shows or hides
    QStringList sample;   // a valid sample, box by box
    QStringList sentinel; // what stands in each result before a click
    // What the core makes of the texts of the boxes, as the window shows it.
    Expected (*expect)(ClassifierForm& form, const classifier::FieldTexts& texts,
                       const QStringList& sentinel);
};

QString letter(char c) {
    return QString(QChar(c));
}

Expected expectUnified(ClassifierForm& form, const classifier::FieldTexts& texts,
                       const QStringList& sentinel) {
    using namespace classifier;
    const Checked<UnifiedSample> checked = checkUnified(texts, form.numberFormat());
    if (!checked.sample()) {
        return {toQString(warningFor(checked.errors(), unifiedFields())), {}, {}};
    }
    const UnifiedSymbol symbol = classifyUnified(*checked.sample())->symbol;
    return {{},
            {toQString(symbol.text()), letter(symbol.type), letter(symbol.second),
             symbol.gradation ? letter(*symbol.gradation) : sentinel[3]},
            {}};
}

Expected expectAashto(ClassifierForm& form, const classifier::FieldTexts& texts,
                      const QStringList&) {
    using namespace classifier;
    const Checked<AashtoSample> checked = checkAashto(texts, form.numberFormat());
    if (!checked.sample()) {
        return {toQString(warningFor(checked.errors(), aashtoFields())), {}, {}};
    }
    const AashtoResult result = *classifyAashto(*checked.sample());
    const AashtoGroup* group = result.group();
    return {{},
            {toQString(group ? groupCaption(group->name) : kNoResult),
             toQString(group ? materialCaption(group->name) : kNoMaterial),
             toQString(soilTypeCaption(result)),
             toQString(indexText(*form.panels().aashto.groupIndex, result.shownIndex(),
                                 form.numberFormat()))},
            {result.zeroIndexNote(), result.negativeIndex()}};
}

const Command kUnified{"KewlButtons1",
                       "KewlButtons5",
                       {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7"},
                       {"Text5", "Label6", "Label7", "Label10"},
                       {},
                       {"8", "30", "40", "20", "2", "8"}, // needs Cc and Cu
                       {"?", "?", "?", "?"},
                       expectUnified};

const Command kAashto{"KewlButtons2",
                      "KewlButtons6",
                      {"E3", "e4", "e5", "e6", "e7"},
                      {"Text8", "Text9", "Text10", "Text11"},
                      {"Label20", "Label21"},
                      {"36", "30", "10", "51", "9"},
                      {"?", "?", "?", "?"},
                      expectAashto};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;
    MessageCatcher messages;
    QHash<QString, QString> pasted; // what each box was last given

    // Empties the box and pastes the text into it, as a user would; nothing to do if it holds
    // it already.
    void paste(const QString& box, const QString& text) {
        if (pasted.value(box, "\x01unknown") == text) {
            return;
        }
        auto* edit = qobject_cast<QLineEdit*>(control(*form, box.toUtf8()));
        QGuiApplication::clipboard()->setText(text);
        edit->setText({}); // unlike deleting a selection, keeps no undo step per character
        QTest::keySequence(edit, QKeySequence::Paste);
        pasted[box] = text;
    }

    // What the core makes of the texts the boxes hold now.
    Expected expected(const Command& command) {
        const std::span<const classifier::FieldRule> fields =
            command.reads.size() == 6 ? classifier::unifiedFields() : classifier::aashtoFields();
        std::vector<std::string> typed;
        for (const QString& box : command.reads) {
            typed.push_back(text(*form, box.toUtf8()).toStdString());
        }
        classifier::FieldTexts texts;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            texts.set(fields[i].field, typed[i]);
        }
        return command.expect(*form, texts, command.sentinel);
    }

    QStringList results(const Command& command) {
        QStringList texts;
        for (const QString& box : command.results) {
            texts << text(*form, box.toUtf8());
        }
        return texts;
    }

    // One click on Calculate; an empty text when it ended as it should.
    QString clickOnce(const Command& command) {
        for (qsizetype i = 0; i < command.results.size(); ++i) {
            QWidget* result = control(*form, command.results[i].toUtf8());
            if (auto* box = qobject_cast<QLineEdit*>(result)) {
                box->setText(command.sentinel[i]);
            } else {
                qobject_cast<QLabel*>(result)->setText(command.sentinel[i]);
            }
        }
        QList<bool> notesBefore;
        for (const QString& note : command.notes) {
            notesBefore << !control(*form, note.toUtf8())->isHidden();
        }
        const Expected expected = this->expected(command);
        click(*form, command.calculate);
        const QStringList said = messages.take();
        if (said.size() > 1 || QApplication::activeModalWidget()) {
            return QString("%1 boxes, one still open: %2")
                .arg(said.size())
                .arg(QApplication::activeModalWidget() != nullptr);
        }
        if (!said.isEmpty()) {
            const bool known = said[0] == qText(classifier::kRangeMessage) ||
                               said[0] == qText(classifier::kNumberMessage);
            if (!known || said[0] != expected.warning) {
                return "unexpected warning: " + said[0];
            }
            if (results(command) != command.sentinel) {
                return "a result was written beside the warning";
            }
            for (qsizetype i = 0; i < command.notes.size(); ++i) {
                if (!control(*form, command.notes[i].toUtf8())->isHidden() != notesBefore[i]) {
                    return "a note changed beside the warning";
                }
            }
            return {};
        }
        if (!expected.warning.isEmpty()) {
            return "no warning, expected " + expected.warning;
        }
        const QStringList written = results(command);
        if (written[0] == command.sentinel[0]) {
            return "neither a warning nor a result";
        }
        for (qsizetype i = 0; i < command.results.size(); ++i) {
            if (written[i] != expected.results[i]) {
                return QString("%1 shows %2").arg(command.results[i], written[i]);
            }
        }
        for (qsizetype i = 0; i < command.notes.size(); ++i) {
            if (!control(*form, command.notes[i].toUtf8())->isHidden() != expected.notes[i]) {
                return command.notes[i] + " shown or hidden wrongly";
            }
        }
        return {};
    }

    // Fills the boxes (a text per box) and clicks; fails the test with the texts it used.
    void fillAndClick(const Command& command, const QList<const Hostile*>& texts) {
        QStringList described;
        for (qsizetype i = 0; i < command.reads.size(); ++i) {
            const QString text = texts[i] ? texts[i]->text : command.sample[i];
            paste(command.reads[i], text);
            described << command.reads[i] + ": " + (texts[i] ? texts[i]->name : text);
        }
        const QString fault = clickOnce(command);
        QVERIFY2(fault.isEmpty(), qPrintable(described.join(", ") + " -> " + fault));
    }

    // Each hostile text in each box, with a valid sample in the boxes read before it (so the
    // command reaches it) and other hostile texts in the boxes after it.
    void eachTextInEachBox(const Command& command) {
        const QList<Hostile>& hostile = hostileTexts();
        for (qsizetype box = 0; box < command.reads.size(); ++box) {
            for (qsizetype t = 0; t < hostile.size(); ++t) {
                QList<const Hostile*> texts(command.reads.size(), nullptr);
                for (qsizetype later = box; later < command.reads.size(); ++later) {
                    texts[later] = &hostile[(t + later - box) % hostile.size()];
                }
                fillAndClick(command, texts);
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
        }
    }

    // Every pair of hostile texts in the command's last two boxes, after a valid sample. Of the
    // 1 MB texts one takes part: the others would add time, not cases.
    void everyPairInTheLastTwoBoxes(const Command& command) {
        QList<const Hostile*> hostile;
        for (const Hostile& text : hostileTexts()) {
            if (text.text.size() < 1000 || &text == &hostileTexts().front()) {
                hostile << &text;
            }
        }
        const qsizetype last = command.reads.size() - 1;
        for (const Hostile* first : hostile) {
            for (const Hostile* second : hostile) {
                QList<const Hostile*> texts(command.reads.size(), nullptr);
                texts[last - 1] = first;
                texts[last] = second;
                fillAndClick(command, texts);
                if (QTest::currentTestFailed()) {
                    return;
                }
            }
        }
    }

    void everyBoxTheSame(const Command& command) {
        for (const Hostile& hostile : hostileTexts()) {
            fillAndClick(command, QList<const Hostile*>(command.reads.size(), &hostile));
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }

private slots:
    void initTestCase() { dropOffscreenSizeHintWarnings(); }
    void init() {
        form = new ClassifierForm;
        showStill(*form);
        pasted.clear();
    }
    void cleanup() { delete form; }

    void unifiedEachTextInEachBox() {
        click(*form, kUnified.panel);
        eachTextInEachBox(kUnified);
    }
    void unifiedEveryPairOfCcAndCu() {
        click(*form, kUnified.panel);
        everyPairInTheLastTwoBoxes(kUnified);
    }
    void unifiedEveryBoxTheSame() {
        click(*form, kUnified.panel);
        everyBoxTheSame(kUnified);
    }
    void aashtoEachTextInEachBox() {
        click(*form, kAashto.panel);
        eachTextInEachBox(kAashto);
    }
    void aashtoEveryPairOfLiquidLimitAndPlasticity() {
        click(*form, kAashto.panel);
        everyPairInTheLastTwoBoxes(kAashto);
    }
    void aashtoEveryBoxTheSame() {
        click(*form, kAashto.panel);
        everyBoxTheSame(kAashto);
    }

    void longTextsAreCutToWhatTheBoxHolds() {
        click(*form, kUnified.panel);
        paste("Text1", hostileTexts()[0].text);
        const auto* box = qobject_cast<QLineEdit*>(control(*form, "Text1"));
        QCOMPARE(box->text().size(), qsizetype(box->maxLength()));
        QCOMPARE(messages.take(), QStringList{});
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
