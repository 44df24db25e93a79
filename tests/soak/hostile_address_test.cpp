// The web links hand their address to the desktop as one URL, never to a shell: quotes, blanks
// and shell punctuation stay inside the one address.
#include "message_catcher.h"
#include "tests/ui/form_fixture.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using classifier::ClassifierForm;
using namespace form_fixture;

// Stands in for the desktop's browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class HostileAddressTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;
    Browser browser;
    QTemporaryDir scratch;

private slots:
    void initTestCase() {
        dropOffscreenSizeHintWarnings();
        QVERIFY(scratch.isValid());
        for (const char* scheme : {"http", "https"}) {
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        }
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanupTestCase() {
        delete form;
        for (const char* scheme : {"http", "https"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    void init() { browser.opened.clear(); }

    void addressReachesTheBrowserWhole_data() {
        QTest::addColumn<QString>("address");
        const QString marker = scratch.filePath("shell-ran");
        QTest::newRow("blanks") << "https://soil.example/a b/c d.html";
        QTest::newRow("double quotes") << "https://soil.example/\"quoted\"?q=\"x\"";
        QTest::newRow("single quotes") << "https://soil.example/it's'";
        QTest::newRow("semicolon and command") << "https://soil.example/;touch " + marker;
        QTest::newRow("ampersands") << "https://soil.example/?a=1&&touch " + marker + "&b=2";
        QTest::newRow("command substitution") << "https://soil.example/$(touch " + marker + ")";
        QTest::newRow("backquotes") << "https://soil.example/`touch " + marker + "`";
        QTest::newRow("pipe and redirect") << "https://soil.example/|tee " + marker + ">x";
        QTest::newRow("quote breaking out")
            << "https://soil.example/\" ; touch " + marker + " ; \"";
        QTest::newRow("Persian path") << QString::fromUtf8("https://soil.example/خاك ريز");
    }
    void addressReachesTheBrowserWhole() {
        QFETCH(QString, address);
        form->openAddress(address.toStdString());
        QCOMPARE(browser.opened.size(), 1);
        const QUrl url = browser.opened[0];
        QCOMPARE(url, QUrl(address));
        // Every character is still there, each where it was.
        QCOMPARE(QUrl::fromPercentEncoding(url.toEncoded()), address);
        QVERIFY(!QFileInfo::exists(scratch.filePath("shell-ran")));
    }
};

QTEST_MAIN(HostileAddressTest)
#include "hostile_address_test.moc"
