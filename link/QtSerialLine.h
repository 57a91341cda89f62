#pragma once
// The serial line over QSerialPort. Port number N opens the device path that the
// settings file maps it to, so any path works, also a pseudo-terminal.

#include "SerialLine.h"

#include <QSerialPort>
#include <QString>

namespace dalto {

class QtSerialLine final : public SerialLine {
public:
    explicit QtSerialLine(QString iniPath);

    void open(int portNumber, int baud) override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    void waitForReadyRead(int ms) override;
    void discardInput() override;

private:
    // Throws the port's current error when it is closed or has failed.
    void requireUsable() const;
    [[noreturn]] void fail(const QString& description) const;

    QString iniPath_;
    QString path_; // the device path of the port last opened
    QSerialPort port_;
};

} // namespace dalto
