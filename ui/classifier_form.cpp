#include "classifier_form.h"

#include "app_config.h"
#include "banner.h"
#include "calculation.h"
#include "captions.h"
#include "catalogue.h"
#include "control_factory.h"
#include "explained_results.h"
#include "look.h"
#include "qt_text.h"
#include "result_actions.h"
#include "sheet_window.h"
#include "ui_texts.h"
#include "widgets/banner_label.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <type_traits>
#include <utility>

// The pictures are compiled into the static ui library; register them once, before first use.
static void initPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace classifier {
namespace {

constexpr int kBannerInterval = 100; // milliseconds

// The window icon's images up to 64 pixels, the sizes title bars and task switchers show, from
// the icon theme's PNG files (the same pictures as the icon's 32-bit images). Decoding the whole
// icon file, and handing the window system its 128 and 256 pixel images, costs a noticeable
// share of start-up time and memory.
QIcon titleBarIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        // Read as the PNG files they are: left to guess, Qt loads every image plugin it has.
        QImageReader reader(QString(":/icons/%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

std::size_t indexOf(const ControlRow& row) {
    return static_cast<std::size_t>(&row - catalogue().data());
}

// Where the window remembers its choices between runs.
constexpr char kStandardRulesKey[] = "rules/standard";

QSettings settings() {
    return QSettings(QStringLiteral("SoilClassifier"), QStringLiteral("soil-classifier"));
}

} // namespace

ClassifierForm::ClassifierForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      widgets_(catalogue().size(), nullptr) {
    initPictures();
    setObjectName("ClassifierForm");
    setWindowTitle(toQString(windowCaption()));
    setWindowIcon(titleBarIcon());
    setLayoutDirection(Qt::RightToLeft);
    setFont(look::font(9.75, false));
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
    timer_ = new QTimer(this);
    timer_->setObjectName(toQString(kBannerTimerName));
    timer_->setInterval(kBannerInterval);
    rules_ = settings().value(kStandardRulesKey, false).toBool() ? Rules::Standard : Rules::Window;
    connect(timer_, &QTimer::timeout, this, &ClassifierForm::stepBanner);
    buildControls(true);
    if (QWidget* first = orderFocus()) {
        first->setFocus();
    }
    results_ = new ExplainedResults(*this);
    resultActions_ = new ResultActions(*this, *results_);
    setAcceptDrops(true);
}

ClassifierForm::~ClassifierForm() = default;

const Panels& ClassifierForm::panels() {
    if (!panelsBuilt_) {
        buildControls(false);
    }
    return panels_;
}

// Controls of no panel stay as they are, and so do the AASHTO notes when the AASHTO panel is
// chosen: whether a note shows is the AASHTO calculation's to decide.
void ClassifierForm::showPanel(Panel chosen) {
    panels();
    for (const ControlRow& row : catalogue()) {
        QWidget* widget = widgets_[indexOf(row)];
        switch (row.panel) {
        case Panel::Always:
        case Panel::Never:
            break;
        case Panel::AashtoNote:
            if (chosen != Panel::Aashto) {
                widget->setVisible(false);
            }
            break;
        case Panel::Unified:
        case Panel::Aashto:
        case Panel::About:
            widget->setVisible(row.panel == chosen);
            break;
        }
    }
}

void ClassifierForm::calculate(Method method, bool quietly) {
    const NumberFormat format = numberFormat();
    const Rules other = otherRules(rules_);
    if (method == Method::Unified) {
        const UnifiedPanel& panel = panels().unified;
        const FieldReadings fields = readFields(panel, format);
        const Checked<UnifiedSample> sample = checkUnified(fields, rules_);
        const std::optional<UnifiedResult> result =
            sample.sample() ? classifyUnified(*sample.sample(), rules_) : std::nullopt;
        if (!result) {
            return quietly ? void() : warn(warningFor(sample.errors(), panel));
        }
        showResult(panel, *result);
        const Checked<UnifiedSample> otherSample = checkUnified(fields, other);
        OtherAnswer<UnifiedResult> answer;
        answer.result =
            otherSample.sample() ? classifyUnified(*otherSample.sample(), other) : std::nullopt;
        answer.errors.assign(otherSample.errors().begin(), otherSample.errors().end());
        return results_->record(*result, answer);
    }
    const AashtoPanel& panel = panels().aashto;
    const FieldReadings fields = readFields(panel, format);
    const Checked<AashtoSample> sample = checkAashto(fields, rules_);
    const std::optional<AashtoResult> result =
        sample.sample() ? classifyAashto(*sample.sample(), rules_) : std::nullopt;
    if (!result) {
        return quietly ? void() : warn(warningFor(sample.errors(), panel));
    }
    showResult(panel, *result, format);
    const Checked<AashtoSample> otherSample = checkAashto(fields, other);
    OtherAnswer<AashtoResult> answer;
    answer.result =
        otherSample.sample() ? classifyAashto(*otherSample.sample(), other) : std::nullopt;
    answer.errors.assign(otherSample.errors().begin(), otherSample.errors().end());
    results_->record(*result, answer);
}

// The window's two warnings by its own rules; by the standards', data no sample can have gets
// a warning that names its boxes.
template <class Panel>
std::string ClassifierForm::warningFor(std::span<const FieldError> errors, const Panel& panel) {
    constexpr bool unified = std::is_same_v<Panel, UnifiedPanel>;
    if (rules_ == Rules::Standard) {
        if (const QString impossible = impossibleDataWarning(errors, panel);
            !impossible.isEmpty()) {
            return toStdString(impossible);
        }
    }
    return std::string(
        classifier::warningFor(errors, unified ? unifiedFields(rules_) : aashtoFields(rules_)));
}

void ClassifierForm::setRules(Rules rules) {
    if (rules == rules_) {
        return;
    }
    rules_ = rules;
    settings().setValue(kStandardRulesKey, rules == Rules::Standard);
    for (const Method method : kMethods) {
        if (results_->hasResult(method)) {
            calculate(method, true);
        }
    }
}

void ClassifierForm::stepBanner() {
    BannerLabel* banner = frame_.banner;
    banner->setCaption(toQString(rotatedBanner(toStdString(banner->caption()))));
}

void ClassifierForm::openAddress(std::string_view address) {
    if (!QDesktopServices::openUrl(QUrl(toQString(address)))) {
        QMessageBox box(QMessageBox::Warning, toQString(config::kAppTitle),
                        texts::browserNotStarted(toQString(address)), QMessageBox::Ok, this);
        box.setLayoutDirection(Qt::RightToLeft);
        box.exec();
    }
}

void ClassifierForm::warn(std::string_view message) {
    QMessageBox box(QMessageBox::Warning, toQString(config::kAppTitle), toQString(message),
                    QMessageBox::Ok, this);
    box.setLayoutDirection(Qt::RightToLeft);
    box.setFont(look::font(9.75, false));
    box.exec();
}

NumberFormat ClassifierForm::numberFormat() const {
    const QLocale locale = QLocale::system();
    return {toStdString(locale.decimalPoint()), toStdString(locale.groupSeparator())};
}

void ClassifierForm::endProgram() {
    timer_->stop();
    resultActions_->closeWindows();
    close();
    QCoreApplication::quit();
}

void ClassifierForm::closeEvent(QCloseEvent* event) {
    timer_->stop();
    resultActions_->closeWindows();
    event->accept();
}

// The banner moves while the window can be seen, and the program sleeps while it is hidden or
// minimised. The caption is the banner's whole state, so it goes on from where it stopped.
void ClassifierForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        runBanner(isVisible() && !isMinimized());
    }
}

void ClassifierForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    runBanner(false);
}

void ClassifierForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(placed_, true)) {
        centreOnScreen();
    }
    runBanner(!isMinimized());
}

void ClassifierForm::contextMenuEvent(QContextMenuEvent* event) {
    if (QMenu* menu = resultActions_->menuAt(event->pos())) {
        menu->popup(event->globalPos());
        event->accept();
        return;
    }
    QWidget::contextMenuEvent(event);
}

void ClassifierForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ClassifierForm::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        resultActions_->openSheetFile(path);
    }
}

void ClassifierForm::runBanner(bool run) {
    if (run && !timer_->isActive()) {
        timer_->start();
    } else if (!run) {
        timer_->stop();
    }
}

// The window builds the controls that show at start; the panels' controls, hidden until a panel
// command shows them, are built the first time any of them is needed. Either way the controls are
// built bottom to top in the table's order, in which those that show at start come first.
void ClassifierForm::buildControls(bool shownAtStart) {
    panelsBuilt_ = !shownAtStart;
    QWidget* panel = widgets_.front();
    std::vector<QWidget*> raised;
    for (const ControlRow& row : catalogue()) {
        if (visibleAtStart(row) != shownAtStart) {
            continue;
        }
        QWidget* widget = createControl(row, panel ? panel : this);
        panel = panel ? panel : widget; // the first row is XPPanel1, which holds the rest
        widgets_[indexOf(row)] = widget;
        bind(row.role, widget, frame_, panels_);
        connectCommand(row.role, widget);
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)) {
            raised.push_back(widget);
        }
    }
    for (const ControlRow& row : catalogue()) {
        auto* caption = qobject_cast<QLabel*>(widgets_[indexOf(row)]);
        if (caption && row.buddy != Role::None) {
            caption->setBuddy(widgets_[indexOf(rowOf(row.buddy))]);
        }
    }
    // Boxes and buttons stand above the labels and frames that overlap them.
    for (QWidget* widget : raised) {
        widget->raise();
    }
    orderFocus();
    if (panelsBuilt_) {
        connectPanels();
    }
}

QWidget* ClassifierForm::orderFocus() {
    std::vector<std::pair<int, QWidget*>> chain;
    for (const ControlRow& row : catalogue()) {
        QWidget* widget = widgets_[indexOf(row)];
        if (widget && row.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) {
            chain.emplace_back(row.tabIndex, widget);
        }
    }
    std::sort(chain.begin(), chain.end());
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1].second, chain[i].second);
    }
    return chain.empty() ? nullptr : chain.front().second;
}

void ClassifierForm::connectCommand(Role role, QWidget* widget) {
    const auto onClick = [&](auto command) {
        connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this, command);
    };
    const auto link = [&](std::string_view address) {
        onClick([this, address] { openAddress(address); });
        widget->setCursor(Qt::PointingHandCursor);
    };
    switch (role) {
    case Role::ShowUnified:
        return onClick([this] { showPanel(Panel::Unified); });
    case Role::ShowAashto:
        return onClick([this] { showPanel(Panel::Aashto); });
    case Role::ShowAbout:
        return onClick([this] { showPanel(Panel::About); });
    case Role::Exit:
        return onClick([this] { endProgram(); });
    case Role::UnifiedCalculate:
        return onClick([this] { calculate(Method::Unified); });
    case Role::AashtoCalculate:
        return onClick([this] { calculate(Method::Aashto); });
    case Role::FirstAddress:
        return link(config::kFirstAddress);
    case Role::SecondAddress:
        return link(config::kSecondAddress);
    case Role::Banner:
        connect(frame_.banner, &BannerLabel::clicked, this,
                [this] { openAddress(config::kFirstAddress); });
        return;
    default:
        return;
    }
}

// Enter or Return in an input box presses the Calculate button of the box's panel; Ctrl+C in a
// box without a selection copies the panel's result.
void ClassifierForm::connectPanels() {
    for (const Method method : kMethods) {
        for (QLineEdit* box : panels_.inputs(method)) {
            connect(box, &QLineEdit::returnPressed, panels_.calculate(method),
                    &QAbstractButton::click);
        }
    }
    if (resultActions_) {
        resultActions_->watchInputs();
    }
}

void ClassifierForm::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace classifier
