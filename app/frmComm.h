#pragma once
// The hidden start-up window. It holds the fallback transcript the link echoes
// into before the first panel registers its own, and the 2000 ms keep-alive timer
// of the TCP/IP link. Its Form_Load is the program's start-up sequence. It is
// never shown and lives until the program ends.

#include <QTimer>
#include <QWidget>

namespace dalto {

class Application;
class TranscriptBox;

class frmComm final : public QWidget {
    Q_OBJECT
public:
    explicit frmComm(Application& app);

    // Settings, command lists, the link, the device's state, then exactly one panel.
    void Form_Load();
    // Stops the keep-alive; the link stays as it is until the program ends.
    void Form_Unload();

    TranscriptBox* rtbTranx;
    QTimer* tcpTimer;

private:
    void emptyDebugLog();

    Application& app_;
};

} // namespace dalto
