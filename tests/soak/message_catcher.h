#pragma once

#include <QObject>
#include <QStringList>

// Answers every message box the moment it opens, as a user pressing OK would, and keeps what
// each one said. The boxes still open modally and run their own event loop.
class MessageCatcher : public QObject {
public:
    MessageCatcher();
    ~MessageCatcher() override;

    // The texts of the boxes that opened since the last call.
    QStringList take();
    // Boxes that opened without being modal.
    int modelessBoxes() const { return modeless_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList texts_;
    int modeless_ = 0;
};

// Drops the offscreen platform's warning that it cannot propagate size hints, which it gives
// for every message box, and passes every other message on.
void dropOffscreenSizeHintWarnings();
