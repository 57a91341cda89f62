#pragma once
// What the setup dialog tests share: a settings file in a fresh folder, scripted
// prompts, a fake clock, a scripted device behind the link, and a ShowModal that
// acts on each dialog in turn as the test says.

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "core/AppContext.h"
#include "core/Configuration.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"
#include "link/gpib/SimulatedGpibBus.h"
#include "setup/ShowModal.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace dalto::testing {

inline const QByteArray SetupIni = "[Form_List]\n"
                                   "Item00=0,Virtual Panel\nItem01=1,Command Panel\nItem02=2,Pane\n"
                                   "[Comm_List]\n"
                                   "Item00=0,GPIB (IEEE-488)\nItem01=1,RS-232\nItem02=2,TCP/IP\n"
                                   "Item03=3,RS-485 Select\nItem04=4,RS-485 Packet\nItem05=5,Simulated\n"
                                   "[Syst_List]\n"
                                   "Item00=0,HB Series\nItem01=1,HB Series Rack\nItem02=2,HBX\n"
                                   "Item03=3,MW Series\nItem04=4,KD Series\n"
                                   "[Application]\nStart-Up=Command Panel\n"
                                   "[Communication]\nComm=TCP/IP\nAddress=bench.lab\nPort=4040\n"
                                   "[System]\nType=KD Series\n";

// Each dialog shown modally runs the next scripted action; a dialog without
// one is left as it is (as if closed by its frame).
class ModalScript {
public:
    using Action = std::function<void(QDialog&)>;
    void then(Action action) { actions_.push_back(std::move(action)); }
    ShowModal showModal()
    {
        return [this](QDialog& dialog) {
            shown.push_back(dialog.objectName());
            if (actions_.empty())
                return;
            Action action = std::move(actions_.front());
            actions_.pop_front();
            action(dialog);
        };
    }
    std::vector<QString> shown;

private:
    std::deque<Action> actions_;
};

template <typename Dialog>
Dialog& as(QDialog& dialog)
{
    auto* typed = qobject_cast<Dialog*>(&dialog);
    if (!typed)
        throw std::runtime_error("unexpected dialog " + dialog.objectName().toStdString());
    return *typed;
}

class SetupFixture : public ::testing::Test {
protected:
    SetupFixture()
        : iniPath(folder.filePath("Dalto_Panel.ini"))
        , context(clock, prompts, Paths(folder.path(), iniPath, folder.path()))
    {
        QFile file(iniPath);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write the settings file");
        file.write(SetupIni);
        file.close();
        LoadSettings(context.state, prompts, iniPath);
        context.state.Transcript = &transcript;
    }

    QByteArray iniText() const
    {
        QFile file(iniPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    QString iniPath;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context;
    MemoryTranscript transcript;
    std::unique_ptr<GpibDriver> ownBus()
    {
        auto bus = std::make_unique<SimulatedGpibBus>();
        gpibBus = bus.get();
        return bus;
    }

    SimulatedGpibBus* gpibBus = nullptr; // the link's GPIB bus
    ScriptedTransport device{clock};
    DeviceLink link{context, device.backends(ownBus())};
    ModalScript modal;
};

} // namespace dalto::testing
