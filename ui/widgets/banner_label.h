#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QStaticText>
#include <QWidget>

namespace classifier {

// LAnimation: a one-line caption that scrolls and reports clicks on it. The banner's captions
// come round every few seconds, so each one is laid out once and only drawn after that.
class BannerLabel : public QWidget {
    Q_OBJECT
public:
    explicit BannerLabel(QWidget* parent);

    const QString& caption() const { return caption_; }
    // Sets the caption and paints it at once.
    void setCaption(const QString& caption);
    // The box that fits the caption, at the label's top-left corner: the part that shows the
    // caption and takes clicks. The label itself keeps room for the widest caption it has shown
    // (on the panel's colour), so that a step moves no geometry and repaints the label alone.
    QRect captionRect() const { return {QPoint(), sizeHint()}; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Shaped {
        QStaticText text;
        QSize size;     // the box that fits the caption
        QPointF origin; // where the text starts in that box
    };
    const Shaped& shaped(const QString& caption) const;
    void makeRoom();
    void pointAt(const QPoint& position);

    QString caption_;
    mutable QHash<QString, Shaped> shaped_;
    mutable qsizetype shapedCharacters_ = 0;
    QPoint mouse_;          // where the mouse was last seen over the label
    QElapsedTimer painted_; // since the label was last painted
    bool pressed_ = false;
};

} // namespace classifier
