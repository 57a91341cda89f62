#pragma once
// What the link drives: one serial line (RS-232 and both RS-485 variants share
// it), one stream socket and the GPIB driver. The program uses the real ones;
// tests hand in scripted ones.

#include "SerialLine.h"
#include "StreamSocket.h"
#include "link/gpib/GpibDriver.h"

#include <memory>

namespace dalto {

struct AppContext;

struct LinkBackends {
    std::unique_ptr<SerialLine> serialLine;
    std::unique_ptr<StreamSocket> socket;
    std::unique_ptr<GpibDriver> gpibDriver;
};

// QSerialPort (port N opened at the device path of [Serial_Ports] PortN in the
// settings file), QTcpSocket and the NI-488.2 library loaded at run time.
std::unique_ptr<LinkBackends> realLinkBackends(AppContext& context);

} // namespace dalto
