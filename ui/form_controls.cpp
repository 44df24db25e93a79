#include "form_controls.h"

#include "app_config.h"
#include "banner_label.h"
#include "classifier_form.h"
#include "control_factory.h"
#include "explained_results.h"
#include "look.h"
#include "qt_text.h"

#include "core/messages.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace classifier {
namespace {

// "The browser could not be opened; open this address in your browser:"
constexpr std::string_view kBrowserNotOpened =
    "مرورگر باز نشد؛ این نشانی را در مرورگر خود باز کنید:\n";

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

std::string FormControls::text(std::string_view control) const {
    QWidget* widget = form_.control(control);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return toStdString(box->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return toStdString(label->text());
    }
    if (auto* banner = qobject_cast<BannerLabel*>(widget)) {
        return toStdString(banner->caption());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return toStdString(button->text());
    }
    return {};
}

void FormControls::setText(std::string_view control, std::string_view text) {
    setControlText(form_.control(control), toQString(text));
}

void FormControls::setVisible(std::string_view control, bool visible) {
    if (QWidget* widget = form_.control(control)) {
        widget->setVisible(visible);
    }
}

void FormControls::showMessage(std::string_view prompt, int style) {
    QMessageBox box(iconFor(style), toQString(config::kAppTitle), toQString(prompt),
                    QMessageBox::Ok, &form_);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setFont(look::font(9.75, false));
    box.exec();
}

void FormControls::openAddress(std::string_view address) {
    if (!QDesktopServices::openUrl(QUrl(toQString(address)))) {
        showMessage(std::string(kBrowserNotOpened) + std::string(address), kWarningStyle);
    }
}

void FormControls::endProgram() {
    form_.endProgram();
}

NumberFormat FormControls::numberFormat() const {
    const QLocale locale = QLocale::system();
    return {toStdString(locale.decimalPoint()), toStdString(locale.groupSeparator())};
}

void FormControls::resultWritten(const UnifiedResult& result) {
    form_.results().record(result);
}

void FormControls::resultWritten(const AashtoResult& result) {
    form_.results().record(result);
}

} // namespace classifier
