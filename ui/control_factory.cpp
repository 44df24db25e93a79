#include "control_factory.h"

#include "caption_label.h"
#include "command_button.h"
#include "link_label.h"
#include "look.h"
#include "outline.h"
#include "xp_button.h"
#include "xp_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace classifier {
namespace {

using look::oleColour;

QString qText(const ControlRow& row) {
    return QString::fromStdString(row.text);
}

QRect placeOf(const ControlRow& row) {
    const Twips& t = row.place;
    if (row.kind == Kind::Line) {
        return {pixels(t.left), pixels(t.top), pixels(t.width - t.left), 1};
    }
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

QString boxStyleSheet(bool result) {
    const QString colour = result ? "color: #ff0000;" : "color: #000000;";
    return QString("QLineEdit { background-color: #ffe0c0; border: 1px solid #a58a72;"
                   " padding: 0px 2px; %1 selection-background-color: #800000;"
                   " selection-color: #ffffff; }"
                   "QLineEdit:focus { border: 1px solid #c00000; }"
                   "QLineEdit:disabled { %1 }")
        .arg(colour);
}

QWidget* createLabel(const ControlRow& row, QWidget* parent) {
    QLabel* label = row.style == Style::Banner ? new LinkLabel(parent) : new CaptionLabel(parent);
    label->setAlignment(look::alignmentFor(row.align) | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look::textColourFor(row.style));
    label->setPalette(palette);
    if (row.style != Style::Banner) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    return label;
}

QWidget* createTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    const bool result = row.style == Style::Result || row.style == Style::UnifiedResult;
    box->setAlignment(look::alignmentFor(row.align));
    box->setStyleSheet(boxStyleSheet(result));
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
    case Kind::Image: {
        auto* image = new QLabel(parent);
        image->setPixmap(QPixmap(QString::fromUtf8(row.picture.data(), row.picture.size())));
        return image;
    }
    case Kind::Label:
        return createLabel(row, parent);
    case Kind::TextBox:
        return createTextBox(row, parent);
    case Kind::CommandButton:
        return new CommandButton(coloursFor(row.style), parent);
    case Kind::XpButton:
        return new XpButton(coloursFor(row.style),
                            QPixmap(QString::fromUtf8(row.picture.data(), row.picture.size())),
                            parent);
    }
    return new QWidget(parent);
}

void setText(QWidget* widget, const QString& text) {
    if (auto* banner = qobject_cast<LinkLabel*>(widget)) {
        banner->setCaption(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(text);
        box->setCursorPosition(0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
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

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = createWidget(row, parent);
    widget->setObjectName(QString::fromUtf8(row.name.data(), row.name.size()));
    widget->setFont(look::fontFor(row.style));
    widget->setLayoutDirection(look::directionFor(row.style));
    widget->setGeometry(fittedPlace(row, widget));
    setText(widget, qText(row));
    widget->setVisible(row.visibleAtStart);
    return widget;
}

} // namespace classifier
