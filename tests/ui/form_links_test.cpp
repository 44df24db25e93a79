// The banner on the real window, and the controls that open web addresses.
#include "app_config.h"
#include "banner.h"
#include "form_fixture.h"
#include "widgets/banner_label.h"
#include "widgets/caption_label.h"

#include <QDesktopServices>
#include <QMessageBox>
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
    QString rotated(const QString& banner) {
        return QString::fromStdString(classifier::rotatedBanner(banner.toStdString()));
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

    // A link whose browser cannot start says so, with the address to open by hand. (The
    // offscreen platform starts no browser when no handler stands in for one.)
    void linkWithoutABrowserSaysSo() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
        QStringList said;
        const int boxes = answerMessages([&] { click(*form, "LAnimation"); },
                                         [&](QMessageBox& box) { said << box.text(); });
        QDesktopServices::setUrlHandler("https", &browser, "open");
        QDesktopServices::setUrlHandler("http", &browser, "open");
        QCOMPARE(boxes, 1);
        QCOMPARE(said[0],
                 QString::fromUtf8("مرورگر باز نشد؛ این نشانی را در مرورگر خود باز کنید:\n") +
                     QString::fromUtf8(classifier::config::kFirstAddress.data()));
    }

    void bannerStaysClickableOnEveryPanel() {
        for (const char* command : {"KewlButtons1", "KewlButtons2", "KewlButtons3"}) {
            click(*form, command);
            click(*form, "LAnimation");
        }
        QCOMPARE(browser.opened.size(), 3);
        auto* banner = qobject_cast<classifier::BannerLabel*>(control(*form, "LAnimation"));
        QVERIFY(banner->width() > banner->captionRect().width() + 2);
        QTest::mouseClick(banner, Qt::LeftButton, {},
                          banner->captionRect().topRight() + QPoint(2, 4));
        QCOMPARE(browser.opened.size(), 3); // beside the caption is not on it
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
            expected = rotated(expected);
        }
        QCOMPARE(caption(), expected);
        auto* banner = qobject_cast<classifier::BannerLabel*>(control(*form, "LAnimation"));
        QCOMPARE(banner->pos(), QPoint(88, 592));
        QVERIFY(banner->rect().contains(banner->captionRect())); // still room for its caption
    }

    void bannerRunsOnlyWhileTheWindowCanBeSeen() {
        auto* timer = form->findChild<QTimer*>("Timer1");
        form->hide();
        QVERIFY(!timer->isActive());
        form->show();
        QVERIFY(timer->isActive());
        form->setWindowState(Qt::WindowMinimized);
        QVERIFY(!timer->isActive());
        const QString stopped = caption();
        QTest::qWait(250);
        QCOMPARE(caption(), stopped);
        form->setWindowState(Qt::WindowNoState);
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(caption() != stopped, 2000);
        timer->stop();
        QCOMPARE(caption(), rotated(stopped)); // on from where it stopped
        ClassifierForm unseen;
        QVERIFY(!unseen.findChild<QTimer*>("Timer1")->isActive());
    }

    // The banner lays each caption out once and then only draws it: every step must look the way
    // a plain label with that caption looks in its place.
    void eachStepLooksLikeAPlainLabel() {
        auto* banner = qobject_cast<classifier::BannerLabel*>(control(*form, "LAnimation"));
        classifier::CaptionLabel plain(banner->parentWidget());
        plain.setFont(banner->font());
        plain.setPalette(banner->palette());
        plain.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        plain.move(banner->pos());
        const QRect strip(banner->pos(), QSize(banner->width() + 40, banner->height()));
        for (int step = 0; step < 80; ++step) {
            plain.setText(caption());
            plain.resize(plain.sizeHint());
            plain.hide();
            banner->show();
            const QImage drawn = form->grab(strip).toImage();
            banner->hide();
            plain.show();
            QCOMPARE(drawn, form->grab(strip).toImage());
            QCOMPARE(banner->captionRect().size(), plain.size());
            form->stepBanner();
        }
    }
};

QTEST_MAIN(FormLinksTest)
#include "form_links_test.moc"
