#pragma once
// SIGTERM and SIGINT end the program through its normal shut-down, whatever it
// is doing: running its main loop, or showing a dialog before that loop runs
// (start-up) or after it ended (exit). The handler only notes the signal and
// writes a byte to a socket; a notifier on the other end, serviced by every
// event loop, the nested loops of dialogs included, closes the open dialogs
// and ends the main loop.
#include <QObject>

class QSocketNotifier;

namespace velto {

class QuitSignals : public QObject {
public:
    // Before the application object. False when the socket could not be made;
    // the signals then keep their default action.
    static bool Install();
    // A signal came: the main loop is not to run, and no dialog opens.
    static bool Quitting();

    // With the application object: services the handler's bytes.
    explicit QuitSignals(QObject* parent = nullptr);

private:
    void OnSignal();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace velto
