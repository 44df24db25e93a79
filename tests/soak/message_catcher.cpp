#include "message_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <utility>

MessageCatcher::MessageCatcher() {
    qApp->installEventFilter(this);
}

MessageCatcher::~MessageCatcher() {
    qApp->removeEventFilter(this);
}

QStringList MessageCatcher::take() {
    return std::exchange(texts_, {});
}

bool MessageCatcher::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (event->type() != QEvent::Show || !box) {
        return false;
    }
    texts_ << box->text();
    if (!box->isModal()) {
        ++modeless_;
    }
    // Runs inside the box's own event loop, once it is waiting for the user.
    QMetaObject::invokeMethod(
        box,
        [box = QPointer<QMessageBox>(box)] {
            if (box && box->button(QMessageBox::Ok)) {
                box->button(QMessageBox::Ok)->click();
            } else if (box) {
                box->reject();
            }
        },
        Qt::QueuedConnection);
    return false;
}

namespace {

QtMessageHandler nextHandler = nullptr;

void skipSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (!message.contains("does not support propagateSizeHints")) {
        nextHandler(type, context, message);
    }
}

} // namespace

void dropOffscreenSizeHintWarnings() {
    if (!nextHandler) {
        nextHandler = qInstallMessageHandler(skipSizeHintWarnings);
    }
}
