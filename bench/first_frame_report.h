#pragma once
// For the start-up launchers: once the first top-level window has been
// painted, writes one byte to the descriptor the harness passed as the only
// argument and ends the event loop.
#include <QObject>

namespace bench {

class FirstFrameReport : public QObject {
public:
    // Create it after the QApplication and before the window is shown.
    explicit FirstFrameReport(int argc, char** argv);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    int descriptor_ = -1;
    bool painted_ = false;
};

}  // namespace bench
