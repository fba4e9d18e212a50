#pragma once

#include <QObject>

class QSocketNotifier;

namespace morvane {

// Turns SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C) into an
// orderly quit of the event loop, so the window goes the way it goes when
// closed otherwise: the preview file is removed, the working folder stays.
// The handlers only write a byte into a pipe; the quit happens on the
// user-interface thread. One instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace morvane
