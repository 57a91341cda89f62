#pragma once
// The supply's calibration data and its access lock: five trim potentiometers,
// the full-scale (scale) factors that "<>SCL" reports, the input scale of the
// modulation input, the calibration string and the firmware version words.
// Pots need the pot code or the factory code; scales and versions need the
// factory code.

#include <QString>
#include <array>
#include <optional>

namespace dalto::sim {

class Calibration {
public:
    enum class Access { None, Pots, Factory };

    static constexpr int PotCount = 5;
    static constexpr int PotDefault = 128;
    static constexpr int PotMaximum = 255;
    static inline const QString PotCode = QStringLiteral("7351");
    static inline const QString FactoryCode = QStringLiteral("2468");

    Calibration(double ratedVoltage, double ratedCurrent, QString firmwareVersion, QString interfaceVersion);

    // Any code other than the two access codes locks everything again; returns
    // whether the code opened a level.
    bool enterPassword(const QString& code);
    void stop() { access_ = Access::None; }
    Access access() const { return access_; }

    // pot: 1..PotCount.
    std::optional<int> pot(int number) const;
    int setPot(int number, int value);
    int restoreDefaultPots();
    const std::array<int, PotCount>& pots() const { return pots_; }

    double ratedVoltage() const { return ratedVoltage_; }
    double ratedCurrent() const { return ratedCurrent_; }
    double inputScale() const { return inputScale_; }
    int setRatedVoltage(double volts);
    int setRatedCurrent(double amps);
    int setInputScale(double scale);

    const QString& calibrationString() const { return calString_; }
    void setCalibrationString(const QString& text) { calString_ = text; }

    const QString& firmwareVersion() const { return firmware_; }
    const QString& interfaceVersion() const { return interface_; }
    int setFirmwareVersion(const QString& version);
    // A new control program came in through the boot loader: no factory access needed.
    void loadFirmware(const QString& version) { firmware_ = version; }

private:
    int requireFactory() const;
    int requirePots() const;

    Access access_ = Access::None;
    std::array<int, PotCount> pots_;
    double ratedVoltage_;
    double ratedCurrent_;
    double inputScale_ = 1.0;
    QString calString_ = QStringLiteral("FACTORY CAL");
    QString firmware_;
    QString interface_;
};

} // namespace dalto::sim
