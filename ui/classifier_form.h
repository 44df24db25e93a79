#pragma once

#include <QHash>
#include <QWidget>
#include <memory>
#include <string_view>

class QTimer;

namespace classifier {

class Controls;
class ExplainedResults;
class FormControls;
class ResultActions;

// The program's one window: every control of the catalogue, the panel and classify commands,
// Exit, the banner and the web links.
class ClassifierForm : public QWidget {
    Q_OBJECT
public:
    explicit ClassifierForm(QWidget* parent = nullptr);
    ~ClassifierForm() override;

    // The control of that name, or null (with a warning) when the window has none.
    QWidget* control(std::string_view name);
    // False until something first needs a control of the panels, which are built then.
    bool panelsBuilt() const { return panelsBuilt_; }
    // The window as the commands see it.
    Controls& controls();
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

private:
    void buildControls(bool shownAtStart);
    // Chains the focus in tab order through the controls built so far; returns the first.
    QWidget* orderFocus();
    void connectHandler(QWidget* widget);
    void centreOnScreen();
    void runBanner(bool run);

    QHash<QString, QWidget*> controls_;
    std::unique_ptr<FormControls> adapter_;
    ExplainedResults* results_ = nullptr;
    ResultActions* resultActions_ = nullptr;
    QTimer* timer_ = nullptr;
    bool panelsBuilt_ = false;
    bool placed_ = false;
};

} // namespace classifier
