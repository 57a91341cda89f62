#include "frmFindGPIB.h"

#include "DeviceList.h"
#include "DialogIcon.h"
#include "GpibSearch.h"
#include "link/DeviceLink.h"

#include <QPushButton>

namespace dalto {

frmFindGPIB::frmFindGPIB(DeviceLink& link, QWidget* parent)
    : DeviceFinder(QStringLiteral("frmFindGPIB"), QStringLiteral("Find GPIB Devices"),
                   {QStringLiteral("Address"), QStringLiteral("Identification")}, parent)
    , link_(link)
{
    SetDialogIcon(*this, link_.context().paths);
    lvDevices->setQuarterColumns(1, 0); // the Address column
    search();
}

void frmFindGPIB::search()
{
    clearRows();
    for (const GpibListing& listing : SearchGpibBus(link_.gpib(), link_.context().state))
        lvDevices->addRow({QString::number(listing.address), listing.identification});
    if (lvDevices->topLevelItemCount() > 0)
        lvDevices->setCurrentItem(lvDevices->topLevelItem(0));
    updateOk();
    lvDevices->resizeColumnToContents(IdentificationColumn);
}

} // namespace dalto
