// The window as it opens: what shows, where, in which font, alignment and reading order.
#include "app_config.h"
#include "form_fixture.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

using classifier::ClassifierForm;
using namespace form_fixture;

class FormStartTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;

private slots:
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void onlyTheFramesTitleCommandsAndBannerShow() {
        const QStringList expected{"KewlButtons1", "KewlButtons2", "KewlButtons3", "KewlButtons4",
                                   "LAnimation",   "Label100",     "Shape1",       "Shape2",
                                   "Shape3",       "Shape4",       "Shape5",       "XPPanel1"};
        QCOMPARE(visibleControls(*form), expected);
    }

    void windowIsFixedCentredAndTitled() {
        QCOMPARE(form->size(), QSize(705, 623));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        const QString title = QString::fromUtf8(classifier::config::kAppTitle.data());
        QCOMPARE(title.size(), 37);
        QCOMPARE(form->windowTitle(), " " + title);
        QCOMPARE(text(*form, "Label100"), " " + title);
        const QPoint screenCentre = form->screen()->availableGeometry().center();
        QVERIFY((form->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(!form->windowIcon().pixmap(16).toImage().isNull());
        QCOMPARE(form->windowIcon().pixmap(64).size(), QSize(64, 64));
        auto* timer = form->findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 100);
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        // Twips of the window's design divided by 15.
        QTest::newRow("XPPanel1") << "XPPanel1" << QRect(0, -2, 719, 625);
        QTest::newRow("Label100") << "Label100" << QRect(8, 13, 537, 33);
        QTest::newRow("KewlButtons4") << "KewlButtons4" << QRect(560, 456, 129, 113);
        QTest::newRow("Text1") << "Text1" << QRect(312, 96, 113, 25);
        QTest::newRow("KewlButtons5") << "KewlButtons5" << QRect(200, 352, 161, 49);
        QTest::newRow("Text5") << "Text5" << QRect(264, 488, 153, 26);
        QTest::newRow("Label15") << "Label15" << QRect(88, 98, 265, 33);
        QTest::newRow("e4") << "e4" << QRect(312, 137, 113, 25);
        QTest::newRow("Line2") << "Line2" << QRect(24, 368, 504, 1);
        QTest::newRow("Label21") << "Label21" << QRect(40, 536, 225, 17);
        QTest::newRow("Image2") << "Image2" << QRect(48, 264, 142, 300);
        QTest::newRow("XPButton4") << "XPButton4" << QRect(232, 472, 257, 57);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QCOMPARE(control(*form, name.toUtf8())->geometry(), place);
    }

    void initialTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const std::pair<const char*, const char*> texts[] = {
            {"KewlButtons1", "نام گذاري به شيوه يونيفايد ( Unified )"},
            {"KewlButtons4", "خروج"},
            {"Label1", "در صد عبوري از الك 200  :"},
            {"Text6", "1.06"},
            {"Label13", "در صد عبوري از الك10   :"},
            {"Text9", "--------------------------------"},
            {"Label19", " G . I  (نشانه گروه )   :"},
            {"Label20", "نشانه گروه اين نوع خاك برابر صفر است ."},
            {"Text5", "-----------------------"},
            {"Label6", ""},
        };
        for (const auto& [name, expected] : texts) {
            QTest::newRow(name) << name << QString::fromUtf8(expected);
        }
    }
    void initialTexts() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(text(*form, name.toUtf8()), expected);
    }

    void styles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("direction");
        const int left = Qt::AlignLeft | Qt::AlignAbsolute;
        const int right = Qt::AlignRight | Qt::AlignAbsolute;
        const int centre = Qt::AlignHCenter;
        const int ltr = Qt::LeftToRight;
        const int rtl = Qt::RightToLeft;
        QTest::newRow("title") << "Label100" << 12.0 << true << centre << ltr;
        QTest::newRow("field label") << "Label1" << 12.0 << true << right << ltr;
        QTest::newRow("field label, left") << "Label15" << 12.0 << true << left << ltr;
        QTest::newRow("about label") << "Label26" << 12.0 << false << right << rtl;
        QTest::newRow("about label, ltr") << "Label29" << 12.0 << false << right << ltr;
        QTest::newRow("note") << "Label21" << 8.25 << false << centre << rtl;
        QTest::newRow("banner") << "LAnimation" << 8.25 << true << centre << ltr;
        QTest::newRow("input box") << "E3" << 12.0 << true << centre << rtl;
        QTest::newRow("result box") << "Text10" << 9.75 << true << centre << rtl;
        QTest::newRow("Unified result") << "Text5" << 12.0 << true << centre << ltr;
        QTest::newRow("side button") << "KewlButtons2" << 9.0 << true << -1 << rtl;
        QTest::newRow("calculate button") << "KewlButtons6" << 12.0 << true << -1 << rtl;
        QTest::newRow("XP button") << "XPButton2" << 9.75 << true << -1 << ltr;
    }
    void styles() {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, horizontal);
        QFETCH(int, direction);
        QWidget* widget = control(*form, name.toUtf8());
        QCOMPARE(widget->font().pixelSize(), qRound(points * 96 / 72)); // points at 96 dpi
        QCOMPARE(widget->font().bold(), bold);
        QVERIFY(widget->font().families().contains("Noto Sans Arabic UI"));
        QCOMPARE(int(widget->layoutDirection()), direction);
        const int mask = Qt::AlignHorizontal_Mask | Qt::AlignAbsolute;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(int(label->alignment() & mask), horizontal);
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(int(box->alignment() & mask), horizontal);
        }
    }

    // The colon of a caption stands where the caption's own reading order puts it: at the right
    // end of a left-to-right field label (next to its box), at the left end of a right-to-left
    // about label. Qt would read every Persian caption right to left if left to guess.
    void captionsReadInTheirOwnDirection_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("colonOnTheRight");
        QTest::newRow("Label1") << "Label1" << true;
        QTest::newRow("Label5") << "Label5" << true;
        QTest::newRow("Label19") << "Label19" << true;
        QTest::newRow("Label26") << "Label26" << false;
        QTest::newRow("Label32") << "Label32" << false;
    }
    void captionsReadInTheirOwnDirection() {
        QFETCH(QString, name);
        QFETCH(bool, colonOnTheRight);
        QWidget* label = control(*form, name.toUtf8());
        QImage image(label->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label->render(&image, {}, {}, QWidget::DrawChildren);
        QList<int> inked; // columns with ink, from the colon's side inwards
        for (int i = 0; i < image.width(); ++i) {
            const int x = colonOnTheRight ? image.width() - 1 - i : i;
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    inked << i;
                    break;
                }
            }
        }
        QVERIFY(inked.size() > 10);
        int mark = 1; // columns of the first mark met
        while (mark < inked.size() && inked[mark] == inked[mark - 1] + 1) {
            ++mark;
        }
        QVERIFY2(mark <= 5, "the outermost mark is wider than a colon");
        QVERIFY2(inked[mark] - inked[mark - 1] > 6, "no blanks between the colon and the words");
    }

    void coloursOfTheStyles() {
        auto colour = [&](const char* name, QPalette::ColorRole role) {
            QWidget* widget = control(*form, name);
            widget->ensurePolished();
            return widget->palette().color(
                widget->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
        };
        QCOMPARE(colour("Label26", QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(colour("Label20", QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(colour("LAnimation", QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(colour("Text10", QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(colour("Text5", QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(colour("Text1", QPalette::Base), QColor(255, 224, 192));
        QCOMPARE(form->grab().toImage().pixelColor(3, 300), QColor(255, 224, 192));
        QCOMPARE(form->grab().toImage().pixelColor(8, 300), QColor(255, 0, 0)); // Shape1
    }

    void resultBoxesTakeNoFocusAndNoTyping() {
        click(*form, "KewlButtons2");
        for (const char* name : {"Text8", "Text9", "Text10", "Text11"}) {
            auto* box = qobject_cast<QLineEdit*>(control(*form, name));
            QVERIFY(box->isVisible());
            const QString before = box->text();
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClicks(box, "12");
            QVERIFY(!box->hasFocus());
            QCOMPARE(box->text(), before);
        }
    }
};

QTEST_MAIN(FormStartTest)
#include "form_start_test.moc"
