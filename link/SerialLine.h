#pragma once
// A serial port as the link needs it: opened by port number at a baud rate (8 data
// bits, no parity, one stop bit), raw bytes in and out. The real one wraps
// QSerialPort; tests hand in a scripted one.

#include <QByteArray>

namespace dalto {

class SerialLine {
public:
    virtual ~SerialLine() = default;
    // Throws LinkFault when the port cannot be opened.
    virtual void open(int portNumber, int baud) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Sends the bytes before returning, so that pauses after a write pace the wire.
    // Throws LinkFault when the port is not open or the write fails.
    virtual void write(const QByteArray& bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    // Throws LinkFault when the port is not open or has failed.
    virtual QByteArray readAll() = 0;
    // Blocks up to ms milliseconds for input without letting other events run.
    virtual void waitForReadyRead(int ms) = 0;
    // Drops every byte received so far, also those the system holds and has not
    // handed over yet. Does nothing on a closed port.
    virtual void discardInput() = 0;
};

} // namespace dalto
