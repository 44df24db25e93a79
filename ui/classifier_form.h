#pragma once

#include "panels.h"

#include "core/number_format.h"
#include "core/rules.h"
#include "core/validation.h"

#include <QWidget>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QTimer;

namespace classifier {

class ExplainedResults;
class ResultActions;

// The program's one window: every control of the control table, the panel and Calculate
// commands, Exit, the banner and the web links.
class ClassifierForm : public QWidget {
    Q_OBJECT
public:
    explicit ClassifierForm(QWidget* parent = nullptr);
    ~ClassifierForm() override;

    const FrameControls& frame() const { return frame_; }
    // The panels' controls, hidden until a panel command shows them, are built the first time
    // anything needs them.
    const Panels& panels();
    bool panelsBuilt() const { return panelsBuilt_; }

    // The panel commands: the chosen panel's controls show, the other panels' hide.
    void showPanel(Panel chosen);
    // The Calculate commands, by the rules chosen. Quietly, a refused sample leaves the panel as
    // it was without a warning.
    void calculate(Method method, bool quietly = false);
    // The rules the method panels follow: the window's own (the default) or the standards'.
    // The choice is remembered between runs; changing it calculates again the panels that show
    // a result.
    Rules rules() const { return rules_; }
    void setRules(Rules rules);
    // One step of the banner.
    void stepBanner();
    // Hands the address to the desktop's default browser without waiting; a short message when
    // no browser can be started.
    void openAddress(std::string_view address);
    // The modal warning box, with the application's title.
    void warn(std::string_view message);
    // How the desktop's locale writes numbers.
    NumberFormat numberFormat() const;

    // The explained results of the method panels, and what the user can do with them.
    ExplainedResults& results() { return *results_; }
    ResultActions& resultActions() { return *resultActions_; }
    // Stops the banner, closes the window and ends the application's event loop.
    void endProgram();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A CSV file dropped on the window opens in the sheet window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <class Panel>
    std::string warningFor(std::span<const FieldError> errors, const Panel& panel);
    void buildControls(bool shownAtStart);
    // Chains the focus in tab order through the controls built so far; returns the first.
    QWidget* orderFocus();
    void connectCommand(Role role, QWidget* widget);
    void connectPanels();
    void centreOnScreen();
    void runBanner(bool run);

    // The widget of each row of the control table, once built; null before.
    std::vector<QWidget*> widgets_;
    FrameControls frame_;
    Panels panels_;
    ExplainedResults* results_ = nullptr;
    ResultActions* resultActions_ = nullptr;
    QTimer* timer_ = nullptr;
    Rules rules_ = Rules::Window;
    bool panelsBuilt_ = false;
    bool placed_ = false;
};

} // namespace classifier
