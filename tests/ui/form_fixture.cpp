#include "form_fixture.h"

#include "catalogue.h"
#include "core/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace form_fixture {

QWidget* control(classifier::ClassifierForm& form, const char* name) {
    QWidget* widget = form.control(name);
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

QString text(classifier::ClassifierForm& form, const char* name) {
    control(form, name); // stops the test on a name the window does not have
    return QString::fromStdString(form.controls().text(name));
}

void setText(classifier::ClassifierForm& form, const char* name, const QString& text) {
    auto* box = qobject_cast<QLineEdit*>(control(form, name));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void click(classifier::ClassifierForm& form, const char* name) {
    QWidget* widget = control(form, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void showStill(classifier::ClassifierForm& form) {
    form.show();
    form.findChild<QTimer*>("Timer1")->stop();
    if (!QTest::qWaitForWindowExposed(&form)) {
        qFatal("the form was not shown");
    }
}

QStringList visibleControls(classifier::ClassifierForm& form) {
    QStringList names;
    for (const classifier::ControlRow& row : classifier::catalogue()) {
        if (form.control(row.name)->isVisible()) {
            names << QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        }
    }
    names.sort();
    return names;
}

int answerMessages(const std::function<void()>& action,
                   const std::function<void(QMessageBox&)>& inspect) {
    int count = 0;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        ++count;
        inspect(*box);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    });
    watcher.start();
    action();
    QTest::qWait(20);
    return count;
}

} // namespace form_fixture
