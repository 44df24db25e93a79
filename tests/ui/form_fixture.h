#pragma once

#include "classifier_form.h"

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class QMessageBox;

// Helpers for driving a shown ClassifierForm the way a user does.
namespace form_fixture {

QWidget* control(classifier::ClassifierForm& form, const char* name);
QString text(classifier::ClassifierForm& form, const char* name);
// Types the text into the box, as the user does.
void setText(classifier::ClassifierForm& form, const char* name, const QString& text);
// Puts the text into the box at once.
void write(classifier::ClassifierForm& form, const char* name, const QString& text);
// A left click in the middle of the control.
void click(classifier::ClassifierForm& form, const char* name);
// Shows the form and waits until it is exposed, with its banner stopped.
void showStill(classifier::ClassifierForm& form);

// Right-clicks the panel area beside the inputs; the menu that opens, if any.
QMenu* rightClickPanel(classifier::ClassifierForm& form);

// The names of the window's controls that the user can see now.
QStringList visibleControls(classifier::ClassifierForm& form);

// Runs the action; when a modal message box opens, hands it to inspect and then presses its
// OK button. Returns the number of boxes that opened.
int answerMessages(const std::function<void()>& action,
                   const std::function<void(QMessageBox&)>& inspect);

} // namespace form_fixture
