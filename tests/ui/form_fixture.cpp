#include "form_fixture.h"

#include "catalogue.h"
#include "widgets/banner_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace form_fixture {

QWidget* control(classifier::ClassifierForm& form, const char* name) {
    QWidget* widget = form.findChild<QWidget*>(name);
    if (!widget && !form.panelsBuilt()) {
        form.panels();
        widget = form.findChild<QWidget*>(name);
    }
    if (!widget) {
        qFatal("no control %s", name);
    }
    return widget;
}

QString text(classifier::ClassifierForm& form, const char* name) {
    QWidget* widget = control(form, name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return box->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* banner = qobject_cast<classifier::BannerLabel*>(widget)) {
        return banner->caption();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    return {};
}

void write(classifier::ClassifierForm& form, const char* name, const QString& text) {
    qobject_cast<QLineEdit*>(control(form, name))->setText(text);
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
    form.findChild<QTimer*>(QString::fromUtf8(classifier::kBannerTimerName.data(),
                                              qsizetype(classifier::kBannerTimerName.size())))
        ->stop();
    if (!QTest::qWaitForWindowExposed(&form)) {
        qFatal("the form was not shown");
    }
}

QMenu* rightClickPanel(classifier::ClassifierForm& form) {
    QWidget* panel = control(form, "XPPanel1");
    const QPoint inPanel = panel->mapFrom(&form, QPoint(40, 300));
    QContextMenuEvent event(QContextMenuEvent::Mouse, inPanel, panel->mapToGlobal(inPanel));
    QApplication::sendEvent(panel, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QStringList visibleControls(classifier::ClassifierForm& form) {
    QStringList names;
    for (const classifier::ControlRow& row : classifier::catalogue()) {
        const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        if (control(form, name.toUtf8().constData())->isVisible()) {
            names << name;
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
