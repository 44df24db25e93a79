// Renders the window in the start state, on each panel and after each classification to PNG
// files (in the build tree, for a person to look at) and checks that no caption is cut off.
#include "catalogue.h"
#include "form_fixture.h"
#include "widgets/command_button.h"
#include "widgets/xp_button.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using classifier::ClassifierForm;
using namespace form_fixture;

namespace {

// Why the caption of a shown control does not fit it, or empty when it fits.
QString clipping(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const QRect inside = widget->contentsRect();
    if (auto* xp = qobject_cast<classifier::XpButton*>(widget)) {
        return widget->rect().contains(xp->captionRect()) ? QString() : "caption";
    }
    if (auto* button = qobject_cast<classifier::CommandButton*>(widget)) {
        const QRect needed = metrics.boundingRect(
            inside.adjusted(6, 3, -6, -3), Qt::AlignCenter | Qt::TextWordWrap, button->text());
        return inside.contains(needed) ? QString() : "caption";
    }
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        text = box->text();
    } else {
        return {};
    }
    if (metrics.horizontalAdvance(text) > inside.width()) {
        return QString("width %1 > %2").arg(metrics.horizontalAdvance(text)).arg(inside.width());
    }
    if (qobject_cast<QLabel*>(widget) && metrics.height() > inside.height()) {
        return QString("height %1 > %2").arg(metrics.height()).arg(inside.height());
    }
    return {};
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
    ClassifierForm* form = nullptr;
    QDir folder{SCREENSHOT_DIR};

    void save(const QString& name) {
        const QImage image = form->grab().toImage();
        QCOMPARE(image.size(), QSize(705, 623));
        QVERIFY(image.save(folder.filePath(name + ".png")));
    }

    void expectNothingClipped() {
        for (const classifier::ControlRow& row : classifier::catalogue()) {
            QWidget* widget = control(*form, std::string(row.name).c_str());
            if (widget->isVisible()) {
                QVERIFY2(clipping(widget).isEmpty(),
                         qPrintable(widget->objectName() + ": " + clipping(widget)));
            }
        }
    }

    void setTexts(const QStringList& pairs) {
        for (int i = 0; i + 1 < pairs.size(); i += 2) {
            setText(*form, pairs[i].toUtf8(), pairs[i + 1]);
        }
    }

private slots:
    void initTestCase() { QVERIFY(folder.mkpath(".")); }
    void init() {
        form = new ClassifierForm;
        showStill(*form);
    }
    void cleanup() { delete form; }

    void startState() {
        save("start");
        expectNothingClipped();
    }

    void unifiedPanel() {
        click(*form, "KewlButtons1");
        save("unified");
        expectNothingClipped();
        setTexts({"Text1", "8", "Text2", "30", "Text3", "40", "Text4", "20", "Text6", "2", "Text7",
                  "8"});
        click(*form, "KewlButtons5");
        save("unified-result");
        expectNothingClipped();
    }

    void aashtoPanel() {
        click(*form, "KewlButtons2");
        save("aashto");
        expectNothingClipped();
        setTexts({"E3", "15", "e4", "25", "e5", "40", "e6", "20", "e7", "3"});
        click(*form, "KewlButtons6"); // both notes show
        save("aashto-result");
        expectNothingClipped();
    }

    void aboutPanel() {
        click(*form, "KewlButtons3");
        save("about");
        expectNothingClipped();
    }

    void warning() {
        click(*form, "KewlButtons1");
        setText(*form, "Text1", "101");
        const int boxes = answerMessages(
            [&] { click(*form, "KewlButtons5"); },
            [&](QMessageBox& box) { box.grab().save(folder.filePath("warning.png")); });
        QCOMPARE(boxes, 1);
        QVERIFY(QFile::exists(folder.filePath("warning.png")));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
