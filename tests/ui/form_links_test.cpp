// The banner on the real window, and the controls that open web addresses.
#include "app_config.h"
#include "banner.h"
#include "form_fixture.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QUrl>

using classifier::ClassifierForm;
using namespace form_fixture;

// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

class FormLinksTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;
    Browser browser;

    QString caption() { return text(*form, "LAnimation"); }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            classifier::rotateBanner(form->controls());
        }
    }

private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler("https", &browser, "open");
        QDesktopServices::setUrlHandler("http", &browser, "open");
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }
    void init() {
        browser.opened.clear();
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void linksOpenTheirAddresses() {
        const QString first = QString::fromUtf8(classifier::config::kFirstAddress.data());
        const QString second = QString::fromUtf8(classifier::config::kSecondAddress.data());
        click(*form, "LAnimation");
        QCOMPARE(browser.opened, QStringList{first});
        click(*form, "KewlButtons3");
        click(*form, "XPButton1");
        click(*form, "XPButton2");
        QCOMPARE(browser.opened.size(), 1);
        click(*form, "XPButton3");
        click(*form, "XPButton4");
        click(*form, "XPButton4");
        QCOMPARE(browser.opened, (QStringList{first, first, second, second}));
    }

    void bannerStaysClickableOnEveryPanel() {
        for (const char* command : {"KewlButtons1", "KewlButtons2", "KewlButtons3"}) {
            click(*form, command);
            click(*form, "LAnimation");
        }
        QCOMPARE(browser.opened.size(), 3);
    }

    void bannerTicksMoveTheCaption() {
        const QString start = caption();
        QCOMPARE(start.size(), 79);
        tick(1);
        QCOMPARE(caption(), start.mid(1) + "-");
        tick(5);
        const QString afterSix = caption();
        QCOMPARE(afterSix, start.mid(6) + start.mid(6, 6));
        tick(73);
        QCOMPARE(caption(), afterSix);
        QVERIFY(caption() != start); // after 79 ticks
        auto* banner = qobject_cast<QLabel*>(control(*form, "LAnimation"));
        QCOMPARE(banner->size(), banner->sizeHint());
        QCOMPARE(banner->pos(), QPoint(88, 592));
    }

    void shortCaptionShrinksToNothing() {
        form->controls().setText("LAnimation", "abc");
        tick(2);
        QCOMPARE(caption(), QString("c"));
        tick(3);
        QCOMPARE(caption(), QString());
    }

    void timerDrivesTheBanner() {
        const QString start = caption();
        auto* timer = form->findChild<QTimer*>("Timer1");
        timer->start();
        QTRY_VERIFY_WITH_TIMEOUT(caption() != start, 2000);
        timer->stop();
        // Whatever number of ticks went by, the caption is the start caption moved on by them.
        QString expected = start;
        for (int ticks = 1; ticks < 100 && expected != caption(); ++ticks) {
            expected = QString::fromStdString(classifier::rotatedBanner(expected.toStdString()));
        }
        QCOMPARE(caption(), expected);
    }
};

QTEST_MAIN(FormLinksTest)
#include "form_links_test.moc"
