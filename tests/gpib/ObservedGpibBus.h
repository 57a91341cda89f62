#pragma once
// The simulated bus with a record of the calls that open a device and with
// registration answers chosen by the test.

#include "link/gpib/SimulatedGpibBus.h"

#include <QStringList>
#include <deque>

namespace dalto::testing {

class ObservedGpibBus final : public SimulatedGpibBus {
public:
    int ibfind(const QByteArray& name) override
    {
        const int ud = SimulatedGpibBus::ibfind(name);
        calls << QStringLiteral("ibfind %1 -> %2").arg(QString::fromLatin1(name)).arg(ud);
        return ud;
    }
    int ibsic(int ud) override
    {
        calls << QStringLiteral("ibsic %1").arg(ud);
        return SimulatedGpibBus::ibsic(ud);
    }
    int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) override
    {
        const int ud = SimulatedGpibBus::ibdev(board, pad, sad, tmo, eot, eos);
        calls << QStringLiteral("ibdev %1 %2 %3 %4 %5 0x%6 -> %7")
                     .arg(board).arg(pad).arg(sad).arg(tmo).arg(eot).arg(eos, 0, 16).arg(ud);
        return ud;
    }
    int ibtmo(int ud, int tmo) override
    {
        calls << QStringLiteral("ibtmo %1 %2").arg(ud).arg(tmo);
        return SimulatedGpibBus::ibtmo(ud, tmo);
    }

    // The next registrations answer with these results. 0 and 1 leave the words
    // registered as the library would; any other answer registers nothing.
    int RegisterGpibGlobalsForThread(GpibThreadWords* words) override
    {
        ++registrations;
        if (registrationResults.empty())
            return SimulatedGpibBus::RegisterGpibGlobalsForThread(words);
        const int result = registrationResults.front();
        registrationResults.pop_front();
        if (result == 0 || result == 1)
            SimulatedGpibBus::RegisterGpibGlobalsForThread(words);
        return result;
    }
    int UnregisterGpibGlobalsForThread() override
    {
        ++unregistrations;
        return SimulatedGpibBus::UnregisterGpibGlobalsForThread();
    }

    QStringList calls;
    std::deque<int> registrationResults;
    int registrations = 0;
    int unregistrations = 0;
};

} // namespace dalto::testing
