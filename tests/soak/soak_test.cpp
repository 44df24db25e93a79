// A long session: a million banner steps and a hundred thousand classify clicks between panel
// switches, some of them refused, must neither fail nor grow the program's memory.
#include "banner.h"
#include "message_catcher.h"
#include "resident_memory.h"
#include "tests/ui/form_fixture.h"
#include "window_texts.h"

#include <QCoreApplication>
#include <QTest>

using classifier::ClassifierForm;
using namespace form_fixture;

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

#ifdef SOAK_UNDER_ADDRESS_SANITIZER
// The sanitizer holds freed memory back, so resident memory says nothing about growth there; a
// tenth of the session is enough to find bad accesses.
constexpr bool kCompareMemory = false;
constexpr int kScale = 10;
#else
constexpr bool kCompareMemory = true;
constexpr int kScale = 1;
#endif

constexpr int kClicks = 100'000 / kScale; // each followed by ten banner steps: a million in all
constexpr int kTicksPerClick = 10;
constexpr int kClicksPerPanel = 10; // then the other method's panel, now and then via About
constexpr int kClicksPerRefusal = 100;
constexpr int kSettledClicks = 10'000 / kScale;
constexpr long kAllowedGrowthKb = 1024;

struct Command {
    const char* panel;
    const char* calculate;
    const char* sieveBox; // a percentage box, to make a refused sample
};

const Command kCommands[] = {{"KewlButtons1", "KewlButtons5", "Text1"},
                             {"KewlButtons2", "KewlButtons6", "E3"}};

const QString kRangeMessage = QString::fromUtf8(classifier::kRangeMessage.data(),
                                                qsizetype(classifier::kRangeMessage.size()));

// The banner after that many steps, from the caption it started with.
QString bannerAfter(QString caption, long ticks) {
    constexpr long kFirstSteps = 6; // the first six characters scroll out for good
    const long period = caption.size() - kFirstSteps;
    const long steps = ticks <= kFirstSteps ? ticks : kFirstSteps + (ticks - kFirstSteps) % period;
    for (long i = 0; i < steps; ++i) {
        caption = QString::fromStdString(classifier::rotatedBanner(caption.toStdString()));
    }
    return caption;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;
    MessageCatcher messages;
    int refusals = 0;
    int results = 0;

    // One click on the current method's Calculate, after a panel switch every tenth click; every
    // hundredth sample is out of range and refused.
    void classifyOnce(int index) {
        const Command& command = kCommands[index / kClicksPerPanel % 2];
        if (index % kClicksPerPanel == 0) {
            if (index % (7 * kClicksPerPanel) == 0) {
                click(*form, "KewlButtons3");
            }
            click(*form, command.panel);
        }
        const bool refused = index % kClicksPerRefusal == kClicksPerRefusal / 2;
        const QString sieve = text(*form, command.sieveBox);
        if (refused) {
            write(*form, command.sieveBox, "101");
        }
        click(*form, command.calculate);
        const QStringList said = messages.take();
        if (refused) {
            write(*form, command.sieveBox, sieve);
            refusals += said == QStringList{kRangeMessage};
        } else {
            results += said.isEmpty();
        }
    }

    void run(int from, int to) {
        for (int index = from; index < to; ++index) {
            classifyOnce(index);
            for (int tick = 0; tick < kTicksPerClick; ++tick) {
                form->stepBanner();
            }
            if (index % 100 == 0) {
                QCoreApplication::processEvents(); // paint what changed
            }
        }
    }

private slots:
    void initTestCase() { dropOffscreenSizeHintWarnings(); }
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void longSessionKeepsItsMemory() {
        const QString banner = text(*form, "LAnimation");
        run(0, kSettledClicks);
        const long settledKb = residentKb();
        run(kSettledClicks, kClicks);
        const long finalKb = residentKb();
        qInfo("resident memory after %d clicks: %ld kB, after %d: %ld kB", kSettledClicks,
              settledKb, kClicks, finalKb);
        QCOMPARE(refusals, kClicks / kClicksPerRefusal);
        QCOMPARE(results, kClicks - kClicks / kClicksPerRefusal);
        QCOMPARE(messages.modelessBoxes(), 0);
        QCOMPARE(text(*form, "LAnimation"), bannerAfter(banner, long(kClicks) * kTicksPerClick));
        if (!kCompareMemory) {
            return;
        }
        QVERIFY2(finalKb - settledKb <= kAllowedGrowthKb,
                 qPrintable(QString("grew by %1 kB").arg(finalKb - settledKb)));
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
