#include "LinkProbe.h"

#include "core/BusCode.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

namespace dalto {

LinkProbe::LinkProbe(DeviceLink& link, int16_t bus, const QString& address, int32_t port) : link_(link)
{
    SharedState& state = link_.context().state;
    savedBus_ = state.BusCode;
    savedAddress_ = state.DeviceAddress;
    savedPort_ = state.DevicePort;
    state.BusCode = bus;
    state.DeviceAddress = address;
    state.DevicePort = port;
    state.Probing = true;
}

LinkProbe::~LinkProbe()
{
    SharedState& state = link_.context().state;
    state.Probing = false;
    state.BusCode = savedBus_;
    state.DevicePort = savedPort_;
    state.DeviceAddress = savedAddress_;
    link_.InitComm();
}

ProbeOutcome LinkProbe::test()
{
    SharedState& state = link_.context().state;
    if (!link_.InitComm())
        return ProbeOutcome::OpenFailed;
    link_.WriteDevice(status::Live, false);
    QString reply;
    link_.ReadDevice(reply, status::ReplyTimeout, false);
    if (state.BusCode == bus::Simulated)
        return ProbeOutcome::NoAnswer;
    state.Probing = false;
    return ProbeOutcome::Answered;
}

} // namespace dalto
