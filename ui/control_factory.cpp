#include "control_factory.h"

#include "look.h"
#include "qt_text.h"
#include "screen_reader_texts.h"
#include "widgets/banner_label.h"
#include "widgets/caption_label.h"
#include "widgets/command_button.h"
#include "widgets/outline.h"
#include "widgets/xp_button.h"
#include "widgets/xp_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace classifier {
namespace {

using look::oleColour;

// A picture of the About panel, decoded the first time the panel shows rather than at start.
class PictureLabel : public QLabel {
public:
    PictureLabel(QString path, QWidget* parent) : QLabel(parent), path_(std::move(path)) {}

protected:
    void showEvent(QShowEvent* event) override {
        if (!path_.isEmpty()) {
            setPixmap(QPixmap(std::exchange(path_, QString())));
        }
        QLabel::showEvent(event);
    }

private:
    QString path_;
};

QRect placeOf(const ControlRow& row) {
    const Twips& t = row.place;
    if (row.kind == Kind::Line) {
        return {pixels(t.left), pixels(t.top), pixels(t.width - t.left), 1};
    }
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

// A text box on the peach face with a thin brown border that turns red while it has the focus.
// Painted here rather than through a style sheet, which costs every box its own style object.
class BoxEdit : public QLineEdit {
public:
    BoxEdit(bool result, QWidget* parent) : QLineEdit(parent) {
        setFrame(false);
        setTextMargins(2, 0, 2, 0);
        QPalette palette = this->palette();
        const QColor text = result ? QColor(255, 0, 0) : QColor(0, 0, 0);
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, oleColour(look::kPeach));
            palette.setColor(group, QPalette::Text, text);
            palette.setColor(group, QPalette::Highlight, QColor(128, 0, 0));
            palette.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
        }
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        painter.setPen(hasFocus() ? QColor(192, 0, 0) : QColor(165, 138, 114));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The banner paints the panel's colour under its caption itself, so that each of its steps
// repaints the banner alone and not the panel and the frame beneath it as well.
QWidget* createBanner(const ControlRow& row, QWidget* parent) {
    auto* banner = new BannerLabel(parent);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::WindowText, look::textColourFor(row.style));
    palette.setColor(QPalette::Window, oleColour(look::kPeach));
    banner->setPalette(palette);
    banner->setAutoFillBackground(true);
    return banner;
}

QWidget* createLabel(const ControlRow& row, QWidget* parent) {
    if (row.style == Style::Banner) {
        return createBanner(row, parent);
    }
    auto* label = new CaptionLabel(parent);
    label->setAlignment(look::alignmentFor(row.align) | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look::textColourFor(row.style));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QWidget* createTextBox(const ControlRow& row, QWidget* parent) {
    const bool result = row.style == Style::Result || row.style == Style::UnifiedResult;
    auto* box = new BoxEdit(result, parent);
    box->setAlignment(look::alignmentFor(row.align));
    if (result) { // only the program writes a result box
        box->setEnabled(false);
        box->setFocusPolicy(Qt::NoFocus);
    }
    return box;
}

ButtonColours coloursFor(Style style) {
    if (style == Style::Xp) {
        return {oleColour(look::kWhite), oleColour(look::kWhite), oleColour(look::kBlack),
                oleColour(look::kBlue)};
    }
    return {oleColour(look::kButtonFace), oleColour(look::kButtonFace), oleColour(look::kBlack),
            oleColour(look::kBlack)};
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case Kind::Panel:
        return new XpPanel(oleColour(look::kPeach), parent);
    case Kind::Shape:
        return new Outline(Outline::Form::Rectangle, oleColour(look::kRed), parent);
    case Kind::Line:
        return new Outline(Outline::Form::Line, oleColour(look::kRed), parent);
    case Kind::Image:
        return new PictureLabel(toQString(row.picture), parent);
    case Kind::Label:
        return createLabel(row, parent);
    case Kind::TextBox:
        return createTextBox(row, parent);
    case Kind::CommandButton:
        return new CommandButton(coloursFor(row.style), parent);
    case Kind::XpButton:
        return new XpButton(coloursFor(row.style), toQString(row.picture), parent);
    }
    return new QWidget(parent);
}

// A label is never lower than one line of its font, so that no letter loses its tail.
QRect fittedPlace(const ControlRow& row, QWidget* widget) {
    QRect place = placeOf(row);
    if (row.kind == Kind::Label) {
        place.setHeight(std::max(place.height(), widget->fontMetrics().height()));
    }
    return place;
}

} // namespace

void setControlText(QWidget* widget, const QString& text) {
    if (auto* banner = qobject_cast<BannerLabel*>(widget)) {
        banner->setCaption(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(text);
        box->setCursorPosition(0); // a text longer than its box shows its start
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = createWidget(row, parent);
    widget->setObjectName(toQString(row.name));
    widget->setFont(look::fontFor(row.style));
    widget->setLayoutDirection(look::directionFor(row.style));
    widget->setGeometry(fittedPlace(row, widget));
    setControlText(widget, toQString(row.text));
    if (const std::string name = accessibleName(row); !name.empty()) {
        widget->setAccessibleName(toQString(name));
    }
    if (const std::string description = accessibleDescription(row); !description.empty()) {
        widget->setAccessibleDescription(toQString(description));
    }
    widget->setVisible(visibleAtStart(row));
    return widget;
}

} // namespace classifier
