// Acting on modal dialogs as a person would, for the programs that drive the
// windows themselves (tests, screenshots): an action waits in the event loop
// until the dialog of the kind it expects is the active modal widget.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace modal_automation {

// How often the event loop may come round without the dialog before the
// wait is given up as a fault of the program being driven.
inline constexpr int kMaxRounds = 10000;

// Runs action with the dialog as soon as a visible modal widget of type
// Dialog (and of the object name, when one is given) is active and has the
// keyboard, as a person would see it; schedule it
// before the call that opens the dialog. The layer names the dialogs that it
// builds from templates "dialog" + template id.
template <class Dialog>
void WhenModal(std::function<void(Dialog*)> action, QString objectName = {}, int round = 0) {
  QTimer::singleShot(0, [action = std::move(action), objectName, round]() mutable {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible() && dialog->isActiveWindow() &&
        (objectName.isEmpty() || dialog->objectName() == objectName)) {
      action(dialog);
    } else if (round < kMaxRounds) {
      WhenModal<Dialog>(std::move(action), std::move(objectName), round + 1);
    } else {
      std::fprintf(stderr, "no modal %s appeared\n", Dialog::staticMetaObject.className());
      std::abort();
    }
  });
}

}  // namespace modal_automation
