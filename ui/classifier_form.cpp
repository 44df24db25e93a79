#include "classifier_form.h"

#include "banner.h"
#include "banner_label.h"
#include "captions.h"
#include "catalogue.h"
#include "control_factory.h"
#include "core/aashto.h"
#include "core/unified.h"
#include "explained_results.h"
#include "form_controls.h"
#include "look.h"
#include "method_panels.h"
#include "panels.h"
#include "qt_text.h"
#include "result_actions.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

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

using Handler = void (*)(Controls&);

// The controls whose click runs a command, and the command each one runs.
const std::pair<const char*, Handler> kClickHandlers[] = {
    {"KewlButtons1", showUnifiedPanel}, {"KewlButtons2", showAashtoPanel},
    {"KewlButtons3", showAboutPanel},   {"KewlButtons4", exitProgram},
    {"KewlButtons5", unifiedClassify},  {"KewlButtons6", aashtoClassify},
    {"LAnimation", openFirstAddress},   {"XPButton3", openFirstAddress},
    {"XPButton4", openSecondAddress},
};

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

// Enter or Return in an input box presses the Calculate button of the box's panel.
void connectEnterToCalculate(ClassifierForm& form) {
    for (const Method method : kMethods) {
        auto* calculate =
            qobject_cast<QAbstractButton*>(form.control(calculateButton(method).name));
        for (const ControlRow* box : inputBoxes(method)) {
            QObject::connect(qobject_cast<QLineEdit*>(form.control(box->name)),
                             &QLineEdit::returnPressed, calculate, &QAbstractButton::click);
        }
    }
}

} // namespace

ClassifierForm::ClassifierForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      adapter_(std::make_unique<FormControls>(*this)) {
    initPictures();
    setObjectName("ClassifierForm");
    setWindowTitle(toQString(windowCaption()));
    setWindowIcon(titleBarIcon());
    setLayoutDirection(Qt::RightToLeft);
    setFont(look::font(9.75, false));
    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(kBannerInterval);
    connect(timer_, &QTimer::timeout, this, [this] { rotateBanner(*adapter_); });
    buildControls(true);
    if (QWidget* first = orderFocus()) {
        first->setFocus();
    }
    results_ = new ExplainedResults(*this);
    resultActions_ = new ResultActions(*this, *results_);
}

ClassifierForm::~ClassifierForm() = default;

QWidget* ClassifierForm::control(std::string_view name) {
    const QString key = toQString(name);
    QWidget* widget = controls_.value(key);
    if (!widget && !panelsBuilt_) {
        buildControls(false);
        widget = controls_.value(key);
    }
    if (!widget) {
        qWarning("ClassifierForm has no control named %.*s", int(name.size()), name.data());
    }
    return widget;
}

Controls& ClassifierForm::controls() {
    return *adapter_;
}

void ClassifierForm::endProgram() {
    timer_->stop();
    resultActions_->closeChart();
    close();
    QCoreApplication::quit();
}

void ClassifierForm::closeEvent(QCloseEvent* event) {
    timer_->stop();
    resultActions_->closeChart();
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

void ClassifierForm::runBanner(bool run) {
    if (run && !timer_->isActive()) {
        timer_->start();
    } else if (!run) {
        timer_->stop();
    }
}

// The window builds the controls that show at start; the panels' controls, hidden until a panel
// command shows them, are built the first time any of them is needed. Either way the controls are
// built bottom to top in the catalogue's order, in which those that show at start come first.
void ClassifierForm::buildControls(bool shownAtStart) {
    panelsBuilt_ = !shownAtStart;
    QWidget* panel = controls_.value("XPPanel1");
    std::vector<QWidget*> raised;
    for (const ControlRow& row : catalogue()) {
        if (visibleAtStart(row) != shownAtStart) {
            continue;
        }
        QWidget* widget = createControl(row, panel ? panel : this);
        panel = panel ? panel : widget; // the first row is XPPanel1, which holds the rest
        controls_.insert(widget->objectName(), widget);
        connectHandler(widget);
        if (qobject_cast<QAbstractButton*>(widget) || widget->inherits("QLineEdit")) {
            raised.push_back(widget);
        }
    }
    // Boxes and buttons stand above the labels and frames that overlap them.
    for (QWidget* widget : raised) {
        widget->raise();
    }
    orderFocus();
    if (panelsBuilt_ && resultActions_) {
        connectEnterToCalculate(*this);
        resultActions_->watchInputs();
    }
}

QWidget* ClassifierForm::orderFocus() {
    std::vector<std::pair<int, QWidget*>> chain;
    for (const ControlRow& row : catalogue()) {
        QWidget* widget = controls_.value(toQString(row.name));
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

void ClassifierForm::connectHandler(QWidget* widget) {
    const auto row =
        std::find_if(std::begin(kClickHandlers), std::end(kClickHandlers),
                     [&](const auto& entry) { return widget->objectName() == entry.first; });
    if (row == std::end(kClickHandlers)) {
        return;
    }
    const Handler handler = row->second;
    auto run = [this, handler] { handler(*adapter_); };
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, run);
        if (handler == openFirstAddress || handler == openSecondAddress) {
            button->setCursor(Qt::PointingHandCursor);
        }
    } else if (auto* banner = qobject_cast<BannerLabel*>(widget)) {
        connect(banner, &BannerLabel::clicked, this, run);
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
