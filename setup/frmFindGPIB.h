#pragma once
// Lists the instruments on the GPIB bus with their identification; the search
// runs when the dialog is made and again on Refresh.

#include "DeviceFinder.h"

namespace dalto {

class DeviceLink;

class frmFindGPIB : public DeviceFinder {
    Q_OBJECT
public:
    enum Column { AddressColumn, IdentificationColumn };

    explicit frmFindGPIB(DeviceLink& link, QWidget* parent = nullptr);

    // The address of the chosen row; empty unless result() is true.
    QString address() const { return chosenCell(AddressColumn); }

private:
    void search() override;

    DeviceLink& link_;
};

} // namespace dalto
